#include "browser/CZelRecordingListCtrl.h"

#include "browser/CDarkListStyle.h"
#include "browser/LockImages.h"
#include "playback/CWindowMessageEvent.h"
#include "settings/dialog/LocalizedText.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace {

const QColor kListBackground(18, 18, 18);
const QColor kListText(215, 215, 215);
const QColor kHeaderBackground(34, 34, 34);
const QColor kHeaderText(190, 190, 190);
const QColor kGridLine(58, 58, 58);
// The user's selection stays a quiet grey so that the playing row, in the
// accent colour, is the one that catches the eye.
const QColor kSelection(70, 70, 70);
const QColor kPlayingBackground(0, 96, 170);
const QColor kPlayingText(255, 255, 255);

} // namespace

CZelRecordingListCtrl::CZelRecordingListCtrl(std::span<const unsigned> titleIds, int widthNumerator,
                                             int widthDenominator, int playMessage, QObject* messageReceiver,
                                             const CIniSettings& settings, QWidget* parent)
    : QTreeWidget(parent)
    , m_titleIds(titleIds)
    , m_widthNumerator(widthNumerator)
    , m_widthDenominator(widthDenominator)
    , m_playMessage(playMessage)
    , m_messageReceiver(messageReceiver)
    , m_settings(settings)
    , m_lockImages(LoadLockImages())
{
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAllColumnsShowFocus(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(kLockImageSize, kLockImageSize));
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Widths are fixed by SetupColumns; the file list is meant to be wider
    // than its window and scroll sideways.
    header()->setStretchLastSection(false);
    header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header()->setSectionsMovable(false);
    ApplyDarkSkin();
}

void CZelRecordingListCtrl::ApplyDarkSkin()
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, kListBackground);
    palette.setColor(QPalette::AlternateBase, kListBackground);
    palette.setColor(QPalette::Window, kListBackground);
    palette.setColor(QPalette::Text, kListText);
    palette.setColor(QPalette::WindowText, kListText);
    palette.setColor(QPalette::Highlight, kSelection);
    palette.setColor(QPalette::HighlightedText, kListText);
    palette.setColor(QPalette::Button, kHeaderBackground);
    palette.setColor(QPalette::ButtonText, kHeaderText);
    setPalette(palette);
    header()->setPalette(palette);
    // Owned by the list: a style is not deleted with the widgets that use it.
    auto* style = new CDarkListStyle;
    style->setParent(this);
    setStyle(style);
    header()->setStyle(style);
}

void CZelRecordingListCtrl::SetupColumns()
{
    // The width inside the frame: shares of the outer width would make the
    // five group columns a frame's width too wide for the list, which would
    // then carry a horizontal scroll bar for those few pixels.
    const int columnWidth = contentsRect().width() * m_widthNumerator / m_widthDenominator;
    setColumnCount(static_cast<int>(m_titleIds.size()));
    RetitleColumns();
    for (int column = 0; column < columnCount(); ++column)
        setColumnWidth(column, columnWidth);
}

void CZelRecordingListCtrl::RetitleColumns()
{
    QTreeWidgetItem* titles = headerItem();
    for (std::size_t column = 0; column < m_titleIds.size(); ++column)
        titles->setText(static_cast<int>(column), LocalizedText(m_titleIds[column], m_settings));
}

QTreeWidgetItem* CZelRecordingListCtrl::AppendRow(std::span<const std::string> texts, std::uint32_t lockFlags)
{
    auto* item = new QTreeWidgetItem;
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    for (std::size_t column = 0; column < texts.size(); ++column)
        item->setText(static_cast<int>(column), QString::fromStdString(texts[column]));
    // Flags beyond the two locks have no picture; the column then shows the text alone.
    if (lockFlags < m_lockImages.size())
        item->setIcon(0, m_lockImages[lockFlags]);
    addTopLevelItem(item);
    return item;
}

void CZelRecordingListCtrl::ClearRows()
{
    clear();
}

QTreeWidgetItem* CZelRecordingListCtrl::Row(int row) const
{
    return row >= 0 ? topLevelItem(row) : nullptr;
}

void CZelRecordingListCtrl::HighlightRow(int row, bool highlighted)
{
    QTreeWidgetItem* item = Row(row);
    if (!item)
        return;
    for (int column = 0; column < columnCount(); ++column) {
        item->setData(column, Qt::BackgroundRole, highlighted ? QVariant(QBrush(kPlayingBackground)) : QVariant());
        item->setData(column, Qt::ForegroundRole, highlighted ? QVariant(QBrush(kPlayingText)) : QVariant());
    }
}

bool CZelRecordingListCtrl::IsHighlighted(int row) const
{
    const QTreeWidgetItem* item = Row(row);
    return item && item->data(0, Qt::BackgroundRole).isValid();
}

void CZelRecordingListCtrl::ScrollRowIntoView(int row)
{
    QTreeWidgetItem* item = Row(row);
    if (!item)
        return;
    // Only up and down: a user who scrolled the wide file list sideways to
    // read the folders keeps that view when the next recording starts.
    const int horizontal = horizontalScrollBar()->value();
    scrollToItem(item, QAbstractItemView::EnsureVisible);
    horizontalScrollBar()->setValue(horizontal);
}

void CZelRecordingListCtrl::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTreeWidget::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton || !m_messageReceiver)
        return;
    const QModelIndex hit = indexAt(event->position().toPoint());
    const int row = hit.isValid() ? hit.row() : -1;
    // Posted, not sent: playing may refill this very list, which must not
    // happen while it is still inside its own mouse handling.
    PostWindowMessage(m_messageReceiver, m_playMessage, static_cast<std::uint64_t>(static_cast<std::int64_t>(row)));
}

void CZelRecordingListCtrl::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const
{
    QTreeWidget::drawRow(painter, option, index);
    // Grid lines: the bottom edge of the row and the right edge of each column.
    painter->save();
    painter->setPen(kGridLine);
    const QRect rect = option.rect;
    painter->drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
    for (int column = 0; column < columnCount(); ++column) {
        const int x = header()->sectionViewportPosition(column) + header()->sectionSize(column) - 1;
        painter->drawLine(x, rect.top(), x, rect.bottom());
    }
    painter->restore();
}

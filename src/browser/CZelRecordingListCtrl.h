#pragma once

#include <QIcon>
#include <QPointer>
#include <QTreeWidget>

#include <array>
#include <cstdint>
#include <span>
#include <string>

class CIniSettings;

// What the group list and the file list have in common: a flat report list
// with grid lines, a lock image in the first column, column titles looked up
// by string ID, a "playing" highlight kept apart from the user's selection,
// and a double click that asks the main window to play the row under the
// pointer. Dark colours, to sit on the main window's near-black background.
class CZelRecordingListCtrl : public QTreeWidget {
    Q_OBJECT

public:
    // Inserts the columns with their titles in the current language. Every
    // column gets the same width, a share of the list's width inside its frame
    // at this moment (a fifth for the group list, three tenths for the file
    // list), so the list must already have its size in the window.
    void SetupColumns();
    // Replaces the column titles with those of the current language; widths
    // and order stay.
    void RetitleColumns();

    bool IsHighlighted(int row) const;

protected:
    // The double click posts `playMessage` to `messageReceiver` (may be null:
    // then nothing is sent) with the row, -1 when no row was hit.
    CZelRecordingListCtrl(std::span<const unsigned> titleIds, int widthNumerator, int widthDenominator,
                          int playMessage, QObject* messageReceiver, const CIniSettings& settings, QWidget* parent);

    // Appends a row with the texts in column order and the lock image of `lockFlags`.
    QTreeWidgetItem* AppendRow(std::span<const std::string> texts, std::uint32_t lockFlags);
    void ClearRows();
    void HighlightRow(int row, bool highlighted);
    void ScrollRowIntoView(int row);
    QTreeWidgetItem* Row(int row) const;

    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    void ApplyDarkSkin();

    std::span<const unsigned> m_titleIds;
    int m_widthNumerator;
    int m_widthDenominator;
    int m_playMessage;
    QPointer<QObject> m_messageReceiver;
    const CIniSettings& m_settings;
    // Index = lock flags: none, G, M, G and M.
    std::array<QIcon, 4> m_lockImages;
};

#include "controls/CKepToolTipCtrl.h"

#include "controls/CGdiPlusBitmapResource.h"
#include "settings/LoadLocalizedString.h"

#include <QFile>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

#include <algorithm>

namespace {

// A description wraps at this width instead of stretching the tip.
constexpr int kDescriptionWidth = 200;

} // namespace

CKepToolTipCtrl::CKepToolTipCtrl(QObject* parent) : QObject(parent) {}

void CKepToolTipCtrl::AddTool(QWidget* tool, const QString& text, int controlId)
{
    if (!tool)
        return;
    if (const std::size_t index = IndexOfTool(tool); index < m_tools.size()) {
        m_tools[index].text = text;
        m_tools[index].controlId = controlId;
        return;
    }
    m_tools.push_back({tool, text, controlId});
    tool->installEventFilter(this);
}

void CKepToolTipCtrl::DelTool(QWidget* tool)
{
    const std::size_t index = IndexOfTool(tool);
    if (index == m_tools.size())
        return;
    tool->removeEventFilter(this);
    m_tools.erase(m_tools.begin() + static_cast<std::ptrdiff_t>(index));
}

void CKepToolTipCtrl::RemoveAllTools()
{
    for (const Tool& tool : m_tools) {
        if (tool.window)
            tool.window->removeEventFilter(this);
    }
    m_tools.clear();
}

void CKepToolTipCtrl::AddToolInfo(int controlId, unsigned descriptionId, unsigned iconId)
{
    m_toolInfo.push_back({controlId, descriptionId, iconId});
}

void CKepToolTipCtrl::ClearToolInfo()
{
    m_toolInfo.clear();
}

QList<QWidget*> CKepToolTipCtrl::Tools() const
{
    QList<QWidget*> tools;
    for (const Tool& tool : m_tools) {
        if (tool.window)
            tools.append(tool.window);
    }
    return tools;
}

std::size_t CKepToolTipCtrl::IndexOfTool(const QObject* window) const
{
    if (!window)
        return m_tools.size();
    const auto found = std::find_if(m_tools.begin(), m_tools.end(), [&](const Tool& t) { return t.window == window; });
    return static_cast<std::size_t>(found - m_tools.begin());
}

const CKepToolTipCtrl::Tool* CKepToolTipCtrl::FindTool(const QObject* window) const
{
    const std::size_t index = IndexOfTool(window);
    return index < m_tools.size() ? &m_tools[index] : nullptr;
}

const CKepToolTipCtrl::ToolInfo* CKepToolTipCtrl::FindToolInfo(int controlId) const
{
    const auto found =
        std::find_if(m_toolInfo.begin(), m_toolInfo.end(), [&](const ToolInfo& i) { return i.controlId == controlId; });
    return found == m_toolInfo.end() ? nullptr : &*found;
}

QString CKepToolTipCtrl::TipText(const QWidget* window) const
{
    const Tool* tool = FindTool(window);
    if (!tool)
        return {};
    QString icon;
    QString description;
    if (const ToolInfo* info = FindToolInfo(tool->controlId)) {
        const QString iconPath = CGdiPlusBitmapResource::ResourcePath(info->iconId);
        if (info->iconId != 0 && QFile::exists(iconPath))
            icon = QStringLiteral("<td><img src=\"%1\" width=\"%2\" height=\"%2\"></td>").arg(iconPath).arg(kIconSize);
        if (info->descriptionId != 0) {
            const QString text = QString::fromStdString(LoadLocalizedString(info->descriptionId));
            if (!text.isEmpty())
                description = QStringLiteral("<br><table width=\"%1\"><tr><td>%2</td></tr></table>")
                                  .arg(kDescriptionWidth)
                                  .arg(text.toHtmlEscaped());
        }
    }
    return QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\"><tr>%1<td valign=\"middle\"><b>%2</b>%3</td></tr></table>")
        .arg(icon, tool->text.toHtmlEscaped(), description);
}

bool CKepToolTipCtrl::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        if (const Tool* tool = FindTool(watched)) {
            const auto* help = static_cast<QHelpEvent*>(event);
            QToolTip::showText(help->globalPos(), TipText(tool->window), tool->window);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <vector>

class QWidget;

// The window's single tooltip: for every registered control a bold label
// and, from a table keyed by control ID, a description line and a 32 x 32
// icon. The window rebuilds both at every change of language: remove all
// tools, clear the table, add them again.
class CKepToolTipCtrl : public QObject {
    Q_OBJECT

public:
    static constexpr int kIconSize = 32;

    explicit CKepToolTipCtrl(QObject* parent = nullptr);

    // Registers the whole control as a tool with its label. A control is
    // registered once: adding it again replaces its label and ID.
    void AddTool(QWidget* tool, const QString& text, int controlId);
    void DelTool(QWidget* tool);
    void RemoveAllTools();
    // The first entry for a control ID counts. A description ID of 0 gives
    // no description line and an icon ID of 0 no icon.
    void AddToolInfo(int controlId, unsigned descriptionId, unsigned iconId);
    void ClearToolInfo();

    // In registration order.
    QList<QWidget*> Tools() const;
    // The rich text shown for a registered tool; empty for any other widget.
    QString TipText(const QWidget* tool) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Tool {
        QPointer<QWidget> window;
        QString text;
        int controlId;
    };
    struct ToolInfo {
        int controlId;
        unsigned descriptionId;
        unsigned iconId;
    };

    // m_tools.size() when the window is no tool.
    std::size_t IndexOfTool(const QObject* window) const;
    const Tool* FindTool(const QObject* window) const;
    const ToolInfo* FindToolInfo(int controlId) const;

    std::vector<Tool> m_tools;
    std::vector<ToolInfo> m_toolInfo;
};

#pragma once

#include <QProxyStyle>

// Draws the parts of the recording lists that the platform style would draw
// for a light background: the check boxes, which would vanish on the dark
// rows, and the column headers. Everything else is left to the platform.
class CDarkListStyle : public QProxyStyle {
    Q_OBJECT

public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;

private:
    void DrawCheckBox(const QStyleOption* option, QPainter* painter) const;
    void DrawHeaderSection(const QStyleOption* option, QPainter* painter) const;
};

#pragma once

#include <QString>
#include <QWidget>

class QPainter;

#include <cstdint>

// The car's speed as large glowing digits with the unit beside them. A
// double click switches between km/h and mph; the stored speed stays in
// km/h, so switching back and forth loses nothing.
class CSpeedLabelStatic : public QWidget {
    Q_OBJECT

public:
    explicit CSpeedLabelStatic(QWidget* parent = nullptr);

    // Stores the speed and whether it is shown, rebuilds both texts and repaints.
    bool SetSpeed(bool shown, std::uint16_t kmh);
    void SwitchUnit();

    bool IsMetric() const { return metric; }
    const QString& SpeedText() const { return speedText; }
    const QString& UnitText() const { return unitText; }

    void Render(QImage& target) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void Paint(QPainter& painter, const QRect& whole) const;
    void RebuildTexts();

    QString speedText;
    bool metric = true;
    bool shown = true;
    std::uint16_t speed = 0;
    QString unitText;
};

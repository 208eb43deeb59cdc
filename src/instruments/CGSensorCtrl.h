#pragma once

#include "instruments/CurveWindow.h"
#include "library/CCurveView.h"

#include <QImage>
#include <QLine>
#include <QList>
#include <QPolygon>
#include <QRect>
#include <QWidget>

#include <array>
#include <cstdint>
#include <vector>

// The strip chart of the three G-sensor axes with a cursor at the playing
// time and a legend whose boxes switch each curve on and off. It never
// notifies its parent: clicking in it does not seek.
class CGSensorCtrl : public QWidget, public CCurveView {
    Q_OBJECT

public:
    enum Axis { kX = 0, kY = 1, kZ = 2 };

    explicit CGSensorCtrl(QWidget* parent = nullptr);

    void ClearSamples() override;
    void AppendSamples(int count, const std::uint8_t* samples) override;
    void RecalcWindow() override;
    void SetSampleRate(double samplesPerMs) override;
    void SetTimeScale(double pixelsPerMs) override;
    void SetWindowMode(int mode) override;
    void SetStopped(bool stopped) override;
    void SetPosition(int ms) override;
    void Invalidate() override;

    // Draws the whole control off screen; painting copies this in one step
    // so the chart, repainted at every time update, does not flicker.
    const QImage& Render();

    const CurveWindow& Window() const { return window; }
    QRect PlotRect() const { return plotRect; }
    // Hit area of an axis's legend text at the last paint; empty before it.
    QRect LegendRect(Axis axis) const { return legendRects[static_cast<std::size_t>(axis)]; }
    bool IsCurveShown(Axis axis) const { return curveShown[static_cast<std::size_t>(axis)]; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void UpdatePlotRect();
    void DrawAxes(QPainter& painter);
    void DrawCurves(QPainter& painter);
    void DrawCursor(QPainter& painter);
    void DrawScale(QPainter& painter);
    void DrawLegend(QPainter& painter);
    bool CurveActive(std::size_t axis) const;

    std::vector<std::uint8_t> samples;
    CurveWindow window;
    QRect plotRect;
    int tickIntervalMs = 200;
    bool stopped = false;
    std::array<QRect, 3> legendRects{};
    std::array<bool, 3> curveShown{true, true, true};
    // Kept between repaints so that a repaint allocates nothing.
    QImage frame;
    QList<QLine> tickLines;
    std::array<QPolygon, 3> curvePoints;
};

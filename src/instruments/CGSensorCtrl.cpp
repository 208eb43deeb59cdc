#include "instruments/CGSensorCtrl.h"

#include "instruments/InstrumentText.h"
#include "media/GSensorSample.h"

#include <QFont>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

constexpr int kInsetLeft = 24;
constexpr int kInsetTop = 20;
constexpr int kInsetRight = 2;
constexpr int kInsetBottom = 8;

const QColor kZeroLineColour(255, 255, 255);
const QColor kAxisColour(102, 102, 102);
const std::array<QColor, 3> kCurveColours{QColor(255, 255, 0), QColor(60, 255, 60), QColor(255, 60, 60)};
const QColor kCursorColour(0, 0, 255);
const QColor kInactiveText(160, 160, 160);

QFont ChartFont(int pixelHeight)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelHeight);
    font.setWeight(QFont::Normal);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

double AxisValue(const std::uint8_t* sample, std::size_t axis)
{
    return GSensorSample::ToG(static_cast<std::int8_t>(sample[axis]));
}

// A frame whose light top-left and dark bottom-right make the box look
// raised or, with the colours of a shown curve, pressed in.
void DrawFrame(QPainter& painter, const QRect& box, const QColor& topLeft, const QColor& bottomRight)
{
    painter.setPen(topLeft);
    painter.drawLine(box.left(), box.top(), box.right(), box.top());
    painter.drawLine(box.left(), box.top(), box.left(), box.bottom());
    painter.setPen(bottomRight);
    painter.drawLine(box.left(), box.bottom(), box.right(), box.bottom());
    painter.drawLine(box.right(), box.top(), box.right(), box.bottom());
}

} // namespace

CGSensorCtrl::CGSensorCtrl(QWidget* parent) : QWidget(parent)
{
    // Every pixel comes from the off-screen image.
    setAttribute(Qt::WA_OpaquePaintEvent);
    UpdatePlotRect();
}

void CGSensorCtrl::ClearSamples()
{
    samples.clear();
    window.sampleCount = 0;
    window.position = 0.0;
    update();
}

void CGSensorCtrl::AppendSamples(int count, const std::uint8_t* added)
{
    if (count <= 0 || added == nullptr)
        return;
    samples.insert(samples.end(), added, added + static_cast<std::size_t>(count) * GSensorSample::kSize);
    window.sampleCount = samples.size() / GSensorSample::kSize;
}

void CGSensorCtrl::RecalcWindow() { window.Recalc(); }

void CGSensorCtrl::SetSampleRate(double samplesPerMs) { window.samplesPerMs = samplesPerMs; }

void CGSensorCtrl::SetTimeScale(double pixelsPerMs) { window.pixelsPerMs = pixelsPerMs; }

void CGSensorCtrl::SetWindowMode(int mode) { window.mode = mode; }

void CGSensorCtrl::SetStopped(bool isStopped) { stopped = isStopped; }

void CGSensorCtrl::SetPosition(int ms)
{
    window.SetPosition(ms);
    update();
}

void CGSensorCtrl::Invalidate() { update(); }

void CGSensorCtrl::UpdatePlotRect()
{
    plotRect = QRect(QPoint(kInsetLeft, kInsetTop),
                     QPoint(width() - kInsetRight, height() - kInsetBottom));
    window.plotWidth = std::max(plotRect.right() - plotRect.left(), 0);
}

bool CGSensorCtrl::CurveActive(std::size_t axis) const { return curveShown[axis] && !stopped; }

const QImage& CGSensorCtrl::Render()
{
    const QSize size(std::max(width(), 1), std::max(height(), 1));
    if (frame.size() != size)
        frame = QImage(size, QImage::Format_RGB32);
    frame.fill(Qt::black);
    UpdatePlotRect();
    window.windowMs = window.DrawingWindowMs();
    QPainter painter(&frame);
    DrawAxes(painter);
    DrawCurves(painter);
    DrawCursor(painter);
    DrawScale(painter);
    DrawLegend(painter);
    return frame;
}

// Plot geometry below uses the corners as stored (right and bottom are the
// first pixels outside the plot), hence right()/bottom() of a QRect built
// from two points.
void CGSensorCtrl::DrawAxes(QPainter& painter)
{
    const int left = plotRect.left();
    const int top = plotRect.top();
    const int bottom = plotRect.bottom();
    const int plotWidth = window.plotWidth;
    const int zeroRow = top + (bottom - top) / 2;

    painter.setPen(kZeroLineColour);
    painter.drawLine(left, zeroRow, left + plotWidth, zeroRow);
    painter.setPen(kAxisColour);
    painter.drawLine(left, top, left, bottom);

    // Ticks count from the plot's left edge, so they stay put while the
    // window scrolls; every fifth is longer and every tenth longer still.
    // Collected and drawn in one call: the chart repaints at every time update.
    const double ticks = window.windowMs / tickIntervalMs;
    tickLines.clear();
    for (int i = 0; i < ticks; ++i) {
        const int x = static_cast<int>(std::trunc(static_cast<double>(plotWidth) * i / ticks + left));
        const int length = i % 10 == 0 ? 6 : i % 10 == 5 ? 4 : 2;
        for (int y : {top, zeroRow, bottom})
            tickLines.append(QLine(x, y - length, x, y));
    }
    painter.drawLines(tickLines);
}

void CGSensorCtrl::DrawCurves(QPainter& painter)
{
    const int left = plotRect.left();
    const int plotHeight = plotRect.bottom() - plotRect.top();
    const int zeroRow = plotRect.top() + plotHeight / 2;
    // Each curve starts on the zero line at the plot's left edge and is drawn
    // as one polyline.
    for (QPolygon& curve : curvePoints) {
        curve.clear();
        curve.append(QPoint(left, zeroRow));
    }

    // One sample per column, no averaging: a short peak may fall between columns.
    for (int column = 0; column < window.plotWidth; ++column) {
        const std::int64_t index = window.SampleAtColumn(column);
        if (index < 0)
            break;
        const std::uint8_t* sample = samples.data() + static_cast<std::size_t>(index) * GSensorSample::kSize;
        for (std::size_t axis = 0; axis < 3; ++axis)
            curvePoints[axis].append(QPoint(left + column, CurveRow(AxisValue(sample, axis), zeroRow, plotHeight)));
    }
    for (std::size_t axis = 0; axis < 3; ++axis) {
        if (!CurveActive(axis) || curvePoints[axis].size() < 2)
            continue;
        painter.setPen(kCurveColours[axis]);
        painter.drawPolyline(curvePoints[axis]);
    }
}

void CGSensorCtrl::DrawCursor(QPainter& painter)
{
    // Two pixels wide: the column at the playing time and the one before.
    const int x = plotRect.left() + window.CursorColumn();
    painter.fillRect(QRect(QPoint(x - 1, plotRect.top() - 4), QPoint(x, plotRect.bottom() + 4)), kCursorColour);
}

void CGSensorCtrl::DrawScale(QPainter& painter)
{
    painter.setFont(ChartFont(10));
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::black);
    painter.setPen(Qt::white);
    const int step = (height() - 20) / 6;
    const QFontMetrics metrics(painter.font());
    const auto label = [&](int y, const char* text) {
        painter.drawText(QPoint(4, y + metrics.ascent()), QString::fromLatin1(text));
    };
    label(step + 10, " 3G");
    label(3 * step + 10, " 0G");
    label(5 * step + 10, "-3G");
    painter.setBackgroundMode(Qt::TransparentMode);
}

void CGSensorCtrl::DrawLegend(QPainter& painter)
{
    painter.setFont(ChartFont(13));
    const QFontMetrics metrics(painter.font());
    const std::int64_t index = window.SampleAtPosition();
    static constexpr std::array<char, 3> kNames{'X', 'Y', 'Z'};

    // Judged from the samples themselves: after a load without G-sensor data
    // nothing recomputes the recording length, yet the legend must turn grey.
    const bool hasData = window.sampleCount != 0 && window.samplesPerMs > 0.0;
    int x = 40;
    for (std::size_t axis = 0; axis < 3; ++axis) {
        const double value = index < 0
            ? 0.0
            : AxisValue(samples.data() + static_cast<std::size_t>(index) * GSensorSample::kSize, axis);
        const QString text = QString::fromStdString(CurveLegendText(kNames[axis], value));
        const int cx = metrics.horizontalAdvance(text);
        const int cy = metrics.height();

        // A shown curve's box looks pressed in and in colour; a hidden one, or
        // one with nothing to show, flat and grey.
        const bool active = CurveActive(axis) && hasData;
        const int d = active ? 1 : 0;
        const QRect box = QRect(x - 1 + d, 1 + d, cx + 2, cy + 2);
        if (active)
            DrawFrame(painter, box, QColor(130, 130, 130), QColor(80, 80, 80));
        else
            DrawFrame(painter, box, QColor(100, 100, 100), QColor(50, 50, 50));

        legendRects[axis] = QRect(x + d, 2 + d, cx, cy);
        painter.setPen(active ? kCurveColours[axis] : kInactiveText);
        painter.drawText(QPoint(x + d, 2 + d + metrics.ascent()), text);
        x += cx + 8;
    }
}

void CGSensorCtrl::paintEvent(QPaintEvent*)
{
    const QImage image = Render();
    QPainter painter(this);
    painter.drawImage(0, 0, image);
}

void CGSensorCtrl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    UpdatePlotRect();
    RecalcWindow();
}

void CGSensorCtrl::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        update();
    QWidget::mouseMoveEvent(event);
}

void CGSensorCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    for (std::size_t axis = 0; axis < 3; ++axis) {
        if (legendRects[axis].contains(point)) {
            curveShown[axis] = !curveShown[axis];
            break;
        }
    }
    update();
    QWidget::mouseReleaseEvent(event);
}

// The releases around a double click already toggled twice; the double
// click itself must not toggle again (nor count as a press).
void CGSensorCtrl::mouseDoubleClickEvent(QMouseEvent*) {}

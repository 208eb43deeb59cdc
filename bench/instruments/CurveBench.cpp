// The G-sensor chart repaints at every time update: a full render of a
// 1920 x 200 chart holding an hour of samples (25 per second).
#include "instruments/CGSensorCtrl.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

void BM_CurveFullRepaint(benchmark::State& state)
{
    constexpr int kSamples = 3600 * 25;
    std::vector<std::uint8_t> samples(kSamples * 3);
    for (int i = 0; i < kSamples; ++i) {
        samples[3 * i] = static_cast<std::uint8_t>(static_cast<std::int8_t>(20 * std::sin(i * 0.05)));
        samples[3 * i + 1] = static_cast<std::uint8_t>(static_cast<std::int8_t>(30 * std::cos(i * 0.03)));
        samples[3 * i + 2] = 90;
    }
    CGSensorCtrl chart;
    chart.resize(1920, 200);
    chart.ClearSamples();
    chart.AppendSamples(kSamples, samples.data());
    chart.SetSampleRate(25.0 / 1000);
    chart.SetTimeScale(0.01);
    chart.SetWindowMode(2);
    chart.RecalcWindow();
    int ms = 0;
    for (auto _ : state) {
        chart.SetPosition(ms);
        ms = (ms + 100) % (3600 * 1000);
        benchmark::DoNotOptimize(chart.Render());
    }
}

} // namespace

BENCHMARK(BM_CurveFullRepaint)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

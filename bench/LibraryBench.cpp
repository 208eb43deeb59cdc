// The recording library: loading a full card, and the telemetry work done
// when a recording is opened and at every time report while it plays.
#include "support/RecordingFixture.h"
#include "support/ParseFile.h"
#include "support/TempFolder.h"

#include "library/CCurveView.h"
#include "library/CFileListView.h"
#include "library/CGroupListView.h"
#include "library/CInstrumentPanel.h"
#include "library/CMapView.h"
#include "library/CRecordingLibrary.h"
#include "library/CScanCounter.h"
#include "library/CreateFolderTree.h"
#include "library/TimeText.h"
#include "media/ParserForName.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace fixtures;

namespace {

// Views that do nothing, so that the figures hold the library's own work
// and the cost of reaching a view, but not the view's.
class CNullGroupList : public CGroupListView {
public:
    void DeleteAllRows() override {}
    void SetHighlight(int, bool) override {}
    void EnsureVisible(int) override {}
    bool AddGroupRow(int, const std::string&, std::uint64_t, std::uint64_t, std::uint32_t, std::int64_t) override
    {
        return true;
    }
    bool IsChecked(int) const override { return false; }
};

class CNullFileList : public CFileListView {
public:
    void DeleteAllRows() override {}
    void SetHighlight(int, bool) override {}
    void EnsureVisible(int) override {}
    bool AddFileRow(int, int, const std::string&, const std::string&, std::uint32_t, std::uint64_t, std::uint32_t,
                    std::int64_t) override
    {
        return true;
    }
};

class CNullCurve : public CCurveView {
public:
    void ClearSamples() override {}
    void AppendSamples(int, const std::uint8_t*) override {}
    void RecalcWindow() override {}
    void SetSampleRate(double) override {}
    void SetTimeScale(double) override {}
    void SetWindowMode(int) override {}
    void SetStopped(bool) override {}
    void SetPosition(int) override {}
    void Invalidate() override {}
};

class CNullMap : public CMapView {
public:
    void RunScript(const std::string& script) override { benchmark::DoNotOptimize(script.data()); }
    void MovePosition(double, double) override {}
};

class CNullInstruments : public CInstrumentPanel {
public:
    void SetHeading(int) override {}
    void SetImageIndex(int) override {}
    void SetSpeed(bool, unsigned) override {}
    void ShowProgressBoard(bool) override {}
    void SetProgress(int) override {}
};

class CNullScanCounter : public CScanCounter {
public:
    void ShowCount(int) override {}
};

struct NullViews {
    CNullGroupList groupList;
    CNullFileList fileList;
    CNullCurve curve;
    CNullMap map;
    CNullInstruments instruments;
    CNullScanCounter scanCounter;

    LibraryViews Views() { return {&groupList, &fileList, &curve, &map, &instruments, &scanCounter, nullptr}; }
};

// 2,000 one-minute recordings in 20 folders: four top folders, each the top
// of a chain of five. Start times are spread over the folders out of order,
// and every tenth recording follows a break, so sorting and grouping work.
class CCard {
public:
    static constexpr int kFiles = 2000;

    CCard()
    {
        std::vector<std::string> folders;
        for (int top = 0; top < 4; ++top) {
            std::string folder = "CARD" + std::to_string(top);
            for (int level = 0; level < 5; ++level) {
                folder += "/L" + std::to_string(level);
                folders.push_back(folder);
            }
            CreateFolderTree(root / folder);
        }
        for (int i = 0; i < kFiles; ++i) {
            const int take = i * 7919 % kFiles;  // a permutation of the takes
            const std::int64_t start = kFirstStart + take * 60 + take / 10 * 30;
            char name[32];
            std::snprintf(name, sizeof name, "/FILE%04d.MOV", i);
            paths.push_back(root / folders[static_cast<std::size_t>(i % 20)] + name);
            WriteRecording(paths.back(), {.date = UtcTimeText(start, "%Y-%m-%d %H:%M:%S"), .gps = {Fix(2503.5, 12130.0)}});
        }
    }

    TempFolder root;
    std::vector<std::string> paths;

private:
    static constexpr std::int64_t kFirstStart = 1336298400;  // 2012-05-06 10:00:00 UTC
};

CCard& Card()
{
    static CCard card;
    return card;
}

void BM_LoadCard(benchmark::State& state)
{
    UseTimeZone("UTC");
    NullViews views;
    CRecordingLibrary library;
    library.Attach(views.Views());
    for (auto _ : state) {
        library.Load(Card().root.Path(), "");
        if (library.Files().size() != CCard::kFiles)
            state.SkipWithError("a recording did not load");
    }
    state.counters["groups"] = static_cast<double>(library.Groups().size());
}

// The parsers' share of a load: the same files parsed on their own.
void BM_ParseCardFiles(benchmark::State& state)
{
    UseTimeZone("UTC");
    for (auto _ : state) {
        for (const std::string& path : Card().paths) {
            VideoFileInfo info;
            auto parser = ParserForName(path);
            parser->SetInfoTarget(&info);
            if (parser->Parse(path) != 0)
                state.SkipWithError("a recording did not parse");
        }
    }
}

// Sorting aside, the in-memory part of a load: groups, members and list rows.
void BM_BuildGroups(benchmark::State& state)
{
    UseTimeZone("UTC");
    NullViews views;
    CRecordingLibrary library;
    library.Attach(views.Views());
    library.Load(Card().root.Path(), "");
    for (auto _ : state)
        library.BuildGroups();
}

// One hour at 10 GPS records and 50 G-sensor samples a second.
class COneHour {
public:
    COneHour()
    {
        std::vector<GpsSample> gps;
        for (int i = 0; i < 36000; ++i)
            gps.push_back(Fix(2503.5 + i / 10000.0, 12130.0 + i / 20000.0, i % 120, i % 360));
        WriteRecording(path, {.durationMs = 3'600'000,
                              .gps = gps,
                              .gpsRate = 10,
                              .gsensor = std::vector<GSensorSample>(180000, GSensorSample{1, -2, 90}),
                              .gsensorRate = 50});
    }

    TempFolder folder;
    std::string path = folder / "FILE0001.MOV";
};

COneHour& OneHour()
{
    static COneHour recording;
    return recording;
}

// Arg 0: no views; arg 1: do-nothing views, which makes the library format
// every route point as a map script.
void BM_OpenTelemetryOneHour(benchmark::State& state)
{
    UseTimeZone("UTC");
    NullViews views;
    CRecordingLibrary library;
    library.Attach(state.range(0) ? views.Views() : LibraryViews{});
    library.Load(OneHour().folder.Path(), "FILE0001.MOV");
    for (auto _ : state) {
        if (!library.OpenTelemetry(0) || library.GpsData().size() != 36000 * GpsSample::kSize)
            state.SkipWithError("the telemetry did not load");
    }
}

void OpenForPlaying(CRecordingLibrary& library, NullViews& views)
{
    UseTimeZone("UTC");
    library.Attach(views.Views());
    library.Load(OneHour().folder.Path(), "FILE0001.MOV");
    library.OpenTelemetry(0);
}

// Time reports within one GPS record: only the curve cursor moves.
void BM_UpdateTelemetrySameRecord(benchmark::State& state)
{
    NullViews views;
    CRecordingLibrary library;
    OpenForPlaying(library, views);
    library.UpdateTelemetry(2700, true, true);
    std::int64_t step = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(library.UpdateTelemetry(2700 + (++step & 63), true, true));
}

// Every report reaches a new record: instruments and map marker move.
void BM_UpdateTelemetryNewRecord(benchmark::State& state)
{
    NullViews views;
    CRecordingLibrary library;
    OpenForPlaying(library, views);
    std::int64_t ms = 100;
    for (auto _ : state) {
        benchmark::DoNotOptimize(library.UpdateTelemetry(ms, true, true));
        ms = ms >= 3'599'900 ? 100 : ms + 100;
    }
}

} // namespace

BENCHMARK(BM_LoadCard)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_ParseCardFiles)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_BuildGroups)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenTelemetryOneHour)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UpdateTelemetrySameRecord);
BENCHMARK(BM_UpdateTelemetryNewRecord);

// Probing a full memory card: 2,000 one-minute recordings of realistic size
// (sparse files, so the disk holds only their headers and telemetry).
#include "support/MovWriter.h"
#include "support/TelemetryBytes.h"
#include "support/TempFolder.h"

#include "media/CZel3gpParser.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

using namespace fixtures;

namespace {

constexpr int kFiles = 2000;
constexpr std::uint64_t kVideoBytes = 120ull << 20;  // a minute of 1080p

void WriteAt(int fd, std::uint64_t offset, const Bytes& bytes)
{
    if (::pwrite(fd, bytes.data(), bytes.size(), static_cast<off_t>(offset)) != static_cast<ssize_t>(bytes.size()))
        throw std::runtime_error("short write");
}

// ftyp, a 120 MB mdat left as a hole, then moov and the camera's boxes.
void WriteRecording(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_CREAT | O_TRUNC | O_WRONLY, 0644);
    Bytes head = MovBytes({Ftyp()});
    PutBE(head, 8 + kVideoBytes, 4);
    PutText(head, "mdat");
    WriteAt(fd, 0, head);
    std::vector<GpsSample> records(600, Fix(2503.5, 12130.0, 60, 90));
    records[0] = Dated(records[0], 2012, 5, 6, 10, 20, 30);
    std::vector<GSensorSample> samples(600, GSensorSample{1, 2, 90});
    // The sample tables a real moov carries; the parser must step over them.
    const Box stbl = Container("stbl", {Stsd({SampleEntry("avc1", 1920, 1080)}), Leaf("stsz", Bytes(7200, 0)),
                                        Leaf("stco", Bytes(7200, 0))});
    const Box trak = Container("trak", {Leaf("tkhd", Bytes(84, 0)),
                                        Container("mdia", {Mdhd(600, 36000), Container("minf", {stbl})})});
    WriteAt(fd, head.size() + kVideoBytes,
            MovBytes({Moov({Leaf("mvhd", Bytes(100, 0)), trak, Container("trak", {Leaf("tkhd", Bytes(84, 0))})}),
                      GpsRateBox(10), GpsBox(GpsPayload(records)), GSensorRateBox(10),
                      GSensorBox(GSensorPayload(samples))}));
    ::close(fd);
}

void BM_ProbeCard(benchmark::State& state)
{
    TempFolder card;
    std::vector<std::string> paths;
    for (int i = 0; i < kFiles; ++i) {
        paths.push_back(card / ("FILE" + std::to_string(1000 + i) + ".MOV"));
        WriteRecording(paths.back());
    }
    std::uint64_t reads = 0, bytes = 0, probes = 0;
    for (auto _ : state) {
        for (const std::string& path : paths) {
            VideoFileInfo info;
            CZel3gpParser parser;
            parser.SetInfoTarget(&info);
            if (parser.Parse(path) != 0)
                state.SkipWithError("a recording did not parse");
            reads += parser.SystemReads();
            bytes += parser.BytesRead();
            ++probes;
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(probes));
    state.counters["reads/file"] = static_cast<double>(reads) / static_cast<double>(probes);
    state.counters["bytes/file"] = static_cast<double>(bytes) / static_cast<double>(probes);
    state.counters["cpu/file"] = benchmark::Counter(static_cast<double>(probes), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(BM_ProbeCard)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

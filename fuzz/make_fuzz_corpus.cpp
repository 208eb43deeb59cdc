// Writes the seed corpus of the fuzz targets: typical and odd layouts made by
// the fixture writers, one file per seed.
#include "support/AviWriter.h"
#include "support/MovWriter.h"
#include "support/TelemetryBytes.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

using namespace fixtures;

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: make_fuzz_corpus DIR\n", stderr);
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    for (const char* sub : {"mov", "avi", "telemetry"})
        std::filesystem::create_directories(dir / sub);

    const Bytes gps = GpsPayload({Dated(Fix(2503.5, 12130.0, 50, 90), 2012, 5, 6, 10, 0, 30), Fix(2503.6, 12130.1, 52, 92),
                                  Fix(20000.0, 12130.0)});
    const Bytes gsen = GSensorPayload({{1, 2, 90}, {-90, 0, 88}, {127, -128, 0}});
    const std::vector<std::vector<Box>> movs = {
        PlainMov(),
        {Ftyp(), DateBox("2012-05-06 10:20:30"), GpsRateBox(10), GpsBox(gps), GSensorRateBox(10), GSensorBox(gsen),
         Moov({VideoTrak(600, 36000, 1920, 1080)}), Mdat(32)},
        {Ftyp().Large(), Moov({VideoTrak(90000, 5400000, 1280, 720), GpsBox(gps), Container("udta", {DateBox("x")})}),
         Mdat(16).ToEnd()},
        {Ftyp(), Moov({Container("trak", {Container("mdia", {Mdhd(600, 36000, 1),
                          Container("minf", {Container("stbl", {Stsd({SampleEntry("avc1", 640, 480)})})})})})})},
    };
    const std::vector<std::vector<Chunk>> avis = {
        PlainAvi(),
        {AviDate("2012-05-06 10:20:30"), Hdrl(33333, 1800, 1280, 720), AviGpsRate(10), AviGps(gps), AviGSensorRate(10),
         AviGSensor(gsen), Movi(16), Idx1()},
        {List("hdrl", {RiffLeaf("vprp", Bytes(8, 0)), Avih(40000, 1500),
                       List("strl", {Strh("vids"), VideoStrf(640, -480), AviGps(gps)})}),
         List("INFO", {RiffLeaf("ISFT", Bytes(4, 'a'))}), RiffLeaf("JUNK", Bytes(12, 0)), Movi(16)},
    };
    int n = 0;
    for (const auto& boxes : movs)
        WriteFile((dir / "mov" / ("seed" + std::to_string(n++))).string(), MovBytes(boxes));
    for (const auto& chunks : avis)
        WriteFile((dir / "avi" / ("seed" + std::to_string(n++))).string(), AviBytes(chunks));
    WriteFile((dir / "telemetry" / "gps").string(), gps);
    WriteFile((dir / "telemetry" / "gsensor").string(), gsen);
    return 0;
}

#include "cli/Commands.h"

#include "cli/Json.h"
#include "cli/PathArgument.h"
#include "media/GSensorSample.h"
#include "media/GpsSample.h"
#include "media/ParserForName.h"
#include "media/TelemetryPayload.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

struct GpsRow {
    std::size_t index;
    std::int64_t ms;
    GpsSample s;
};

struct GSensorRow {
    std::size_t index;
    std::int64_t ms;
    GSensorSample s;
};

std::string DateText(const GpsSample& s)
{
    if (!s.HasValidDate())
        return "";
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", 2000 + s.year, s.month, s.day, s.hour, s.minute,
                  s.second);
    return buf;
}

void PrintCsv(const std::vector<GpsRow>& gps, const std::vector<GSensorRow>& gsensor)
{
    std::printf("index,ms,fix,latitude,longitude,altitude,speedKmh,headingDeg,datetime\n");
    for (const GpsRow& r : gps)
        std::printf("%zu,%lld,%d,%.6f,%.6f,%d,%u,%d,%s\n", r.index, static_cast<long long>(r.ms), r.s.HasFix() ? 1 : 0,
                    r.s.LatitudeDegrees(), r.s.LongitudeDegrees(), r.s.altitude, r.s.speed, r.s.HeadingDegrees(),
                    DateText(r.s).c_str());
    std::printf("index,ms,x,y,z\n");
    for (const GSensorRow& r : gsensor)
        std::printf("%zu,%lld,%.4f,%.4f,%.4f\n", r.index, static_cast<long long>(r.ms), GSensorSample::ToG(r.s.x),
                    GSensorSample::ToG(r.s.y), GSensorSample::ToG(r.s.z));
}

void PrintJson(const std::vector<GpsRow>& gps, const std::vector<GSensorRow>& gsensor)
{
    std::printf("{\"gps\":[");
    for (std::size_t i = 0; i < gps.size(); ++i) {
        const GpsRow& r = gps[i];
        std::printf("%s{\"index\":%zu,\"ms\":%lld,\"fix\":%d,\"latitude\":%s,\"longitude\":%s,\"altitude\":%d,"
                    "\"speedKmh\":%u,\"headingDeg\":%d,\"datetime\":%s}",
                    i ? "," : "", r.index, static_cast<long long>(r.ms), r.s.HasFix() ? 1 : 0,
                    JsonNumber(r.s.LatitudeDegrees()).c_str(), JsonNumber(r.s.LongitudeDegrees()).c_str(),
                    r.s.altitude, r.s.speed, r.s.HeadingDegrees(), JsonString(DateText(r.s)).c_str());
    }
    std::printf("],\"gsensor\":[");
    for (std::size_t i = 0; i < gsensor.size(); ++i) {
        const GSensorRow& r = gsensor[i];
        std::printf("%s{\"index\":%zu,\"ms\":%lld,\"x\":%s,\"y\":%s,\"z\":%s}", i ? "," : "", r.index,
                    static_cast<long long>(r.ms), JsonNumber(GSensorSample::ToG(r.s.x), 4).c_str(),
                    JsonNumber(GSensorSample::ToG(r.s.y), 4).c_str(), JsonNumber(GSensorSample::ToG(r.s.z), 4).c_str());
    }
    std::printf("]}\n");
}

} // namespace

int TrackCommand(const Arguments& args)
{
    const std::optional<PathArgument> parsed = ParsePathArgument(args);
    if (!parsed) {
        std::fputs("usage: tavrel-cli track FILE [--json]\n", stderr);
        return kExitUsage;
    }
    const std::string& path = parsed->path;
    const bool json = parsed->json;
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        std::fprintf(stderr, "tavrel-cli: %s: no such file\n", path.c_str());
        return kExitUsage;
    }
    VideoFileInfo info;
    auto parser = ParserForName(std::filesystem::path(path).filename().string());
    parser->SetInfoTarget(&info);
    if (parser->Parse(path) != 0) {
        std::fprintf(stderr, "tavrel-cli: %s: not a camera recording\n", path.c_str());
        return kExitFailed;
    }

    std::vector<std::uint8_t> bytes;
    std::vector<GpsRow> gps;
    ReadPayload(path, info.gpsOffset, info.gpsSize, bytes);
    const unsigned perSecond = GpsRecordsPerSecond(info);
    for (std::size_t i = 0; i + GpsSample::kSize <= bytes.size(); i += GpsSample::kSize) {
        const std::size_t index = i / GpsSample::kSize;
        gps.push_back({index, static_cast<std::int64_t>(index * 1000 / perSecond), GpsSample::Decode(&bytes[i])});
    }
    std::vector<GSensorRow> gsensor;
    ReadPayload(path, info.gsensorOffset, info.gsensorSize, bytes);
    const double samplesPerSecond = GSensorSamplesPerSecond(info);
    for (std::size_t i = 0; i + GSensorSample::kSize <= bytes.size(); i += GSensorSample::kSize) {
        const std::size_t index = i / GSensorSample::kSize;
        const auto ms = samplesPerSecond > 0 ? static_cast<std::int64_t>(static_cast<double>(index) * 1000 / samplesPerSecond) : 0;
        gsensor.push_back({index, ms, GSensorSample::Decode(&bytes[i])});
    }
    json ? PrintJson(gps, gsensor) : PrintCsv(gps, gsensor);
    return kExitOk;
}

#include "cli/Commands.h"

#include "cli/Json.h"
#include "media/ParserForName.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

std::string ProbeLine(const std::string& path)
{
    VideoFileInfo info;
    auto parser = ParserForName(std::filesystem::path(path).filename().string());
    parser->SetInfoTarget(&info);
    const int result = parser->Parse(path);
    return "{\"path\":" + JsonString(path) + ",\"result\":" + std::to_string(result) +
           "," + VideoFileInfoFields(info) + "}";
}

} // namespace

int ProbeCommand(const Arguments& args)
{
    if (args.empty()) {
        std::fputs("usage: tavrel-cli probe FILE...\n", stderr);
        return kExitUsage;
    }
    for (const std::string& path : args) {
        std::error_code ec;
        if (!std::filesystem::exists(path, ec)) {
            std::fprintf(stderr, "tavrel-cli: %s: no such file\n", path.c_str());
            return kExitUsage;
        }
    }
    for (const std::string& path : args)
        std::printf("%s\n", ProbeLine(path).c_str());
    return kExitOk;
}

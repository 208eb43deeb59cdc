#include "cli/TrackExport.h"

#include "library/CRecordingLibrary.h"
#include "library/PathText.h"
#include "library/ReplaceFile.h"

#include <cstdio>
#include <filesystem>

std::optional<TrackExportRequest> ParseTrackExportArguments(const Arguments& args, const char* usage)
{
    TrackExportRequest request;
    bool fits = true;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" && i + 1 < args.size() && request.out.empty())
            request.out = args[++i];
        else if (request.file.empty() && args[i] != "-o")
            request.file = args[i];
        else
            fits = false;
    }
    if (!fits || request.file.empty()) {
        std::fprintf(stderr, "usage: %s\n", usage);
        return std::nullopt;
    }
    return request;
}

int OpenRecording(CRecordingLibrary& library, const std::string& file)
{
    const auto [folder, name] = SplitFilePath(file);
    if (!library.Load(folder, name)) {
        std::fprintf(stderr, "tavrel-cli: %s: no such file\n", file.c_str());
        return kExitUsage;
    }
    if (library.Files().empty() || !library.SelectFile(0) || !library.OpenTelemetry(0)) {
        std::fprintf(stderr, "tavrel-cli: %s: not a camera recording\n", file.c_str());
        return kExitFailed;
    }
    return kExitOk;
}

int WriteTrack(const std::string& out, const std::string& usualName, const std::string& document)
{
    std::error_code ec;
    const std::string path = std::filesystem::is_directory(out, ec) ? JoinPath(out, usualName) : out;
    return ReportTrackWritten(WriteFileReplacing(path, document), path);
}

int ReportTrackWritten(bool written, const std::string& path)
{
    if (!written) {
        std::fprintf(stderr, "tavrel-cli: cannot write %s\n", path.c_str());
        return kExitFailed;
    }
    std::printf("%s\n", path.c_str());
    return kExitOk;
}

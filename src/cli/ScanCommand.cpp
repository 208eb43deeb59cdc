#include "cli/Commands.h"

#include "cli/Json.h"
#include "cli/PathArgument.h"
#include "library/CFileListView.h"
#include "library/CGroupListView.h"
#include "library/CRecordingLibrary.h"
#include "library/ListRowText.h"
#include "library/PathText.h"
#include "settings/CStringTable.h"
#include "settings/LoadLocalizedString.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr std::uint16_t kEnglish = 1033;

template <std::size_t N>
std::string TabLine(const std::array<std::string, N>& columns, const std::string& last)
{
    std::string line;
    for (const std::string& column : columns)
        line += column + '\t';
    return line + last + '\n';
}

template <std::size_t N>
std::string TitleLine(const std::array<unsigned, N>& titleIds)
{
    std::array<std::string, N> titles;
    for (std::size_t i = 0; i < N; ++i)
        titles[i] = LoadLocalizedString(titleIds[i], kEnglish, CStringTable::Compiled());
    return TabLine(titles, "Lock");
}

// The two lists as text: the library fills them exactly as it fills the
// window's lists, and each row is formatted as those show it.
class CTextGroupList : public CGroupListView {
public:
    void DeleteAllRows() override { text.clear(); }
    void SetHighlight(int, bool) override {}
    void EnsureVisible(int) override {}
    bool IsChecked(int) const override { return false; }
    bool AddGroupRow(int group, const std::string& resolution, std::uint64_t totalDurationMs, std::uint64_t totalSize,
                     std::uint32_t lockFlags, std::int64_t startTime) override
    {
        text += TabLine(FormatGroupRow(group, resolution, totalDurationMs, totalSize, startTime), LockFlagsText(lockFlags));
        return true;
    }

    std::string text;
};

class CTextFileList : public CFileListView {
public:
    void DeleteAllRows() override { text.clear(); }
    void SetHighlight(int, bool) override {}
    void EnsureVisible(int) override {}
    bool AddFileRow(int group, int indexInGroup, const std::string& folder, const std::string& name,
                    std::uint32_t durationMs, std::uint64_t size, std::uint32_t lockFlags,
                    std::int64_t startTime) override
    {
        text += TabLine(FormatFileRow(group, indexInGroup, folder, name, durationMs, size, startTime),
                        LockFlagsText(lockFlags));
        return true;
    }

    std::string text;
};

std::string GroupJson(const RecordingGroup& g)
{
    return "{\"index\":" + std::to_string(g.index) + ",\"firstFile\":" + std::to_string(g.firstFile) +
           ",\"fileCount\":" + std::to_string(g.fileCount) + ",\"totalDurationMs\":" +
           std::to_string(g.totalDurationMs) + ",\"totalSize\":" + std::to_string(g.totalSize) +
           ",\"lockFlags\":" + std::to_string(g.lockFlags) + "}";
}

// The parser's fields under the names `tavrel-cli probe` uses.
std::string FileJson(const RecordingFile& f)
{
    return "{\"name\":" + JsonString(f.name) + ",\"root\":" + JsonString(f.root) +
           ",\"subfolder\":" + JsonString(f.subfolder) + ",\"lockFlags\":" + std::to_string(f.lockFlags) +
           ",\"groupStart\":" + std::to_string(f.groupStart) + "," + VideoFileInfoFields(f.info) + "}";
}

template <class T, class ToJson>
std::string JsonArray(const std::vector<T>& items, ToJson toJson)
{
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i)
        out += (i ? "," : "") + toJson(items[i]);
    return out + "]";
}

void PrintJson(const CRecordingLibrary& library)
{
    std::printf("{\"groups\":%s,\"files\":%s}\n", JsonArray(library.Groups(), GroupJson).c_str(),
                JsonArray(library.Files(), FileJson).c_str());
}

} // namespace

int ScanCommand(const Arguments& args)
{
    const std::optional<PathArgument> parsed = ParsePathArgument(args);
    if (!parsed) {
        std::fputs("usage: tavrel-cli scan PATH [--json]\n", stderr);
        return kExitUsage;
    }
    const std::string& path = parsed->path;
    const bool json = parsed->json;

    CTextGroupList groupList;
    CTextFileList fileList;
    CRecordingLibrary library;
    library.Attach({.groupList = &groupList, .fileList = &fileList});
    // A folder is scanned with the name rule; a file is taken on its own.
    std::error_code ec;
    const auto [folder, name] =
        std::filesystem::is_directory(path, ec) ? std::pair{path, std::string()} : SplitFilePath(path);
    if (!library.Load(folder, name)) {
        std::fprintf(stderr, "tavrel-cli: %s: no such file or folder\n", path.c_str());
        return kExitUsage;
    }
    if (json)
        PrintJson(library);
    else
        std::printf("%s%s\n%s%s", TitleLine(kGroupListTitleIds).c_str(), groupList.text.c_str(),
                    TitleLine(kFileListTitleIds).c_str(), fileList.text.c_str());
    return kExitOk;
}

#pragma once

#include "library/CCurveView.h"
#include "library/CFileListView.h"
#include "library/CFileOperationUi.h"
#include "library/CGroupListView.h"
#include "library/CInstrumentPanel.h"
#include "library/CMapView.h"
#include "library/CScanCounter.h"
#include "library/LibraryViews.h"

#include <deque>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

// Views that remember what the library asked of them.
namespace fakes {

struct GroupRow {
    int group;
    std::string resolution;
    std::uint64_t totalDurationMs;
    std::uint64_t totalSize;
    std::uint32_t lockFlags;
    std::int64_t startTime;
};

struct FileRow {
    int group;
    int indexInGroup;
    std::string folder;
    std::string name;
    std::uint32_t durationMs;
    std::uint64_t size;
    std::uint32_t lockFlags;
    std::int64_t startTime;
};

template <class Base>
class ListRows : public Base {
public:
    void DeleteAllRows() override
    {
        ++clears;
        highlighted.clear();
    }
    void SetHighlight(int row, bool on) override { on ? (void)highlighted.insert(row) : (void)highlighted.erase(row); }
    void EnsureVisible(int row) override { madeVisible.push_back(row); }

    int clears = 0;
    std::set<int> highlighted;
    std::vector<int> madeVisible;
};

class GroupList : public ListRows<CGroupListView> {
public:
    bool AddGroupRow(int group, const std::string& resolution, std::uint64_t totalDurationMs, std::uint64_t totalSize,
                     std::uint32_t lockFlags, std::int64_t startTime) override
    {
        rows.push_back({group, resolution, totalDurationMs, totalSize, lockFlags, startTime});
        return true;
    }
    bool IsChecked(int row) const override { return checked.count(row) != 0; }
    void DeleteAllRows() override
    {
        ListRows::DeleteAllRows();
        rows.clear();
    }

    std::vector<GroupRow> rows;
    std::set<int> checked;
};

class FileList : public ListRows<CFileListView> {
public:
    bool AddFileRow(int group, int indexInGroup, const std::string& folder, const std::string& name,
                    std::uint32_t durationMs, std::uint64_t size, std::uint32_t lockFlags, std::int64_t startTime) override
    {
        rows.push_back({group, indexInGroup, folder, name, durationMs, size, lockFlags, startTime});
        return true;
    }
    void DeleteAllRows() override
    {
        ListRows::DeleteAllRows();
        rows.clear();
    }

    std::vector<FileRow> rows;
};

class Curve : public CCurveView {
public:
    void ClearSamples() override { calls.push_back("ClearSamples"); }
    void AppendSamples(int count, const std::uint8_t*) override { calls.push_back("AppendSamples " + std::to_string(count)); }
    void RecalcWindow() override { calls.push_back("RecalcWindow"); }
    void SetSampleRate(double samplesPerMs) override
    {
        sampleRate = samplesPerMs;
        calls.push_back("SetSampleRate");
    }
    void SetTimeScale(double pixelsPerMs) override { calls.push_back("SetTimeScale " + std::to_string(pixelsPerMs)); }
    void SetWindowMode(int mode) override { calls.push_back("SetWindowMode " + std::to_string(mode)); }
    void SetStopped(bool stopped) override { calls.push_back(stopped ? "SetStopped 1" : "SetStopped 0"); }
    void SetPosition(int ms) override { calls.push_back("SetPosition " + std::to_string(ms)); }
    void Invalidate() override { calls.push_back("Invalidate"); }

    std::vector<std::string> calls;
    double sampleRate = 0;
};

class Map : public CMapView {
public:
    void RunScript(const std::string& script) override { scripts.push_back(script); }
    void MovePosition(double latitude, double longitude) override { moves.emplace_back(latitude, longitude); }

    std::vector<std::string> scripts;
    std::vector<std::pair<double, double>> moves;
};

class Instruments : public CInstrumentPanel {
public:
    void SetHeading(int degrees) override { calls.push_back("heading " + std::to_string(degrees)); }
    void SetImageIndex(int index) override { calls.push_back("image " + std::to_string(index)); }
    void SetSpeed(bool valid, unsigned kmh) override
    {
        calls.push_back("speed " + std::string(valid ? "valid " : "none ") + std::to_string(kmh));
    }
    void ShowProgressBoard(bool shown) override { calls.push_back(shown ? "board shown" : "board hidden"); }
    void SetProgress(int percent) override { calls.push_back("progress " + std::to_string(percent)); }

    std::vector<std::string> calls;
};

class ScanCounter : public CScanCounter {
public:
    void ShowCount(int count) override { counts.push_back(count); }

    std::vector<int> counts;
};

struct Message {
    std::string caption;
    std::string text;
    CFileOperationUi::Icon icon;
};

class FileUi : public CFileOperationUi {
public:
    bool Confirm(const std::string& caption, const std::string& question) override
    {
        questions.push_back({caption, question, Icon::None});
        if (answers.empty())
            return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::optional<std::string> ChooseFolder(const std::string& title) override
    {
        folderTitles.push_back(title);
        return folder;
    }
    void ShowMessage(const std::string& caption, const std::string& text, Icon icon) override
    {
        messages.push_back({caption, text, icon});
    }

    std::deque<bool> answers;  // OK when none are left
    std::optional<std::string> folder;
    std::vector<Message> questions;
    std::vector<std::string> folderTitles;
    std::vector<Message> messages;
};

// One of each, wired into a LibraryViews.
struct AllViews {
    GroupList groupList;
    FileList fileList;
    Curve curve;
    Map map;
    Instruments instruments;
    ScanCounter scanCounter;
    FileUi ui;

    LibraryViews Views()
    {
        return {&groupList, &fileList, &curve, &map, &instruments, &scanCounter, &ui};
    }
};

} // namespace fakes

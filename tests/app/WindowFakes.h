#pragma once

#include "../playback/PlaybackFakes.h"
#include "app/IPlayerPair.h"
#include "app/IWindowDialogs.h"

#include <string>
#include <vector>

// The two players as recording stand-ins; paused is what a real player is
// after Pause and at its start: usable and not playing.
class FakePlayerPair final : public IPlayerPair {
public:
    explicit FakePlayerPair(Journal& journal) : primary("primary", journal), partner("partner", journal) {}

    FakePlayer primary;
    FakePlayer partner;
    std::vector<std::string> snapshots;
    bool destroyed = false;

    IMediaPlayer& Primary() override { return primary; }
    IMediaPlayer& Partner() override { return partner; }
    bool IsPrimaryPaused() const override { return primary.usable && !primary.playing; }
    bool IsPartnerPaused() const override { return partner.usable && !partner.playing; }
    void TakeSnapshot(const std::string& utf8Path) override
    {
        if (primary.usable)
            snapshots.push_back(utf8Path);
    }
    void Destroy() override { destroyed = true; }
};

struct ShownMessage {
    std::string caption;
    std::string text;
    bool exclamation = false;
};

// Answers every question as the test scripted it and remembers what was shown.
class FakeDialogs final : public IWindowDialogs {
public:
    bool confirmAnswer = true;
    std::optional<std::string> folderAnswer;
    std::optional<MediaSource> mediaSourceAnswer;
    std::optional<int> configurationAnswer;
    std::optional<std::string> snapshotAnswer;
    std::vector<ShownMessage> messages;
    int aboutBoxes = 0;
    // What the primary player was doing while the snapshot dialog was open.
    std::function<void()> whileSnapshotDialogOpen;

    bool Confirm(const std::string&, const std::string&) override { return confirmAnswer; }
    std::optional<std::string> ChooseFolder(const std::string&) override { return folderAnswer; }
    void ShowMessage(const std::string& caption, const std::string& text, Icon icon) override
    {
        messages.push_back({caption, text, icon == Icon::Exclamation});
    }
    std::optional<MediaSource> ChooseMediaSource() override { return mediaSourceAnswer; }
    std::optional<int> RunConfiguration() override { return configurationAnswer; }
    std::optional<std::string> ChooseSnapshotPath() override
    {
        if (whileSnapshotDialogOpen)
            whileSnapshotDialogOpen();
        return snapshotAnswer;
    }
    void ShowAbout() override { ++aboutBoxes; }
};

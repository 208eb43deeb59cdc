#pragma once

#include "app/IWindowDialogs.h"

class CIniSettings;
class QWidget;

// The main window's questions as real modal dialogs and message boxes, in
// the user's language.
class CModalWindowDialogs final : public IWindowDialogs {
public:
    CModalWindowDialogs(QWidget& owner, CIniSettings& settings) : m_owner(owner), m_settings(settings) {}

    bool Confirm(const std::string& caption, const std::string& question) override;
    std::optional<std::string> ChooseFolder(const std::string& title) override;
    void ShowMessage(const std::string& caption, const std::string& text, Icon icon) override;

    std::optional<MediaSource> ChooseMediaSource() override;
    std::optional<int> RunConfiguration() override;
    std::optional<std::string> ChooseSnapshotPath() override;
    void ShowAbout() override;

private:
    QWidget& m_owner;
    CIniSettings& m_settings;
};

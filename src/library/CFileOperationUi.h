#pragma once

#include <optional>
#include <string>

// The questions and messages of the file operations. The window answers with
// message boxes and the folder picker; tests answer with fakes.
class CFileOperationUi {
public:
    enum class Icon { None, Exclamation };

    virtual ~CFileOperationUi() = default;

    // An OK/Cancel question; true for OK.
    virtual bool Confirm(const std::string& caption, const std::string& question) = 0;
    // The folder picker; empty when the user cancels.
    virtual std::optional<std::string> ChooseFolder(const std::string& title) = 0;
    // A message with an OK button.
    virtual void ShowMessage(const std::string& caption, const std::string& text, Icon icon = Icon::None) = 0;
};

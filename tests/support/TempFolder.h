#pragma once

#include <string>

namespace fixtures {

// A fresh folder below the system's temporary folder, removed with its
// content when the object goes (write permission is restored first, so that
// read-only fixtures do not survive the test).
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    // Path() + '/' + relative
    std::string operator/(const std::string& relative) const { return path_ + '/' + relative; }

private:
    std::string path_;
};

} // namespace fixtures

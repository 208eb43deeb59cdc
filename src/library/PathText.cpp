#include "library/PathText.h"

std::string JoinPath(const std::string& folder, const std::string& name)
{
    if (folder.empty() || folder.back() == '/')
        return folder + name;
    return folder + '/' + name;
}

std::pair<std::string, std::string> SplitFilePath(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return {".", path};
    // The root folder keeps its separator: "/x.MOV" lies in "/".
    return {path.substr(0, slash == 0 ? 1 : slash), path.substr(slash + 1)};
}

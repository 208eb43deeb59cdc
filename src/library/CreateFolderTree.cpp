#include "library/CreateFolderTree.h"

#include <sys/stat.h>

int CreateFolderTree(const std::string& path)
{
    std::string folder = path;
    if (folder.empty() || folder.back() != '/')
        folder += '/';

    // Every prefix that ends just before a separator is one level to create;
    // failures of the upper levels are expected (they usually exist already).
    int created = 0;
    for (std::size_t sep = folder.find('/', 1); sep != std::string::npos; sep = folder.find('/', sep + 1)) {
        if (folder[sep - 1] == '/')
            continue;
        created = ::mkdir(folder.substr(0, sep).c_str(), 0777) == 0 ? 1 : 0;
    }
    return created;
}

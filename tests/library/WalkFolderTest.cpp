#include "support/TempFolder.h"
#include "support/ByteWriter.h"

#include "library/CreateFolderTree.h"
#include "library/WalkFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace fixtures;

namespace {

std::vector<std::string> Visit(const std::string& root, WalkOutcome* outcome = nullptr)
{
    std::vector<std::string> seen;
    const WalkOutcome result = WalkFolder(root, [&](const WalkEntry& e) {
        seen.push_back(e.relativePath + e.name + (e.isFolder ? "/" : ""));
    });
    if (outcome)
        *outcome = result;
    return seen;
}

} // namespace

TEST(WalkFolder, DepthFirstSkippingHiddenEntries)
{
    TempFolder root;
    CreateFolderTree(root / "A/B");
    CreateFolderTree(root / ".H/I");
    WriteFile(root / "A/B/file.MOV", {1});
    WriteFile(root / "A/z.MOV", {1});
    WriteFile(root / ".H/I/x.MOV", {1});
    WriteFile(root / ".hidden.MOV", {1});
    WriteFile(root / "top.MOV", {1, 2, 3});

    WalkOutcome outcome{};
    const std::vector<std::string> expected = {"A/", "A/B/", "A/B/file.MOV", "A/z.MOV", "top.MOV"};
    EXPECT_EQ(Visit(root.Path(), &outcome), expected);
    EXPECT_EQ(outcome, WalkOutcome::Completed);
    // A root given with its trailing separator walks the same.
    EXPECT_EQ(Visit(root.Path() + "/"), expected);
}

TEST(WalkFolder, ReportsWhatItKnowsOfEachFile)
{
    TempFolder root;
    WriteFile(root / "ro.MOV", {1, 2, 3});
    std::filesystem::permissions(root / "ro.MOV", std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
    bool readOnly = false;
    std::uint64_t size = 0;
    std::string seenRoot;
    WalkFolder(root.Path(), [&](const WalkEntry& e) {
        readOnly = e.data.readOnly;
        size = e.data.size;
        seenRoot = e.root;
    });
    EXPECT_TRUE(readOnly);
    EXPECT_EQ(size, 3u);
    EXPECT_EQ(seenRoot, root.Path() + "/");
}

TEST(WalkFolder, MissingFolderAndDeepTrees)
{
    TempFolder root;
    WalkOutcome outcome{};
    EXPECT_TRUE(Visit(root / "missing", &outcome).empty());
    EXPECT_EQ(outcome, WalkOutcome::FolderMissing);

    // Deeper than the walk goes: it ends, visiting the levels it can.
    std::string deep = root.Path();
    for (int i = 0; i < 45; ++i)
        deep += "/d";
    CreateFolderTree(deep);
    WriteFile(deep + "/f.MOV", {1});
    const std::vector<std::string> seen = Visit(root.Path(), &outcome);
    EXPECT_EQ(outcome, WalkOutcome::Completed);
    EXPECT_EQ(seen.size(), 40u);
}

TEST(CreateFolderTree, CreatesMissingParentsOnce)
{
    TempFolder root;
    std::filesystem::create_directory(root / "A");
    EXPECT_NE(CreateFolderTree(root / "A/B/C"), 0);
    EXPECT_TRUE(std::filesystem::is_directory(root / "A/B/C"));
    EXPECT_EQ(CreateFolderTree(root / "A/B/C/"), 0);
    WriteFile(root / "file", {1});
    EXPECT_EQ(CreateFolderTree(root / "file/sub"), 0);
}

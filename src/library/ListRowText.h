#pragma once

#include <array>
#include <cstdint>
#include <string>

// The column texts of the group list and the file list, kept in the core so
// that the command line prints exactly what the lists show.

// String IDs of the column titles, in column order.
inline constexpr std::array<unsigned, 5> kGroupListTitleIds = {116, 117, 118, 119, 120};
inline constexpr std::array<unsigned, 6> kFileListTitleIds = {121, 122, 118, 123, 120, 124};

using GroupRowText = std::array<std::string, kGroupListTitleIds.size()>;
using FileRowText = std::array<std::string, kFileListTitleIds.size()>;

// Group, Resolution, Start Time, Length, File Size.
GroupRowText FormatGroupRow(int group, const std::string& resolution, std::uint64_t totalDurationMs,
                            std::uint64_t totalSize, std::int64_t startTime);

// ID, File Name, Start Time, End Time, File Size, Folder.
FileRowText FormatFileRow(int group, int indexInGroup, const std::string& folder, const std::string& name,
                          std::uint32_t durationMs, std::uint64_t size, std::int64_t startTime);

// The lock image as text: "-", "G", "M" or "GM".
std::string LockFlagsText(std::uint32_t lockFlags);

#pragma once

#include <QIcon>

#include <array>

inline constexpr int kLockImageSize = 24;

// The four lock images of the lists, cut from the lock strip: none, G lock,
// M lock, both. The index is a recording's or a group's lock flags.
std::array<QIcon, 4> LoadLockImages();

#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// A mounted volume as the system reports it.
struct VolumeRecord {
    QString mountPoint;
    QString label;
    QByteArray fileSystemType;
    // The volume lives on another machine (a "host:/path" or "//host/share" device).
    bool isNetwork = false;
};

// One entry of the media source dialog's disk choice.
struct VolumeEntry {
    // "mount point    [label]", or the mount point alone for an unlabelled volume.
    QString text;
    QString mountPoint;
};

// The volumes a recording card can be on: network volumes are left out
// (scanning one would block the window for minutes), and so are memory and
// package-image file systems and records without a mount point or a known
// file system. The system's volumes come first, then those below /media,
// /run/media and /mnt, each group sorted by mount point; the last entry is
// the one the dialog offers.
std::vector<VolumeEntry> ListVolumes(std::vector<VolumeRecord> records);

// The ready, mounted volumes whose mount point is a folder (files mounted
// over files, as containers do, are not disks).
std::vector<VolumeRecord> MountedVolumeRecords();

#include "browser/VolumeList.h"

#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace {

bool IsOneOf(const QByteArray& type, std::initializer_list<const char*> names)
{
    return std::any_of(names.begin(), names.end(), [&](const char* name) { return type == name; });
}

// File systems that reach another machine, whatever their device reads. 9p
// is not one of them: Windows drives, card readers included, reach a Linux
// beside them that way.
bool IsNetworkFileSystem(const QByteArray& type)
{
    return IsOneOf(type, {"nfs", "nfs4", "cifs", "smb3", "smbfs", "ncpfs", "afs", "ceph", "glusterfs", "davfs",
                          "fuse.sshfs"});
}

// Memory file systems (/run, /tmp) and read-only images (snap packages) are
// the system's plumbing, never a card; listing them would bury the disks.
bool IsSystemFileSystem(const QByteArray& type)
{
    return IsOneOf(type, {"tmpfs", "ramfs", "devtmpfs", "squashfs"});
}

// Where the system mounts disks that are put in: a card reader's volume
// lands below one of these.
bool IsMediaMountPoint(const QString& mountPoint)
{
    return mountPoint.startsWith(QStringLiteral("/media/")) || mountPoint.startsWith(QStringLiteral("/run/media/")) ||
           mountPoint.startsWith(QStringLiteral("/mnt/"));
}

bool IsListed(const VolumeRecord& record)
{
    return !record.isNetwork && !record.mountPoint.isEmpty() && !record.fileSystemType.isEmpty() &&
           !IsNetworkFileSystem(record.fileSystemType) && !IsSystemFileSystem(record.fileSystemType);
}

bool IsRemoteDevice(const QByteArray& device)
{
    return device.startsWith("//") || (device.contains(":/") && !device.startsWith('/'));
}

} // namespace

std::vector<VolumeEntry> ListVolumes(std::vector<VolumeRecord> records)
{
    std::erase_if(records, [](const VolumeRecord& record) { return !IsListed(record); });
    // The system's own volumes first, then the media ones, each by mount
    // point, so that the last entry, the one offered, is a card that was put
    // in rather than /var or /srv.
    std::sort(records.begin(), records.end(), [](const VolumeRecord& a, const VolumeRecord& b) {
        return std::pair(IsMediaMountPoint(a.mountPoint), a.mountPoint) <
               std::pair(IsMediaMountPoint(b.mountPoint), b.mountPoint);
    });
    std::vector<VolumeEntry> entries;
    for (const VolumeRecord& record : records) {
        const QString text = record.label.isEmpty()
                                 ? record.mountPoint
                                 : record.mountPoint + QStringLiteral("    [") + record.label + ']';
        entries.push_back({text, record.mountPoint});
    }
    return entries;
}

std::vector<VolumeRecord> MountedVolumeRecords()
{
    std::vector<VolumeRecord> records;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady() || !QFileInfo(volume.rootPath()).isDir())
            continue;
        records.push_back({volume.rootPath(), volume.name(), volume.fileSystemType(), IsRemoteDevice(volume.device())});
    }
    return records;
}

#include "app/CLibraryPlayback.h"

#include "library/CRecordingLibrary.h"

int CLibraryPlayback::FileCount() const
{
    return static_cast<int>(m_library.Files().size());
}

int CLibraryPlayback::CurrentFile() const
{
    return m_library.CurrentFile();
}

int CLibraryPlayback::SelectFile(int index)
{
    return m_library.SelectFile(index);
}

int CLibraryPlayback::SelectGroup(int group)
{
    return m_library.SelectGroup(group);
}

int CLibraryPlayback::OpenTelemetry(int index)
{
    return m_library.OpenTelemetry(index);
}

std::string CLibraryPlayback::FilePath(int index) const
{
    return m_library.FilePath(index);
}

int CLibraryPlayback::UpdateTelemetry(std::int64_t ms, bool curveShown, bool mapShown)
{
    return m_library.UpdateTelemetry(ms, curveShown, mapShown);
}

int CLibraryPlayback::DrawDrivenRoute(std::int64_t ms)
{
    return m_library.DrawDrivenRoute(ms);
}

int CLibraryPlayback::CurrentPictureSize(int& width, int& height)
{
    return m_library.CurrentPictureSize(&width, &height);
}

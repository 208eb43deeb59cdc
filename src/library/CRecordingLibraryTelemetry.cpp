#include "library/CRecordingLibrary.h"

#include "library/CCurveView.h"
#include "library/CInstrumentPanel.h"
#include "library/CMapView.h"
#include "library/GpsTrack.h"
#include "library/TextFormat.h"
#include "media/GSensorSample.h"
#include "media/RecordingReader.h"
#include "media/TelemetryPayload.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// The curve control's fixed look: 0.01 pixels per millisecond, window mode 2.
constexpr double kCurveTimeScale = 0.01;
constexpr int kCurveWindowMode = 2;

bool CanOpen(const std::string& path)
{
    RecordingReader file;
    return file.Open(path);
}

} // namespace

int CRecordingLibrary::OpenTelemetry(int index)
{
    if (!IsFileIndex(index))
        return 0;
    if (views.map) {
        views.map->RunScript("pathdrived_delete()");
        views.map->RunScript("path_delete()");
    }
    gpsData.clear();
    gsensorData.clear();
    currentFile = index;
    // Record numbers of the previous recording mean nothing in this one.
    shown = ShownRecord{};
    const std::string path = CurrentFilePath();
    if (!CanOpen(path))
        return 0;
    if (views.curve)
        views.curve->ClearSamples();

    // A payload that does not lie wholly inside the file (a recording cut
    // short) is left empty rather than shown as meaningless records.
    const VideoFileInfo& info = files[static_cast<std::size_t>(index)].info;
    ReadPayload(path, info.gsensorOffset, info.gsensorSize, gsensorData);
    ShowGSensorSamples(info);
    ReadPayload(path, info.gpsOffset, info.gpsSize, gpsData);
    gpsRatePerSecond = GpsRecordsPerSecond(info);
    DrawPlannedRoute();
    return 1;
}

void CRecordingLibrary::ShowGSensorSamples(const VideoFileInfo& info)
{
    const std::size_t count = gsensorData.size() / GSensorSample::kSize;
    if (!views.curve || count == 0)
        return;
    CCurveView& curve = *views.curve;
    curve.ClearSamples();
    curve.AppendSamples(static_cast<int>(std::min<std::size_t>(count, INT_MAX)), gsensorData.data());
    curve.RecalcWindow();
    curve.SetSampleRate(GSensorSamplesPerSecond(info) / 1000);
    curve.RecalcWindow();
    curve.SetTimeScale(kCurveTimeScale);
    curve.RecalcWindow();
    curve.SetWindowMode(kCurveWindowMode);
}

// The planned route was cleared when the telemetry was opened.
void CRecordingLibrary::DrawPlannedRoute() { PlotRoute("path_plot(", SIZE_MAX); }

int CRecordingLibrary::DrawDrivenRoute(std::int64_t ms)
{
    if (views.map)
        views.map->RunScript("pathdrived_delete()");
    const std::int64_t last = std::max<std::int64_t>(GpsRecordAt(ms), 0);
    PlotRoute("pathdrived_plot(", static_cast<std::size_t>(last));
    return 1;
}

void CRecordingLibrary::PlotRoute(const char* plotCall, std::size_t recordLimit)
{
    if (!views.map)
        return;
    GpsTrack(gpsData).ForEachTrackPoint(
        [&](std::size_t, const GpsSample& s) {
            script = plotCall;
            AppendFixed(script, s.LatitudeDegrees(), 6);
            script += ',';
            AppendFixed(script, s.LongitudeDegrees(), 6);
            script += ')';
            views.map->RunScript(script);
        },
        recordLimit);
}

int CRecordingLibrary::UpdateTelemetry(std::int64_t ms, bool curveShown, bool mapShown)
{
    if (curveShown && views.curve && !gsensorData.empty()) {
        views.curve->SetStopped(false);
        views.curve->Invalidate();
        views.curve->SetPosition(static_cast<int>(std::clamp<std::int64_t>(ms, INT_MIN, INT_MAX)));
    }
    if (gpsData.size() < GpsSample::kSize) {
        ShowNoGpsFix();
        return 0;
    }
    const std::int64_t index = GpsRecordAt(ms);
    // Record 0 is always shown again: after a stop the window resets the
    // instruments and playing resumes at time 0.
    if (index != 0 && index == shown.index && mapShown == shown.mapShown)
        return shown.result;
    shown = {index, mapShown, ShowGpsRecord(index, mapShown)};
    return shown.result;
}

std::int64_t CRecordingLibrary::GpsRecordAt(std::int64_t ms) const
{
    return static_cast<std::int64_t>(std::trunc(static_cast<double>(ms) * gpsRatePerSecond / 1000));
}

int CRecordingLibrary::ShowGpsRecord(std::int64_t index, bool mapShown)
{
    const GpsTrack track(gpsData);
    if (index < 0 || static_cast<std::uint64_t>(index) >= track.Count()) {
        ShowNoGpsFix();
        return 0;
    }
    const GpsSample s = track.At(static_cast<std::size_t>(index));
    if (!s.HasFix()) {
        ShowNoGpsFix();
        return 0;
    }
    // Speed and heading of a fix are shown even when its position is unusable.
    if (views.instruments) {
        views.instruments->SetHeading(s.HeadingDegrees());
        views.instruments->SetSpeed(true, s.speed);
    }
    if (!HasMapCoordinates(s))
        return 0;
    if (mapShown && views.map)
        views.map->MovePosition(s.latitude / 100, s.longitude / 100);
    return 1;
}

void CRecordingLibrary::ShowNoGpsFix()
{
    if (views.instruments) {
        views.instruments->SetImageIndex(0);
        views.instruments->SetSpeed(false, 0);
    }
}

int CRecordingLibrary::CurrentPictureSize(int* width, int* height)
{
    if (files.empty())
        return 0;
    currentFile = std::min(currentFile, static_cast<int>(files.size()) - 1);
    if (currentFile < 0)
        return 0;
    const VideoFileInfo& info = files[static_cast<std::size_t>(currentFile)].info;
    if (width)
        *width = info.width;
    if (height)
        *height = info.height;
    return 1;
}

#pragma once

#include "media/GpsSample.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>

// Coordinates the map can take: the camera's range test passed, and numbers
// at all (a damaged record may hold NaN or infinity, which the range test
// lets through when negative).
inline bool HasMapCoordinates(const GpsSample& s)
{
    return s.CoordinatesInRange() && std::isfinite(s.latitude) && std::isfinite(s.longitude);
}

// A record that becomes a point of the route and of the exported tracks.
inline bool IsTrackPoint(const GpsSample& s) { return s.HasFix() && HasMapCoordinates(s); }

// The GPS payload of a recording as stored: whole 32-byte records in time
// order, decoded on access so the payload is never copied.
class GpsTrack {
public:
    explicit GpsTrack(std::span<const std::uint8_t> payload) : payload_(payload) {}

    std::size_t Count() const { return payload_.size() / GpsSample::kSize; }
    GpsSample At(std::size_t index) const { return GpsSample::Decode(payload_.data() + index * GpsSample::kSize); }

    // Calls visit(index, sample) for each track point among the first `limit` records.
    template <class Visitor>
    void ForEachTrackPoint(Visitor&& visit, std::size_t limit = SIZE_MAX) const
    {
        const std::size_t end = limit < Count() ? limit : Count();
        for (std::size_t i = 0; i < end; ++i) {
            const GpsSample s = At(i);
            if (IsTrackPoint(s))
                visit(i, s);
        }
    }

private:
    std::span<const std::uint8_t> payload_;
};

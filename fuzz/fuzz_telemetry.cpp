#include "media/GSensorSample.h"
#include "media/GpsSample.h"
#include "media/LocalTime.h"

#include <cmath>
#include <cstdlib>

// Decodes every GPS record and G-sensor sample of the input, as the player
// does when a recording opens, and uses each value the way the displays do.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    for (std::size_t i = 0; i + GpsSample::kSize <= size; i += GpsSample::kSize) {
        const GpsSample s = GpsSample::Decode(data + i);
        if (s.IsUsablePosition() && !std::isfinite(s.LatitudeDegrees()) && std::isfinite(s.latitude))
            std::abort();
        if (s.HasValidDate())
            (void)LocalTimeToEpoch({2000 + s.year, s.month, s.day, s.hour, s.minute, s.second});
        if (s.HeadingDegrees() > 510 || s.SpeedMph() > 65535)
            std::abort();
    }
    for (std::size_t i = 0; i + GSensorSample::kSize <= size; i += GSensorSample::kSize) {
        const GSensorSample g = GSensorSample::Decode(data + i);
        if (std::fabs(GSensorSample::ToG(g.x)) > 2.0)
            std::abort();
    }
    return 0;
}

#include "DemoDrive.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <stdexcept>

namespace demo {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kGravity = 9.81;          // m/s^2
constexpr double kMetresPerDegree = 111320;  // along a meridian

struct LatLon {
    double latitude;   // decimal degrees
    double longitude;
};

struct SpeedPoint {
    double second;  // since the start of the drive
    double kmh;
};

struct Interval {
    double from;
    double to;
};

} // namespace

struct Trip {
    int number;
    std::vector<LatLon> road;        // the way driven, from its start
    std::vector<SpeedPoint> speed;   // linear between the points, first at 0 s
    double altitude;                 // metres above sea level near the start
    std::vector<Interval> withoutFix;  // seconds of the drive with no satellites
};

namespace {

// Eastwards on Strasse des 17. Juni in Berlin, from the Charlottenburger Tor
// round the Grosser Stern (driven counter-clockwise, half a turn) towards the
// Brandenburger Tor. An emergency stop at 93 s, slow through the roundabout.
const Trip kTrip1 = {
    1,
    {{52.51290, 13.32700}, {52.51370, 13.33620}, {52.51445, 13.34700}, {52.51450, 13.34903},
     {52.51405, 13.34935}, {52.51385, 13.35010}, {52.51405, 13.35085}, {52.51450, 13.35117},
     {52.51500, 13.35500}, {52.51620, 13.37150}, {52.51630, 13.37600}},
    {{0, 0}, {3, 0}, {13, 45}, {25, 52}, {50, 50}, {70, 55},
     {93, 54}, {93.3, 49}, {94.7, 2}, {95, 0},  // about 1 g, the most the tyres give
     {101, 0}, {111, 42}, {121, 48}, {126, 28}, {156, 28}, {166, 48}, {180, 52}, {240, 50}},
    34,
    {},
};

// South-west on Potsdamer Strasse from the Potsdamer Platz, over the
// Landwehrkanal, with two red lights and ten seconds without a fix.
const Trip kTrip2 = {
    2,
    {{52.50950, 13.37600}, {52.50800, 13.37300}, {52.50660, 13.37120}, {52.50470, 13.36840},
     {52.50160, 13.36400}, {52.49770, 13.36200}, {52.49550, 13.35930}, {52.49060, 13.35600}},
    {{0, 0}, {4, 0}, {14, 40}, {30, 45}, {45, 38}, {52, 0}, {75, 0}, {85, 40}, {105, 46}, {125, 44},
     {150, 48}, {160, 20}, {165, 0}, {171, 0}, {180, 30}, {240, 40}},
    37,
    {{80, 90}},
};

double SpeedAt(const Trip& trip, double t)
{
    const auto& keys = trip.speed;
    if (t <= keys.front().second)
        return keys.front().kmh;
    for (std::size_t i = 1; i < keys.size(); ++i) {
        if (t <= keys[i].second) {
            const SpeedPoint& a = keys[i - 1];
            const SpeedPoint& b = keys[i];
            return a.kmh + (b.kmh - a.kmh) * (t - a.second) / (b.second - a.second);
        }
    }
    return keys.back().kmh;
}

// Metres driven after t seconds: the exact integral of the linear profile,
// so that the positions agree with the speeds the records show.
double DistanceAt(const Trip& trip, double t)
{
    const auto& keys = trip.speed;
    double metres = 0;
    for (std::size_t i = 1; i < keys.size() && t > keys[i - 1].second; ++i) {
        const double from = keys[i - 1].second;
        const double to = std::min(t, keys[i].second);
        metres += (SpeedAt(trip, from) + SpeedAt(trip, to)) / 2 * (to - from) / 3.6;
    }
    if (t > keys.back().second)
        metres += keys.back().kmh * (t - keys.back().second) / 3.6;
    return metres;
}

// The road as a polyline in metres east and north of its first point. A few
// kilometres are flat enough for an equirectangular projection.
class RoadShape {
public:
    explicit RoadShape(const std::vector<LatLon>& road)
        : origin_(road.front()), metresPerDegreeEast_(kMetresPerDegree * std::cos(origin_.latitude * kPi / 180))
    {
        double along = 0;
        for (std::size_t i = 0; i < road.size(); ++i) {
            const Point p = {(road[i].longitude - origin_.longitude) * metresPerDegreeEast_,
                             (road[i].latitude - origin_.latitude) * kMetresPerDegree};
            if (i > 0)
                along += std::hypot(p.east - points_.back().east, p.north - points_.back().north);
            points_.push_back(p);
            along_.push_back(along);
        }
    }

    double Length() const { return along_.back(); }

    LatLon PositionAt(double metres) const
    {
        const Point p = PointAt(metres);
        return {origin_.latitude + p.north / kMetresPerDegree, origin_.longitude + p.east / metresPerDegreeEast_};
    }

    // Degrees clockwise from north. Taken over 40 m of road so that the
    // corners of the polyline turn like a car does, not in one step.
    double HeadingAt(double metres) const
    {
        const Point a = PointAt(metres - 20);
        const Point b = PointAt(metres + 20);
        const double degrees = std::atan2(b.east - a.east, b.north - a.north) * 180 / kPi;
        return degrees < 0 ? degrees + 360 : degrees;
    }

private:
    struct Point {
        double east;
        double north;
    };

    Point PointAt(double metres) const
    {
        metres = std::clamp(metres, 0.0, Length());
        const auto next = std::upper_bound(along_.begin(), along_.end(), metres);
        if (next == along_.end())
            return points_.back();
        const std::size_t i = static_cast<std::size_t>(next - along_.begin());
        const double f = (metres - along_[i - 1]) / (along_[i] - along_[i - 1]);
        return {points_[i - 1].east + f * (points_[i].east - points_[i - 1].east),
                points_[i - 1].north + f * (points_[i].north - points_[i - 1].north)};
    }

    LatLon origin_;
    double metresPerDegreeEast_;
    std::vector<Point> points_;
    std::vector<double> along_;
};

// Decimal degrees to the receiver's degrees-and-minutes form.
double ToDegreesMinutes(double degrees)
{
    const double whole = std::trunc(degrees);
    return whole * 100 + (degrees - whole) * 60;
}

// Sensor noise that depends only on the drive, the sample and the axis, so
// that a recording gets the same values however the drive is cut into files.
int Jitter(int trip, long long sample, int axis, int amplitude)
{
    std::uint64_t z = (static_cast<std::uint64_t>(trip) * 0x9E3779B97F4A7C15ull) ^
                      (static_cast<std::uint64_t>(sample) * 4 + static_cast<std::uint64_t>(axis));
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<int>(z % static_cast<std::uint64_t>(2 * amplitude + 1)) - amplitude;
}

std::int8_t SensorValue(double gUnits)
{
    return static_cast<std::int8_t>(std::clamp(std::lround(gUnits), -127L, 127L));
}

bool WithoutFix(const Trip& trip, double t)
{
    return std::any_of(trip.withoutFix.begin(), trip.withoutFix.end(),
                       [t](const Interval& i) { return t >= i.from && t < i.to; });
}

GpsSample Record(const Trip& trip, const RoadShape& road, double t, const WallClock& time)
{
    GpsSample s;  // all zero: what the receiver writes while it has no fix
    if (WithoutFix(trip, t))
        return s;
    const double metres = DistanceAt(trip, t);
    const LatLon at = road.PositionAt(metres);
    s.latitude = ToDegreesMinutes(at.latitude);
    s.longitude = ToDegreesMinutes(at.longitude);
    s.altitude = static_cast<std::int32_t>(std::lround(trip.altitude + 2.5 * std::sin(metres / 300)));
    s.speed = static_cast<std::uint16_t>(std::lround(SpeedAt(trip, t)));
    s.heading = static_cast<std::uint8_t>(std::lround(road.HeadingAt(metres) / 2) % 180);
    s.year = static_cast<std::uint8_t>(time.year - 2000);
    s.month = static_cast<std::uint8_t>(time.month);
    s.day = static_cast<std::uint8_t>(time.day);
    s.hour = static_cast<std::uint8_t>(time.hour);
    s.minute = static_cast<std::uint8_t>(time.minute);
    s.second = static_cast<std::uint8_t>(time.second);
    s.flags = GpsSample::kFixFlag;
    return s;
}

// Lateral (positive when turning right), longitudinal (positive when
// speeding up) and vertical (gravity) acceleration, in 1/90 g.
GSensorSample Acceleration(const Trip& trip, const RoadShape& road, double t, long long sample)
{
    // Differences over a tenth of a second, as the sensor's own filter smooths.
    const double h = 0.05;
    const double along = (SpeedAt(trip, t + h) - SpeedAt(trip, t - h)) / 3.6 / (2 * h);
    double turn = road.HeadingAt(DistanceAt(trip, t + h)) - road.HeadingAt(DistanceAt(trip, t - h));
    turn = std::remainder(turn, 360.0) * kPi / 180 / (2 * h);
    const double across = SpeedAt(trip, t) / 3.6 * turn;
    // The engine shakes a little; the road more the faster the car goes.
    const int bumps = 1 + static_cast<int>(SpeedAt(trip, t) / 20);
    const double unitsPerMs2 = GSensorSample::kUnitsPerG / kGravity;
    return {SensorValue(across * unitsPerMs2 + Jitter(trip.number, sample, 0, 1)),
            SensorValue(along * unitsPerMs2 + Jitter(trip.number, sample, 1, 1)),
            SensorValue(GSensorSample::kUnitsPerG + Jitter(trip.number, sample, 2, bumps))};
}

using Clock = std::chrono::sys_seconds;

Clock ToClock(const WallClock& c)
{
    using namespace std::chrono;
    const sys_days date = year_month_day{year{c.year}, month{static_cast<unsigned>(c.month)},
                                         day{static_cast<unsigned>(c.day)}};
    return date + hours{c.hour} + minutes{c.minute} + seconds{c.second};
}

WallClock FromClock(Clock t)
{
    using namespace std::chrono;
    const sys_days date = floor<days>(t);
    const year_month_day ymd{date};
    const hh_mm_ss time{t - date};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day())), static_cast<int>(time.hours().count()),
            static_cast<int>(time.minutes().count()), static_cast<int>(time.seconds().count())};
}

void DescribeLostFix(const std::vector<GpsSample>& gps, int perSecond, const WallClock& start,
                     std::vector<std::string>& events)
{
    for (std::size_t i = 0; i < gps.size();) {
        if (gps[i].HasFix()) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < gps.size() && !gps[end].HasFix())
            ++end;
        const auto at = [&](std::size_t record) {
            return FormatTimeOfDay(AddSeconds(start, static_cast<long long>(record) / perSecond));
        };
        events.push_back("no GPS fix from " + at(i) + " to " + at(end));
        i = end;
    }
}

void DescribeHardBraking(const std::vector<GSensorSample>& gsensor, int perSecond, const WallClock& start,
                         std::vector<std::string>& events)
{
    const auto hardest = std::min_element(gsensor.begin(), gsensor.end(),
                                          [](const GSensorSample& a, const GSensorSample& b) { return a.y < b.y; });
    // Half a g is well beyond ordinary braking.
    if (hardest == gsensor.end() || GSensorSample::ToG(hardest->y) > -0.5)
        return;
    const auto first = std::find_if(gsensor.begin(), gsensor.end(),
                                    [](const GSensorSample& s) { return GSensorSample::ToG(s.y) <= -0.5; });
    char g[16];
    std::snprintf(g, sizeof g, "%.2f", GSensorSample::ToG(hardest->y));
    events.push_back("hard braking at " +
                     FormatTimeOfDay(AddSeconds(start, (first - gsensor.begin()) / perSecond)) + " (" + g + " g)");
}

} // namespace

WallClock ParseWallClock(const std::string& text)
{
    WallClock c;
    char extra = 0;
    const int fields = std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &c.year, &c.month, &c.day, &c.hour,
                                   &c.minute, &c.second, &extra);
    const bool dateOk = fields == 6 && text.size() == 19 &&
                        std::chrono::year_month_day{std::chrono::year{c.year},
                                                    std::chrono::month{static_cast<unsigned>(c.month)},
                                                    std::chrono::day{static_cast<unsigned>(c.day)}}
                            .ok();
    // The records keep the year as an offset from 2000 in one byte, and 0
    // there means "no date".
    if (!dateOk || c.year <= 2000 || c.year > 2255 || c.hour > 23 || c.minute > 59 || c.second > 59)
        throw std::invalid_argument("not a date and time from 2001 to 2255 as YYYY-MM-DD HH:MM:SS: " + text);
    return c;
}

WallClock AddSeconds(const WallClock& clock, long long seconds)
{
    return FromClock(ToClock(clock) + std::chrono::seconds{seconds});
}

std::string FormatWallClock(const WallClock& c)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", c.year, c.month, c.day, c.hour, c.minute,
                  c.second);
    return text;
}

std::string FormatTimeOfDay(const WallClock& c)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", c.hour, c.minute, c.second);
    return text;
}

const Trip& TripNumber(int number)
{
    switch (number) {
    case 1: return kTrip1;
    case 2: return kTrip2;
    default: throw std::out_of_range("there is no drive " + std::to_string(number) + " (drives are 1 and 2)");
    }
}

TelemetryWindow SampleTrip(const Trip& trip, int fromSecond, int seconds, const WallClock& start, int gpsPerSecond,
                           int gsensorPerSecond)
{
    if (fromSecond < 0 || seconds <= 0 || gpsPerSecond <= 0 || gsensorPerSecond <= 0)
        throw std::invalid_argument("the window and the rates must be positive");
    const RoadShape road(trip.road);
    if (DistanceAt(trip, fromSecond + seconds) > road.Length())
        throw std::invalid_argument("drive " + std::to_string(trip.number) + " leaves its road before second " +
                                    std::to_string(fromSecond + seconds));

    TelemetryWindow window;
    for (int i = 0; i < seconds * gpsPerSecond; ++i) {
        const double t = fromSecond + static_cast<double>(i) / gpsPerSecond;
        window.gps.push_back(Record(trip, road, t, AddSeconds(start, i / gpsPerSecond)));
    }
    for (int j = 0; j < seconds * gsensorPerSecond; ++j) {
        const double t = fromSecond + static_cast<double>(j) / gsensorPerSecond;
        const long long sample = static_cast<long long>(fromSecond) * gsensorPerSecond + j;
        window.gsensor.push_back(Acceleration(trip, road, t, sample));
    }
    DescribeLostFix(window.gps, gpsPerSecond, start, window.events);
    DescribeHardBraking(window.gsensor, gsensorPerSecond, start, window.events);
    return window;
}

} // namespace demo

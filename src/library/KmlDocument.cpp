#include "library/KmlDocument.h"

#include "library/GpsTrack.h"
#include "library/TextFormat.h"
#include "library/TimeText.h"

namespace {

// Which recording the track is: its path below the scanned root and its start time.
std::string Description(const RecordingFile& file)
{
    return '"' + file.subfolder + '/' + file.name + '"' + LocalTimeText(file.info.startTime, " %Y/%m/%d %H:%M:%S");
}

void AppendPoint(std::string& out, const GpsSample& s)
{
    AppendFixed(out, s.LongitudeDegrees(), 6);
    out += ',';
    AppendFixed(out, s.LatitudeDegrees(), 6);
    out += ',';
    out += std::to_string(s.altitude);
    out += '\n';
}

} // namespace

std::string KmlDocument(const RecordingFile& file, std::span<const std::uint8_t> gpsPayload)
{
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n"
                      "  <Document>\n"
                      "    <name>" + XmlText(file.name) + "</name>\n"
                      "\t<description></description>\n"
                      "    <Style id=\"blueLine\">\n"
                      "      <LineStyle>\n"
                      "        <color>ffff0000</color>\n"
                      "        <width>4</width>\n"
                      "      </LineStyle>\n"
                      "    </Style>\n"
                      "    <Placemark>\n"
                      "      <name>CAR PATH</name>\n"
                      "      <description>GPS Path of Rov EV " + XmlText(Description(file)) + "</description>\n"
                      "      <styleUrl>#blueLine</styleUrl>\n"
                      "      <LineString>\n"
                      "        <altitudeMode>relative</altitudeMode>\n"
                      "        <coordinates>\n";
    GpsTrack(gpsPayload).ForEachTrackPoint([&](std::size_t, const GpsSample& s) { AppendPoint(out, s); });
    out += "\n"
           "        </coordinates>\n"
           "      </LineString>\n"
           "    </Placemark>\n"
           "  </Document>\n"
           "</kml>\n";
    return out;
}

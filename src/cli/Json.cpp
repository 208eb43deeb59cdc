#include "cli/Json.h"

#include <cmath>
#include <cstdio>

std::string JsonString(const std::string& s)
{
    std::string out = "\"";
    for (const char c : s) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

std::string JsonNumber(double v, int decimals)
{
    if (!std::isfinite(v))
        return "null";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    return buf;
}

std::string VideoFileInfoFields(const VideoFileInfo& info)
{
    return "\"gpsOffset\":" + std::to_string(info.gpsOffset) + ",\"gpsSize\":" + std::to_string(info.gpsSize) +
           ",\"gsensorOffset\":" + std::to_string(info.gsensorOffset) +
           ",\"gsensorSize\":" + std::to_string(info.gsensorSize) + ",\"width\":" + std::to_string(info.width) +
           ",\"height\":" + std::to_string(info.height) + ",\"startTime\":" + std::to_string(info.startTime) +
           ",\"durationSeconds\":" + std::to_string(info.durationSeconds) +
           ",\"durationMs\":" + std::to_string(info.durationMs) + ",\"fileSize\":" + std::to_string(info.fileSize) +
           ",\"gpsRate\":" + std::to_string(info.gpsRate) + ",\"gsensorInfo\":" + std::to_string(info.gsensorInfo);
}

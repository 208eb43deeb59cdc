#include "library/TextFormat.h"

#include <charconv>

void AppendFixed(std::string& out, double value, int decimals)
{
    // Large enough for any double in fixed notation (309 digits) and its decimals.
    char text[400];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    if (result.ec == std::errc{})
        out.append(text, result.ptr);
}

std::string XmlText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '\t':
        case '\n':
        case '\r': out += c; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20)
                out += "\xEF\xBF\xBD";  // U+FFFD REPLACEMENT CHARACTER
            else
                out += c;
        }
    }
    return out;
}

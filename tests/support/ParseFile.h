#pragma once

#include "support/ByteWriter.h"
#include "support/TempFolder.h"

#include "media/ParserForName.h"
#include "media/VideoFileInfo.h"

#include <cstdlib>
#include <ctime>
#include <string>

namespace fixtures {

struct ParseOutcome {
    int result = 0;
    VideoFileInfo info;
};

// Writes `bytes` as `name` in a fresh folder and parses it with the parser
// the library would choose for that name.
inline ParseOutcome ParseBytes(const Bytes& bytes, const std::string& name)
{
    TempFolder folder;
    const std::string path = folder / name;
    WriteFile(path, bytes);
    ParseOutcome outcome;
    auto parser = ParserForName(name);
    parser->SetInfoTarget(&outcome.info);
    outcome.result = parser->Parse(path);
    return outcome;
}

// Camera clocks are local time; tests pin the zone so results do not depend
// on the machine.
inline void UseTimeZone(const char* zone)
{
    ::setenv("TZ", zone, 1);
    ::tzset();
}

} // namespace fixtures

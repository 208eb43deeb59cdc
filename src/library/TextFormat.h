#pragma once

#include <string>
#include <string_view>

// Appends `value` with exactly `decimals` decimals and a full stop, whatever
// locale the process runs in: the map scripts and the exported files are read
// by programs that expect the C notation, and a GUI sets the user's locale.
void AppendFixed(std::string& out, double value, int decimals);

// `text` made safe as XML character data: markup characters escaped and the
// control characters XML forbids replaced, since file and folder names may
// hold any of them.
std::string XmlText(std::string_view text);

#pragma once

#include <QString>

class CIniSettings;

// The text of a string ID in the language of the given settings. Widgets
// take their settings object from whoever creates them, so that a dialog
// shows the language of the settings it writes to.
QString LocalizedText(unsigned id, const CIniSettings& settings);

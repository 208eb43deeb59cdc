#pragma once

#include "media/CZelVideoParser.h"

struct BoxHeader;

// Parser for MOV/3GP recordings: a sequence of big-endian boxes that starts
// with "ftyp", with the camera's telemetry boxes at the top level or directly
// inside "moov".
class CZel3gpParser : public CZelVideoParser {
public:
    int Parse(const std::string& path) override;

private:
    // Duration from the first track's media header.
    void ReadMediaDuration(const BoxHeader& moov);
    // Picture size from the first track's H.264 sample entry.
    void ReadPictureSize(const BoxHeader& moov);
};

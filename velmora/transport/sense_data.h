// What a drive says about a command that did not end well: the sense key, the
// additional sense code and its qualifier, read from the sense bytes that come back
// with a CHECK CONDITION.
#pragma once

#include <cstddef>
#include <cstdint>

#include "transport/aspi.h"

namespace velmora {

enum : uint8_t {
    kScsiStatusGood = 0x00,
    kScsiStatusCheckCondition = 0x02,
};

enum : uint8_t {
    kSenseNotReady = 0x02,
    kSenseMediumError = 0x03,
    kSenseUnitAttention = 0x06,
};

constexpr uint8_t kAscMediumNotPresent = 0x3A;

struct SenseCode {
    uint8_t key = 0;
    uint8_t asc = 0;
    uint8_t ascq = 0;
};

// Reads fixed-format (0x70, 0x71) and descriptor-format (0x72, 0x73) sense bytes;
// anything else, or too few bytes, says nothing.
inline SenseCode ParseSense(const uint8_t* bytes, size_t length)
{
    SenseCode sense;
    if (length < 4)
        return sense;
    const uint8_t format = bytes[0] & 0x7F;
    if ((format == 0x70 || format == 0x71) && length >= 14) {
        sense.key = bytes[2] & 0x0F;
        sense.asc = bytes[12];
        sense.ascq = bytes[13];
    } else if (format == 0x72 || format == 0x73) {
        sense.key = bytes[1] & 0x0F;
        sense.asc = bytes[2];
        sense.ascq = bytes[3];
    }
    return sense;
}

inline SenseCode SenseOf(const SRB_ExecSCSICmd& srb)
{
    size_t length = srb.SRB_SenseLen;
    if (length > sizeof srb.SenseArea)
        length = sizeof srb.SenseArea;
    return ParseSense(srb.SenseArea, length);
}

// The drive has no disc (or its tray is open).
inline bool MediumNotPresent(const SenseCode& sense)
{
    return sense.key == kSenseNotReady && sense.asc == kAscMediumNotPresent;
}

}  // namespace velmora

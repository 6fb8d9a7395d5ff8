// The base of every skin element record: a plain object named after its element,
// whose keys live in the description's section of the same name.
#pragma once

#include <string>

#include "skin/model/record_fields.h"

namespace sk {

class TskDataSkinRecord {
public:
    explicit TskDataSkinRecord(std::string name) : IDName(std::move(name)) {}
    virtual ~TskDataSkinRecord() = default;

    std::string IDName;

    // Reads the section named IDName, the parent's keys first; an absent key (or a
    // missing section) gives each field its default.
    virtual void LoadFromIni(TCustomIniFile& ini);
    // Erases the section named IDName, then writes every key that LoadFromIni reads.
    virtual void SaveToIni(TCustomIniFile& ini);

protected:
    // Lists the record's keys in reading order: each class calls its parent's first.
    virtual void Fields(TskRecordFields& fields) = 0;
};

}  // namespace sk

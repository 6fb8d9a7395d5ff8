// What every INI file offers, whether it lives in memory or is read through the
// system's profile functions: strings by section and key, and the integers and
// booleans built on them.
#pragma once

#include <cstdint>
#include <string>

namespace gui {

class TStrings;

class TCustomIniFile {
public:
    explicit TCustomIniFile(std::string fileName) : fileName_(std::move(fileName)) {}
    virtual ~TCustomIniFile() = default;

    const std::string& FileName() const { return fileName_; }

    virtual std::string ReadString(const std::string& section, const std::string& ident,
                                   const std::string& defaultValue) = 0;
    virtual void WriteString(const std::string& section, const std::string& ident,
                             const std::string& value) = 0;
    // The keys of a section, its key=value lines, and the section names.
    virtual void ReadSection(const std::string& section, TStrings& keys) = 0;
    virtual void ReadSectionValues(const std::string& section, TStrings& lines) = 0;
    virtual void ReadSections(TStrings& sections) = 0;
    virtual void EraseSection(const std::string& section) = 0;
    virtual void DeleteKey(const std::string& section, const std::string& ident) = 0;
    virtual void UpdateFile() = 0;

    // A value that is not a decimal integer gives the default.
    int32_t ReadInteger(const std::string& section, const std::string& ident, int32_t defaultValue);
    void WriteInteger(const std::string& section, const std::string& ident, int32_t value);
    // Any integer other than 0 is true; written as "1" or "0".
    bool ReadBool(const std::string& section, const std::string& ident, bool defaultValue);
    void WriteBool(const std::string& section, const std::string& ident, bool value);

    // A section exists when it holds at least one key.
    bool SectionExists(const std::string& section);
    bool ValueExists(const std::string& section, const std::string& ident);

private:
    std::string fileName_;
};

}  // namespace gui

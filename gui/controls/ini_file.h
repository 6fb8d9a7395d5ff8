// An INI file read and written through the system's profile functions: every
// call goes to the file. A file name without a folder means one in the Windows
// folder, as the profile functions take it.
#pragma once

#include <string>

#include "gui/core/custom_ini_file.h"

namespace gui {

class TIniFile : public TCustomIniFile {
public:
    explicit TIniFile(const std::string& fileName) : TCustomIniFile(fileName) {}

    std::string ReadString(const std::string& section, const std::string& ident,
                           const std::string& defaultValue) override;
    // Raises EWriteError when the file cannot be written.
    void WriteString(const std::string& section, const std::string& ident,
                     const std::string& value) override;
    void ReadSection(const std::string& section, TStrings& keys) override;
    void ReadSectionValues(const std::string& section, TStrings& lines) override;
    void ReadSections(TStrings& sections) override;
    void EraseSection(const std::string& section) override;
    void DeleteKey(const std::string& section, const std::string& ident) override;
    void UpdateFile() override;  // flushes the system's cached copy
};

}  // namespace gui

// An INI file held in memory, built from text lines. Each line is trimmed; empty
// lines and lines beginning with ";" are skipped; "[name]" opens a section; lines
// before the first section are ignored; in key=value both sides are trimmed.
// Section and key names match without regard to case, values keep theirs. A
// section named twice continues the first one; of a key given twice in a section
// the first is read and written.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "gui/core/custom_ini_file.h"

namespace gui {

class TMemIniFile : public TCustomIniFile {
public:
    TMemIniFile();
    // Reads the file when it exists; UpdateFile writes it back.
    explicit TMemIniFile(const std::string& fileName);

    std::string ReadString(const std::string& section, const std::string& ident,
                           const std::string& defaultValue) override;
    void WriteString(const std::string& section, const std::string& ident,
                     const std::string& value) override;
    void ReadSection(const std::string& section, TStrings& keys) override;
    void ReadSectionValues(const std::string& section, TStrings& lines) override;
    void ReadSections(TStrings& sections) override;
    void EraseSection(const std::string& section) override;
    void DeleteKey(const std::string& section, const std::string& ident) override;
    void UpdateFile() override;  // nothing without a file name

    void SetStrings(const TStrings& lines);
    void GetStrings(TStrings& lines) const;
    void Clear() { sections_.clear(); }

private:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> values;
    };
    Section* FindSection(const std::string& name);
    Section& AddSection(const std::string& name);

    std::vector<Section> sections_;
};

}  // namespace gui

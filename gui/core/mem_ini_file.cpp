#include "gui/core/mem_ini_file.h"

#include <cstdio>

#include "gui/core/string_utils.h"
#include "gui/core/strings.h"

namespace gui {

namespace {

bool FileExists(const std::string& fileName)
{
    std::FILE* f = std::fopen(fileName.c_str(), "rb");
    if (!f)
        return false;
    std::fclose(f);
    return true;
}

}  // namespace

TMemIniFile::TMemIniFile() : TCustomIniFile(std::string()) {}

TMemIniFile::TMemIniFile(const std::string& fileName) : TCustomIniFile(fileName)
{
    if (!fileName.empty() && FileExists(fileName)) {
        TStringList lines;
        lines.LoadFromFile(fileName);
        SetStrings(lines);
    }
}

TMemIniFile::Section* TMemIniFile::FindSection(const std::string& name)
{
    for (auto& s : sections_)
        if (SameText(s.name, name))
            return &s;
    return nullptr;
}

TMemIniFile::Section& TMemIniFile::AddSection(const std::string& name)
{
    if (Section* s = FindSection(name))
        return *s;
    sections_.push_back(Section{name, {}});
    return sections_.back();
}

void TMemIniFile::SetStrings(const TStrings& lines)
{
    sections_.clear();
    Section* current = nullptr;
    for (int32_t i = 0; i < lines.Count(); ++i) {
        const std::string line = Trim(lines.Get(i));
        if (line.empty() || line[0] == ';')
            continue;
        if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
            current = &AddSection(Trim(line.substr(1, line.size() - 2)));
            continue;
        }
        const size_t eq = line.find('=');
        if (!current || eq == std::string::npos)
            continue;
        current->values.emplace_back(Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)));
    }
}

void TMemIniFile::GetStrings(TStrings& lines) const
{
    lines.Clear();
    for (const auto& s : sections_) {
        lines.Add("[" + s.name + "]");
        for (const auto& kv : s.values)
            lines.Add(kv.first + "=" + kv.second);
        lines.Add(std::string());
    }
}

std::string TMemIniFile::ReadString(const std::string& section, const std::string& ident,
                                    const std::string& defaultValue)
{
    if (const Section* s = FindSection(section))
        for (const auto& kv : s->values)
            if (SameText(kv.first, ident))
                return kv.second;
    return defaultValue;
}

void TMemIniFile::WriteString(const std::string& section, const std::string& ident,
                              const std::string& value)
{
    Section& s = AddSection(section);
    for (auto& kv : s.values)
        if (SameText(kv.first, ident)) {
            kv.second = value;
            return;
        }
    s.values.emplace_back(ident, value);
}

void TMemIniFile::ReadSection(const std::string& section, TStrings& keys)
{
    keys.Clear();
    if (const Section* s = FindSection(section))
        for (const auto& kv : s->values)
            keys.Add(kv.first);
}

void TMemIniFile::ReadSectionValues(const std::string& section, TStrings& lines)
{
    lines.Clear();
    if (const Section* s = FindSection(section))
        for (const auto& kv : s->values)
            lines.Add(kv.first + "=" + kv.second);
}

void TMemIniFile::ReadSections(TStrings& sections)
{
    sections.Clear();
    for (const auto& s : sections_)
        sections.Add(s.name);
}

void TMemIniFile::EraseSection(const std::string& section)
{
    for (auto it = sections_.begin(); it != sections_.end(); ++it)
        if (SameText(it->name, section)) {
            sections_.erase(it);
            return;
        }
}

void TMemIniFile::DeleteKey(const std::string& section, const std::string& ident)
{
    if (Section* s = FindSection(section))
        for (auto it = s->values.begin(); it != s->values.end(); ++it)
            if (SameText(it->first, ident)) {
                s->values.erase(it);
                return;
            }
}

void TMemIniFile::UpdateFile()
{
    if (FileName().empty())
        return;
    TStringList lines;
    GetStrings(lines);
    lines.SaveToFile(FileName());
}

}  // namespace gui

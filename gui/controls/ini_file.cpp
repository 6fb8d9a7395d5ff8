#include "gui/controls/ini_file.h"

#include <windows.h>

#include <vector>

#include "gui/core/exceptions.h"
#include "gui/core/strings.h"

namespace gui {

namespace {

// GetPrivateProfileString with a buffer that grows until the answer fits. The
// answer is cut when it fills the buffer but for its terminator(s).
std::string ProfileString(const char* section, const char* key, const char* defaultValue, const std::string& file,
                          DWORD terminators)
{
    std::vector<char> buffer(2048);
    for (;;) {
        const DWORD n = ::GetPrivateProfileStringA(section, key, defaultValue, buffer.data(), DWORD(buffer.size()),
                                                   file.c_str());
        if (n + terminators < buffer.size() || buffer.size() >= (1u << 24))
            return std::string(buffer.data(), n);
        buffer.resize(buffer.size() * 4);
    }
}

// Splits a list of strings each ended by a zero byte.
void AddZeroSeparated(const std::string& list, TStrings& out)
{
    size_t start = 0;
    while (start < list.size()) {
        const size_t end = list.find('\0', start);
        const size_t stop = end == std::string::npos ? list.size() : end;
        if (stop > start)
            out.Add(list.substr(start, stop - start));
        start = stop + 1;
    }
}

}  // namespace

std::string TIniFile::ReadString(const std::string& section, const std::string& ident,
                                 const std::string& defaultValue)
{
    return ProfileString(section.c_str(), ident.c_str(), defaultValue.c_str(), FileName(), 1);
}

void TIniFile::WriteString(const std::string& section, const std::string& ident, const std::string& value)
{
    if (!::WritePrivateProfileStringA(section.c_str(), ident.c_str(), value.c_str(), FileName().c_str()))
        throw EWriteError("Unable to write to " + FileName());
}

void TIniFile::ReadSection(const std::string& section, TStrings& keys)
{
    keys.Clear();
    AddZeroSeparated(ProfileString(section.c_str(), nullptr, "", FileName(), 2), keys);
}

void TIniFile::ReadSectionValues(const std::string& section, TStrings& lines)
{
    TStringList keys;
    ReadSection(section, keys);
    lines.Clear();
    for (int32_t i = 0; i < keys.Count(); ++i)
        lines.Add(keys[i] + "=" + ReadString(section, keys[i], std::string()));
}

void TIniFile::ReadSections(TStrings& sections)
{
    sections.Clear();
    AddZeroSeparated(ProfileString(nullptr, nullptr, "", FileName(), 2), sections);
}

void TIniFile::EraseSection(const std::string& section)
{
    if (!::WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, FileName().c_str()))
        throw EWriteError("Unable to write to " + FileName());
}

void TIniFile::DeleteKey(const std::string& section, const std::string& ident)
{
    ::WritePrivateProfileStringA(section.c_str(), ident.c_str(), nullptr, FileName().c_str());
}

void TIniFile::UpdateFile()
{
    ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, FileName().c_str());
}

}  // namespace gui

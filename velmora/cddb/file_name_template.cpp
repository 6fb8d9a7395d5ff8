#include "cddb/file_name_template.h"

#include <cstdio>

#include "cddb/device_names.h"

namespace velmora {
namespace {

// The longest part a name from a record may have. Names are usually far shorter;
// this keeps a runaway title within what file systems take (255 characters, or
// bytes on some), with room for the folder and an extension.
constexpr size_t kMaxPathPart = 120;

bool IsSeparator(wchar_t c)
{
    return c == L'/' || c == L'\\';
}

bool IsForbidden(wchar_t c)
{
    return c < 32 || c == L':' || c == L'*' || c == L'?' || c == L'<' || c == L'>' ||
           c == L'"' || c == L'|';
}

// One part of a name between separators, made a name that Windows keeps as it is:
// cut to a length every file system takes with room for an extension; a part of
// dots only ("." and "..", which would climb the folders) made of "_"; a device
// name given "_"; and a part ending in a dot or a blank, which Windows would cut
// off, given "_" at its end.
std::wstring SafePathPart(std::wstring part)
{
    if (part.size() > kMaxPathPart) {
        part.resize(kMaxPathPart);
        if (part.back() >= 0xD800 && part.back() <= 0xDBFF)  // half of a character
            part.pop_back();
    }
    if (part.find_first_not_of(L'.') == std::wstring::npos)
        return std::wstring(part.size(), L'_');
    part = MendDeviceName(part);
    if (part.back() == L'.' || part.back() == L' ')
        part += L'_';
    return part;
}

std::wstring TrackNumberText(int trackIndex)
{
    wchar_t text[16];
    std::swprintf(text, sizeof text / sizeof text[0], L"%02d", trackIndex + 1);
    return text;
}

}  // namespace

std::wstring ExpandFileNameTemplate(const std::wstring& templ, const CDDBRecordFields& fields,
                                    int trackIndex)
{
    std::wstring result;
    for (size_t i = 0; i < templ.size(); ++i) {
        if (templ[i] != L'%' || i + 1 == templ.size()) {
            result += templ[i];
            continue;
        }
        const wchar_t code = templ[++i];
        switch (code) {
        case L'1': result += fields.artist; break;
        case L'2': result += fields.title; break;
        case L'3': result += fields.album; break;
        case L'4': result += fields.year; break;
        case L'5': result += fields.genre; break;
        case L'6': result += TrackNumberText(trackIndex); break;
        case L'7': break;
        case L'%': result += L'%'; break;
        default:
            result += L'%';
            result += code;
        }
    }
    return result;
}

std::wstring MakeSafeFileName(std::wstring name)
{
    for (wchar_t& c : name)
        if (IsForbidden(c))
            c = L'_';
    std::wstring result;
    size_t partStart = 0;
    while (partStart < name.size()) {
        size_t partEnd = partStart;
        while (partEnd < name.size() && !IsSeparator(name[partEnd]))
            ++partEnd;
        // Empty parts (a leading or doubled separator) are dropped: the name stays
        // relative to the folder it is put in.
        if (partEnd > partStart) {
            result += SafePathPart(name.substr(partStart, partEnd - partStart));
            if (partEnd < name.size())
                result += name[partEnd];
        }
        partStart = partEnd + 1;
    }
    return result;
}

std::wstring GenerateFilename(const CDDBMatch* activeRecordOrNull, int trackIndex,
                              const std::wstring& templ, std::wstring& fileName)
{
    if (!activeRecordOrNull)
        return kErrNoActiveRecord;
    const CDDBRecordFields fields = ParseRecordFields(activeRecordOrNull->recordText, trackIndex);
    fileName = MakeSafeFileName(ExpandFileNameTemplate(templ, fields, trackIndex));
    return std::wstring();
}

}  // namespace velmora

#include "cddb/file_name_template.h"

#include <cstdio>

namespace velmora {
namespace {

bool IsSeparator(wchar_t c)
{
    return c == L'/' || c == L'\\';
}

bool IsForbidden(wchar_t c)
{
    return c < 32 || c == L':' || c == L'*' || c == L'?' || c == L'<' || c == L'>' ||
           c == L'"' || c == L'|';
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
    size_t partStart = 0;
    while (partStart <= name.size()) {
        size_t partEnd = partStart;
        while (partEnd < name.size() && !IsSeparator(name[partEnd]))
            ++partEnd;
        if (partEnd > partStart &&
            name.find_first_not_of(L'.', partStart) >= partEnd)  // only dots
            name.replace(partStart, partEnd - partStart, partEnd - partStart, L'_');
        partStart = partEnd + 1;
    }
    return name;
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

#include "cddb/file_name_template.h"

#include <cstdio>
#include <vector>

#include "cddb/device_names.h"

namespace velmora {
namespace {

// The longest part a name from a record may have. Names are usually far shorter;
// this keeps a runaway title within what file systems take (255 characters, or
// bytes on some), with room for the folder and an extension.
constexpr size_t kMaxPathPart = 120;
// The most folders a name may make, and its longest length: a title of nested
// folders makes a few levels below the output folder, never a path that the
// system cannot take or that takes minutes to create.
constexpr size_t kMaxFolderDepth = 16;
constexpr size_t kMaxNameLength = 1024;

bool IsSeparator(wchar_t ch)
{
    return ch == L'/' || ch == L'\\';
}

// Characters that Windows forbids in names, control characters (C0 and C1), and
// the bidirectional embeddings, overrides and isolates, which would make a name
// read otherwise than it is ("evil\u202Evaw.exe").
bool IsForbidden(wchar_t ch)
{
    return ch < 32 || (ch >= 0x80 && ch <= 0x9F) || (ch >= 0x202A && ch <= 0x202E) ||
           (ch >= 0x2066 && ch <= 0x2069) || ch == L':' || ch == L'*' || ch == L'?' || ch == L'<' ||
           ch == L'>' || ch == L'"' || ch == L'|';
}

// One part of a name between separators, made a name that Windows keeps as it is:
// cut to a length every file system takes with room for an extension; a part of
// dots only ("." and "..", which would climb the folders) made of "_"; a device
// name given "_". A folder loses the dots and blanks at its end, as Windows makes
// it; a file keeps them, its extension follows them.
std::wstring SafePathPart(std::wstring part, bool folder)
{
    if (part.size() > kMaxPathPart) {
        part.resize(kMaxPathPart);
        if (part.back() >= 0xD800 && part.back() <= 0xDBFF)  // half of a ch
            part.pop_back();
    }
    if (part.find_first_not_of(L'.') == std::wstring::npos)
        return std::wstring(part.size(), L'_');
    if (folder) {
        const size_t last = part.find_last_not_of(L". ");
        if (last == std::wstring::npos)
            return L"_";
        part.erase(last + 1);
    }
    return MendDeviceName(part);
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
    // The parts with the separator that ends each; empty parts (a leading or
    // doubled separator) are dropped, so the name stays relative to its folder.
    struct Part {
        std::wstring text;
        wchar_t separator;  // 0 for the file's name at the end
    };
    std::vector<Part> parts;
    for (size_t begin = 0; begin < name.size();) {
        size_t end = begin;
        while (end < name.size() && !IsSeparator(name[end]))
            ++end;
        if (end > begin) {
            const bool folder = end < name.size();
            parts.push_back({SafePathPart(name.substr(begin, end - begin), folder),
                             folder ? name[end] : L'\0'});
        }
        begin = end + 1;
    }
    // The file's name stays; folders beyond the depth or the length allowed are left
    // out, so the file lands in the deepest folder kept.
    const size_t fileLength = !parts.empty() && !parts.back().separator ? parts.back().text.size() : 0;
    std::wstring result;
    size_t folders = 0;
    bool full = false;
    for (const Part& part : parts) {
        if (part.separator) {
            full = full || folders == kMaxFolderDepth ||
                   result.size() + part.text.size() + 1 + fileLength > kMaxNameLength;
            if (full)
                continue;
            ++folders;
            result += part.text;
            result += part.separator;
        } else {
            result += part.text;
        }
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

#include "cddb/record_tags.h"

#include <string>

namespace velmora {
namespace {

template <typename Char>
bool IsWhiteSpace(Char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\v' || ch == '\f';
}

template <typename Char>
std::basic_string<Char> TrimWhiteSpace(const std::basic_string<Char>& text)
{
    size_t first = 0, last = text.size();
    while (first < last && IsWhiteSpace(text[first]))
        ++first;
    while (last > first && IsWhiteSpace(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

// Only a key at the start of a line and directly followed by "=" counts: a bare
// search would take TTITLE1 from a TTITLE10 line, or a key from a comment or from
// another line's value. A value spread over several lines of the key is joined.
template <typename Char>
std::basic_string<Char> FieldOf(const std::basic_string<Char>& text, const std::basic_string<Char>& key)
{
    const std::basic_string<Char> wanted = key + Char('=');
    std::basic_string<Char> value;
    size_t at = 0;
    while (at < text.size()) {
        size_t lf = text.find(Char('\n'), at);
        if (lf == std::basic_string<Char>::npos)
            lf = text.size();
        if (text.compare(at, wanted.size(), wanted) == 0)
            value += text.substr(at + wanted.size(), lf - at - wanted.size());
        at = lf + 1;
    }
    return value;
}

}  // namespace

std::string GetRecordField(const std::string& text, const std::string& key)
{
    return FieldOf(text, key);
}

RecordTags TagsFromRecord(const std::wstring& recordText, int trackIndex)
{
    // The record is read as it was received, in wide characters: a detour through
    // the code page would turn every letter it lacks into "?".
    RecordTags tags;
    tags.title = FieldOf(recordText, L"TTITLE" + std::to_wstring(trackIndex));
    const std::wstring discTitle = FieldOf(recordText, std::wstring(L"DTITLE"));
    const size_t slash = discTitle.find(L'/');
    if (slash == std::wstring::npos) {
        tags.artist = discTitle;
    } else {
        tags.artist = TrimWhiteSpace(discTitle.substr(0, slash));
        tags.album = TrimWhiteSpace(discTitle.substr(slash + 1));
    }
    tags.year = FieldOf(recordText, std::wstring(L"DYEAR"));
    tags.genre = FieldOf(recordText, std::wstring(L"DGENRE"));
    tags.trackNo = std::to_wstring(trackIndex + 1);
    return tags;
}

}  // namespace velmora

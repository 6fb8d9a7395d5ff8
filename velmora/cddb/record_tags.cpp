#include "cddb/record_tags.h"

#include <string>

#include "cddb/ansi_text.h"

namespace velmora {
namespace {

bool IsWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string TrimWhiteSpace(const std::string& text)
{
    size_t first = 0, last = text.size();
    while (first < last && IsWhiteSpace(text[first]))
        ++first;
    while (last > first && IsWhiteSpace(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

}  // namespace

std::string GetRecordField(const std::string& text, const std::string& key)
{
    // Only a key at the start of a line and directly followed by "=" counts: a bare
    // search would take TTITLE1 from a TTITLE10 line, or a key from a comment or from
    // another line's value. A value spread over several lines of the key is joined.
    const std::string wanted = key + "=";
    std::string value;
    size_t at = 0;
    while (at < text.size()) {
        size_t lf = text.find('\n', at);
        if (lf == std::string::npos)
            lf = text.size();
        if (text.compare(at, wanted.size(), wanted) == 0)
            value += text.substr(at + wanted.size(), lf - at - wanted.size());
        at = lf + 1;
    }
    return value;
}

RecordTags TagsFromRecord(const std::wstring& recordText, int trackIndex)
{
    const std::string text = WideToAnsi(recordText);
    RecordTags tags;
    tags.title = AnsiToWide(GetRecordField(text, "TTITLE" + std::to_string(trackIndex)));
    const std::string discTitle = GetRecordField(text, "DTITLE");
    const size_t slash = discTitle.find('/');
    if (slash == std::string::npos) {
        tags.artist = AnsiToWide(discTitle);
    } else {
        tags.artist = AnsiToWide(TrimWhiteSpace(discTitle.substr(0, slash)));
        tags.album = AnsiToWide(TrimWhiteSpace(discTitle.substr(slash + 1)));
    }
    tags.year = AnsiToWide(GetRecordField(text, "DYEAR"));
    tags.genre = AnsiToWide(GetRecordField(text, "DGENRE"));
    tags.trackNo = std::to_wstring(trackIndex + 1);
    return tags;
}

}  // namespace velmora

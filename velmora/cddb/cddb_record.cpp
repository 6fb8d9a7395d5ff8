#include "cddb/cddb_record.h"

#include "cddb/ansi_text.h"

namespace velmora {
namespace {

constexpr wchar_t kTrackTitleKey[] = L"TTITLE";
constexpr size_t kTrackTitleKeyLength = 6;
constexpr long long kNoTrack = -1;

void TrimBlanks(std::wstring& text)
{
    text.erase(0, text.find_first_not_of(L' '));
    text.erase(text.find_last_not_of(L' ') + 1);
}

// The track number of a TTITLE key: the digits right after "TTITLE", none counting
// as 0. A number too long for any disc matches no track.
long long TrackTitleNumber(const std::wstring& key)
{
    long long number = 0;
    for (size_t at = kTrackTitleKeyLength; at < key.size() && key[at] >= L'0' && key[at] <= L'9';
         ++at) {
        number = number * 10 + (key[at] - L'0');
        if (number > 1000000)
            return kNoTrack;
    }
    return number;
}

// A record may spread a long value over several lines of the same key: the
// lines' values are joined in their order.
void TakeLine(const std::wstring& key, const std::wstring& value, int trackIndex,
              CDDBRecordFields& fields, std::wstring& discTitle)
{
    if (key == L"DISCID") {
        fields.discId += value;
    } else if (key == L"DGENRE") {
        fields.genre += value;
    } else if (key == L"DYEAR") {
        fields.year += value;
    } else if (key == L"DTITLE") {
        discTitle += value;
    } else if (key == L"EXTD") {
        // extended disc data: not used
    } else if (key.compare(0, kTrackTitleKeyLength, kTrackTitleKey) == 0) {
        if (TrackTitleNumber(key) == trackIndex)
            fields.title += value;
    }
}

// The whole disc title: the artist before its first "/", the album after it. A
// title without "/" sets neither.
void SplitDiscTitle(const std::wstring& discTitle, CDDBRecordFields& fields)
{
    const size_t slash = discTitle.find(L'/');
    if (slash == std::wstring::npos)
        return;
    fields.artist = discTitle.substr(0, slash);
    fields.album = discTitle.substr(slash + 1);
    TrimBlanks(fields.artist);
    TrimBlanks(fields.album);
}

}  // namespace

CDDBRecordFields ParseRecordFields(const std::wstring& recordText, int trackIndex)
{
    CDDBRecordFields fields;
    std::wstring discTitle;
    size_t at = 0;
    // Comment lines at the start of the record.
    while (at < recordText.size() && recordText[at] == L'#') {
        const size_t lf = recordText.find(L'\n', at);
        at = lf == std::wstring::npos ? recordText.size() : lf + 1;
    }
    while (at < recordText.size()) {
        size_t lf = recordText.find(L'\n', at);
        if (lf == std::wstring::npos)
            lf = recordText.size();
        const std::wstring line = recordText.substr(at, lf - at);
        at = lf + 1;
        const size_t equals = line.find(L'=');
        if (equals == std::wstring::npos || equals + 1 == line.size())
            continue;
        TakeLine(line.substr(0, equals), line.substr(equals + 1), trackIndex, fields, discTitle);
    }
    SplitDiscTitle(discTitle, fields);
    return fields;
}

const CDDBMatch* ActiveMatch(const std::vector<CDDBMatch>& matches, int activeIndex)
{
    if (activeIndex < 0 || static_cast<size_t>(activeIndex) >= matches.size())
        return nullptr;
    return &matches[static_cast<size_t>(activeIndex)];
}

std::wstring RecordDescription(const CDDBMatch& match)
{
    return AnswerTextToWide(match.description);
}

}  // namespace velmora

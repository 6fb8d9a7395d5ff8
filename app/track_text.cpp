#include "app/track_text.h"

#include <cstdio>

#include "gui/core/string_utils.h"

namespace brenvale {

std::string DefaultTrackName(int number)
{
    char text[32];
    std::snprintf(text, sizeof text, "Track %02d", number);
    return text;
}

std::wstring RipName(const std::wstring& name, int number)
{
    const size_t separator = name.find_last_of(L"\\/");
    const size_t fileStart = separator == std::wstring::npos ? 0 : separator + 1;
    if (name.find_first_not_of(L" ._", fileStart) == std::wstring::npos) {
        const std::string fallback = DefaultTrackName(number);
        return std::wstring(fallback.begin(), fallback.end());
    }
    return name;
}

std::string TrackDuration(int32_t seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d", int(seconds / 60), int(seconds % 60));
    return text;
}

std::string TrackSize(int32_t bytes)
{
    return gui::FormatFloat("0.0", double(bytes) / 1048576.0) + " MB";
}

}  // namespace brenvale

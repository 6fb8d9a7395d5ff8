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

std::string RipName(const std::string& listName, int number)
{
    const size_t separator = listName.find_last_of("\\/");
    const size_t fileStart = separator == std::string::npos ? 0 : separator + 1;
    if (listName.find_first_not_of(" ._", fileStart) == std::string::npos)
        return DefaultTrackName(number);
    return listName;
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

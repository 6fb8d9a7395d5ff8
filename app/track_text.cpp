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

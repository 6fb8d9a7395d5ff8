// The texts of a track-list row: the name of a track without CDDB data, its
// duration and its size.
#pragma once

#include <cstdint>
#include <string>

namespace brenvale {

// "Track " and the number with two digits at least: "Track 07", "Track 12".
std::string DefaultTrackName(int number);
// The name a track is ripped under: its name as the control gave it, or
// DefaultTrackName when that
// names no file of its own: empty, ending in a folder separator, or with a last part
// of nothing but blanks, dots and the "_" that stands for what a file name cannot
// hold (a CDDB title of blanks or dots comes out that way).
std::wstring RipName(const std::wstring& name, int number);
// Minutes and seconds: "3:05" for 185 seconds.
std::string TrackDuration(int32_t seconds);
// Mebibytes with one decimal: "30.3 MB" for 31,752,000 bytes.
std::string TrackSize(int32_t bytes);

}  // namespace brenvale

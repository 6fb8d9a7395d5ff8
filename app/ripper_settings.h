// The program's persisted settings and their file: section "settings" of an INI
// file named after the program's title, beside the program file.
#pragma once

#include <cstdint>
#include <string>

namespace gui {
class TCustomIniFile;
}

namespace brenvale {

struct TRipperSettings {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    int32_t DriveIndex = 0;  // kept for the file; the window always uses the first drive
    std::string OutputPath;
};

extern const char* const kDefaultOutputPath;  // "C:\My Music"

// The folder of the program file, with its closing "\".
std::string ProgramFolder();
// The settings file of a program of this title: "<program folder>\<title>.ini".
std::string SettingsFileName(const std::string& title);

// Reads the six keys; each absent key keeps its value from `defaults`, and so
// does a width or height below 1.
TRipperSettings ReadSettings(gui::TCustomIniFile& ini, const TRipperSettings& defaults);
// What every apply writes: DriveIndex and OutputPath.
void WriteAppliedSettings(gui::TCustomIniFile& ini, const TRipperSettings& settings);
// All six keys, as the main window's closing writes them.
void WriteAllSettings(gui::TCustomIniFile& ini, const TRipperSettings& settings);

}  // namespace brenvale

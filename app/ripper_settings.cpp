#include "app/ripper_settings.h"

#include <windows.h>

#include <vector>

#include "gui/core/custom_ini_file.h"

namespace brenvale {

namespace {

const char* const kSection = "settings";

}  // namespace

const char* const kDefaultOutputPath = "C:\\My Music";

std::string ProgramFolder()
{
    std::vector<char> path(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetModuleFileNameA(nullptr, path.data(), DWORD(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    std::string folder(path.begin(), path.end());
    const auto slash = folder.find_last_of("\\/");
    folder.erase(slash == std::string::npos ? 0 : slash + 1);
    return folder;
}

std::string SettingsFileName(const std::string& title) { return ProgramFolder() + title + ".ini"; }

TRipperSettings ReadSettings(gui::TCustomIniFile& ini, const TRipperSettings& defaults)
{
    TRipperSettings s;
    s.Left = ini.ReadInteger(kSection, "MainFormLeft", defaults.Left);
    s.Top = ini.ReadInteger(kSection, "MainFormTop", defaults.Top);
    s.Width = ini.ReadInteger(kSection, "MainFormWidth", defaults.Width);
    s.Height = ini.ReadInteger(kSection, "MainFormHeight", defaults.Height);
    // A window of no size could not be seen, let alone closed: such values are
    // taken as absent.
    if (s.Width < 1)
        s.Width = defaults.Width;
    if (s.Height < 1)
        s.Height = defaults.Height;
    s.DriveIndex = ini.ReadInteger(kSection, "DriveIndex", defaults.DriveIndex);
    s.OutputPath = ini.ReadString(kSection, "OutputPath", defaults.OutputPath);
    return s;
}

void WriteAppliedSettings(gui::TCustomIniFile& ini, const TRipperSettings& settings)
{
    ini.WriteInteger(kSection, "DriveIndex", settings.DriveIndex);
    ini.WriteString(kSection, "OutputPath", settings.OutputPath);
}

void WriteAllSettings(gui::TCustomIniFile& ini, const TRipperSettings& settings)
{
    ini.WriteInteger(kSection, "MainFormLeft", settings.Left);
    ini.WriteInteger(kSection, "MainFormTop", settings.Top);
    ini.WriteInteger(kSection, "MainFormWidth", settings.Width);
    ini.WriteInteger(kSection, "MainFormHeight", settings.Height);
    WriteAppliedSettings(ini, settings);
}

}  // namespace brenvale

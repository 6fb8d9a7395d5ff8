// The main window of a test: started on a simulated disc with no settings file,
// closed and its settings file removed afterwards; failures its handlers raise
// are collected instead of shown.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "app/cddb_wait_form.h"
#include "app/main_form.h"
#include "app/ripper_settings.h"
#include "app/track_list_view.h"
#include "gui/controls/application.h"
#include "skin/popups/skin_main_menu.h"
#include "skinctrls/controls/skin_button.h"
#include "skinctrls/controls/skin_gauge.h"
#include "support/event_sink.h"
#include "support/sim_disc.h"
#include "support/temp_dir.h"
#include "support/wav_expectation.h"
#include "window_driver.h"

namespace apptest {

using namespace testsupport;
using brenvale::TfrmMain;

inline bool FileExists(const std::string& path)
{
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        gui::Application().SetTitle("Brenvale");
        settingsFile = brenvale::SettingsFileName("Brenvale");
        RemoveSettings();
        gui::Application().OnException = [this](gui::TComponent*, const std::exception& e) {
            errors.push_back(e.what());
        };
    }
    void TearDown() override
    {
        Close();
        gui::Application().OnException = nullptr;
        RemoveSettings();
    }

    // No settings file, whatever a test left in its place.
    void RemoveSettings() const
    {
        ::SetFileAttributesA(settingsFile.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileA(settingsFile.c_str());
        ::RemoveDirectoryA(settingsFile.c_str());
    }
    // A window that goes while it shows waits for its fade; one closed first goes at once.
    void Close()
    {
        if (form && form->Visible())
            form->Hide();
        form.reset();
    }
    void Start(const SimDevice& disc)
    {
        WriteSimDrive(1, {disc});
        form.reset(new TfrmMain(nullptr));
        form->Show();
        Pump(50);
    }
    std::string Setting(const char* key) const
    {
        char value[512] = {};
        ::GetPrivateProfileStringA("settings", key, "<none>", value, sizeof value, settingsFile.c_str());
        return value;
    }
    void WriteSetting(const char* key, const std::string& value) const
    {
        ::WritePrivateProfileStringA("settings", key, value.c_str(), settingsFile.c_str());
    }
    std::vector<std::string> Names()
    {
        std::vector<std::string> names;
        for (int row = 0; row < form->skSkinListView_TrackList->RowCount(); ++row)
            names.push_back(form->skSkinListView_TrackList->RowText(row, 0));
        return names;
    }
    // An item of the main menu, by name.
    gui::TMenuItem& MenuItem(const std::string& name)
    {
        gui::TMenuItem& items = form->skSkinMainMenu->Items();
        for (int i = 0; i < items.Count(); ++i)
            for (int j = 0; j < items[i]->Count(); ++j)
                if (items[i]->Items(j)->Name() == name)
                    return *items[i]->Items(j);
        throw std::runtime_error("no menu item " + name);
    }
    bool WaitIdle(DWORD milliseconds = 30000)
    {
        return PumpUntil(milliseconds, [&] { return !form->CDStop->Enabled(); });
    }
    // The control has finished with its files once it has nothing left to cancel.
    bool WaitWorkerGone()
    {
        return PumpUntil(10000, [&] { return form->CDRipper->Ripper()->CancelExtraction() == S_FALSE; });
    }
    // The command's action, button and button blend as one.
    static std::string CommandState(gui::TAction* action, sk::TskSkinButton* button)
    {
        return std::string(action->Enabled() ? "on" : "off") + "/" + (button->Enabled() ? "on" : "off") + "/" +
               std::to_string(button->AlphaBlendValue());
    }

    std::string settingsFile;
    std::unique_ptr<TfrmMain> form;
    std::vector<std::string> errors;
    TempDir out;
};

}  // namespace apptest

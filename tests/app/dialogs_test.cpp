// The options dialog and the about box, opened from the main window and driven
// from a timer inside their modal loops.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "app/about_form.h"
#include "app/main_form.h"
#include "app/options_form.h"
#include "app/ripper_settings.h"
#include "gui/controls/application.h"
#include "gui/controls/control_messages.h"
#include "skinctrls/controls/skin_button.h"
#include "skinctrls/controls/skin_std_label.h"
#include "skinctrls/folders/sel_dir_dlg_form.h"
#include "skinctrls/folders/skin_directory_edit.h"
#include "support/event_sink.h"
#include "support/sim_disc.h"
#include "window_driver.h"

using namespace testsupport;
using apptest::VisibleForm;
using apptest::WhenShown;
using brenvale::TfrmMain;

namespace {

class Dialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        gui::Application().SetTitle("Brenvale");
        settingsFile = brenvale::SettingsFileName("Brenvale");
        ::DeleteFileA(settingsFile.c_str());
        WriteSimDrive(1, {AudioCd(2, 300)});
        form.reset(new TfrmMain(nullptr));
        form->Show();
        Pump(50);
    }
    void TearDown() override
    {
        apptest::CancelWhenShown();
        form->Hide();  // a window that goes while it shows waits for its fade
        form.reset();
        ::DeleteFileA(settingsFile.c_str());
    }
    std::string Setting(const char* key) const
    {
        char value[512] = {};
        ::GetPrivateProfileStringA("settings", key, "<none>", value, sizeof value, settingsFile.c_str());
        return value;
    }

    std::string settingsFile;
    std::unique_ptr<TfrmMain> form;
};

TEST_F(Dialogs, OptionsOkStoresTheTrimmedFolderAndAppliesTheSettings)
{
    const int left = form->Left(), top = form->Top();
    form->SetBounds(5, 5, 600, 400);  // OK puts the window back where the settings hold it
    std::string shown;
    WhenShown<brenvale::TfrmOptions>([&](brenvale::TfrmOptions& options) {
        shown = options.skSkinDirectoryEdit_OutputDir->Text();
        options.skSkinDirectoryEdit_OutputDir->SetText("   C:\\Music  ");
        apptest::Click(*options.skSkinButton_OK);
    });
    apptest::Click(*form->skSkinButton_Options);
    EXPECT_EQ(shown, "C:\\My Music");
    EXPECT_EQ(form->Settings().OutputPath, "C:\\Music");
    EXPECT_EQ(Setting("OutputPath"), "C:\\Music");
    EXPECT_EQ(form->Left(), left);
    EXPECT_EQ(form->Top(), top);
    EXPECT_EQ(VisibleForm<brenvale::TfrmOptions>(), nullptr);
}

TEST_F(Dialogs, OptionsCancelChangesNothing)
{
    ::DeleteFileA(settingsFile.c_str());
    bool browsed = false;
    WhenShown<brenvale::TfrmOptions>([&](brenvale::TfrmOptions& options) {
        options.skSkinDirectoryEdit_OutputDir->SetText("C:\\Elsewhere");
        // The browse button opens the skinned select-folder dialog; its Cancel
        // leaves the text.
        WhenShown<sk::TskSelDirDlgForm>([&](sk::TskSelDirDlgForm& dialog) {
            browsed = true;
            apptest::Click(*dialog.CancelButton());
        });
        options.skSkinDirectoryEdit_OutputDir->DoButtonClick(options.skSkinDirectoryEdit_OutputDir);
        EXPECT_EQ(options.skSkinDirectoryEdit_OutputDir->Text(), "C:\\Elsewhere");
        apptest::Click(*options.skSkinButton_Cancel);
    });
    form->CDOptionsExecute(form.get());
    EXPECT_TRUE(browsed);
    EXPECT_EQ(form->Settings().OutputPath, "C:\\My Music");
    EXPECT_EQ(::GetFileAttributesA(settingsFile.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(Dialogs, AboutShowsTheVersionAndLinksChangeColourUnderTheMouse)
{
    std::string version;
    gui::TColor hover = 0, left = 0;
    WhenShown<brenvale::TfrmAbout>([&](brenvale::TfrmAbout& about) {
        version = about.lblProductNameVer->Caption();
        brenvale::TLinkLabel* link = about.Label4;
        link->Perform(gui::CM_MOUSEENTER, 0, 0);
        hover = link->Font().Color();
        link->Perform(gui::CM_MOUSELEAVE, 0, 0);
        left = link->Font().Color();
        ::PostMessageA(about.Handle(), WM_CLOSE, 0, 0);
    });
    form->HelpAboutExecute(form.get());
    EXPECT_EQ(version, "Brenvale v1.0");
    EXPECT_EQ(hover, 0x0000FFu);
    EXPECT_EQ(left, 0xFF0000u);
    EXPECT_EQ(VisibleForm<brenvale::TfrmAbout>(), nullptr);
}

}  // namespace

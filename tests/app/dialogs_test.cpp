// The options dialog and the about box, opened from the main window and driven
// from a timer inside their modal loops.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

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
#include "support/temp_dir.h"
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

TEST_F(Dialogs, OptionsOkStoresTheTrimmedFolderAndLeavesTheWindowWhereItIs)
{
    form->SetBounds(5, 5, 600, 400);  // moved and sized by the user
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
    EXPECT_EQ((std::vector<int>{form->Left(), form->Top(), form->Width(), form->Height()}),
              (std::vector<int>{5, 5, 600, 400}));
    EXPECT_EQ(VisibleForm<brenvale::TfrmOptions>(), nullptr);
}

TEST_F(Dialogs, OptionsOkSaysSoForAFolderOnADriveThatDoesNotExist)
{
    const std::string missing = MissingDrive();  // "Q:"
    std::string lower = missing;
    lower[0] = char(lower[0] - 'A' + 'a');
    // Each refused with a warning, the dialog staying open; the last one taken.
    const std::vector<std::string> refused = {missing + "\\Music", " " + lower + "\\x ", missing};
    const std::string taken = "\\\\server\\share\\Music";
    apptest::ShownMessages messages;
    std::vector<bool> stayed;
    WhenShown<brenvale::TfrmOptions>([&](brenvale::TfrmOptions& options) {
        apptest::AnswerMessageBoxes(messages);
        for (const std::string& path : refused) {
            options.skSkinDirectoryEdit_OutputDir->SetText(path);
            apptest::Click(*options.skSkinButton_OK);
            stayed.push_back(options.Visible() && options.ModalResult() == gui::mrNone);
        }
        options.skSkinDirectoryEdit_OutputDir->SetText(taken);
        apptest::Click(*options.skSkinButton_OK);
    });
    form->CDOptionsExecute(form.get());
    apptest::CancelWhenShown();
    EXPECT_EQ(stayed, std::vector<bool>(refused.size(), true));
    ASSERT_EQ(messages.texts.size(), refused.size());
    for (size_t i = 0; i < refused.size(); ++i) {
        EXPECT_EQ(messages.captions[i], "Warning");
        EXPECT_EQ(messages.texts[i], "The drive " + missing + " does not exist. Please choose a folder on a drive of "
                                     "this computer.");
    }
    EXPECT_EQ(form->Settings().OutputPath, taken);
    EXPECT_EQ(Setting("OutputPath"), taken);
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

TEST_F(Dialogs, AboutShowsTheVersionItsLinksTurnRedUnderTheMouseAndEscClosesIt)
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
    EXPECT_EQ(VisibleForm<brenvale::TfrmAbout>(), nullptr);

    EXPECT_EQ(hover, 0x0000FFu);
    EXPECT_EQ(left, 0xFF0000u);

    // Esc closes the box, as the message loop hands the key over. A box that
    // stays open is closed after a while: the test fails instead of waiting.
    bool closedByEsc = true;
    WhenShown<brenvale::TfrmAbout>([&](brenvale::TfrmAbout& about) {
        ::PostMessageA(about.Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
        const DWORD deadline = ::GetTickCount() + 30000;
        apptest::WhenShownStep([&closedByEsc, deadline] {
            auto* open = VisibleForm<brenvale::TfrmAbout>();
            if (open && int(::GetTickCount() - deadline) > 0) {
                closedByEsc = false;
                ::PostMessageA(open->Handle(), WM_CLOSE, 0, 0);
            }
            return !open || !closedByEsc;
        });
    });
    form->HelpAboutExecute(form.get());
    EXPECT_TRUE(closedByEsc);
    EXPECT_EQ(VisibleForm<brenvale::TfrmAbout>(), nullptr);
}

}  // namespace

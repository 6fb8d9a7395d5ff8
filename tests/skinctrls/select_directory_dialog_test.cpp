// The select-folder dialog and the directory edit, run modally on a folder tree
// of the test's own: the dialog's make-up, the folder it opens at, what Ok and
// Cancel leave in Directory, the size kept between runs, and the edit's browse
// button.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <functional>
#include <string>

#include "folder_fixture.h"
#include "gui/controls/form.h"
#include "gui/controls/screen.h"
#include "skin/forms/form_skin_engine.h"
#include "skinctrls/controls/skin_button.h"
#include "skinctrls/controls/skin_panel.h"
#include "skinctrls/dialogs/skin_message.h"
#include "skinctrls/folders/sel_dir_dlg_form.h"
#include "skinctrls/folders/skin_dir_tree_view.h"
#include "skinctrls/folders/skin_directory_edit.h"
#include "skinctrls/folders/skin_select_directory_dialog.h"

namespace {

using foldertest::TempFolderTree;
using gui::TTreeNode;
using sk::TskSelDirDlgForm;
using sk::TskSkinDirTreeView;
using sk::TskSkinSelectDirectoryDialog;

bool SameText(const std::string& a, const std::string& b) { return ::lstrcmpiA(a.c_str(), b.c_str()) == 0; }

// What to do with the dialog once it shows.
std::function<void(TskSelDirDlgForm&)> onShown;

void CALLBACK RunOnShown(HWND, UINT, UINT_PTR id, DWORD)
{
    for (int i = 0; i < gui::Screen().FormCount(); ++i)
        if (auto* form = dynamic_cast<TskSelDirDlgForm*>(gui::Screen().Forms(i)))
            if (form->Visible()) {
                ::KillTimer(nullptr, id);
                onShown(*form);
                return;
            }
}

// Runs the action once the dialog shows, then answers it with the key.
void WhenShown(std::function<void(TskSelDirDlgForm&)> action, WPARAM key)
{
    onShown = [action, key](TskSelDirDlgForm& form) {
        action(form);
        ::PostMessageA(form.Handle(), WM_KEYDOWN, key, 0);
    };
    ::SetTimer(nullptr, 0, 50, &RunOnShown);
}

std::string SelectedPath(TskSelDirDlgForm& form) { return TskSkinDirTreeView::NodePath(form.DirTreeView()->Selected()); }

class SelectDirectoryTest : public ::testing::Test {
protected:
    SelectDirectoryTest()
    {
        folders.MakeFolder(L"Music\\Album\\Disc 1");
        folders.MakeFolder(L"Music\\Album\\Disc 2");
    }
    TempFolderTree folders;
};

TEST_F(SelectDirectoryTest, DialogOpensAtTheDirectoryAndOkTakesTheChosenFolder)
{
    TskSkinSelectDirectoryDialog dialog(nullptr);
    EXPECT_EQ(dialog.Title(), "Select folder");
    EXPECT_EQ(dialog.Directory(), "");
    EXPECT_EQ(dialog.AlphaBlendValue(), 200);
    EXPECT_FALSE(dialog.AlphaBlend());
    EXPECT_EQ(dialog.DefaultFont().Name(), "Arial");
    EXPECT_EQ(dialog.DefaultFont().Height(), 14);

    sk::TskSkinData frameSkin(nullptr);
    sk::TskSkinData controlSkin(nullptr);
    sk::TskSkinMessage message(nullptr);
    dialog.SetSkinData(&frameSkin);
    dialog.SetCtrlSkinData(&controlSkin);
    dialog.SetSkinMessage(&message);
    dialog.SetAlphaBlendValue(150);
    dialog.SetTitle("Output folder");
    dialog.SetDirectory(folders.Path("mUSIC\\album"));
    int changes = 0;
    dialog.OnChange = [&changes](gui::TComponent*) { ++changes; };
    const int forms = gui::Screen().FormCount();

    bool shown = false;
    WhenShown(
        [&](TskSelDirDlgForm& f) {
            shown = true;
            EXPECT_EQ(dialog.DialogForm(), &f);
            EXPECT_EQ(f.Caption(), "Output folder");
            EXPECT_EQ(f.ClientWidth(), 250);
            EXPECT_EQ(f.ClientHeight(), 250);
            sk::TskFormSkinEngine& engine = *f.SkinForm();
            EXPECT_TRUE(engine.BorderIcons().Empty());
            EXPECT_EQ(engine.SkinData(), &frameSkin);
            EXPECT_EQ(engine.MenusSkinData(), &controlSkin);
            EXPECT_EQ(engine.AlphaBlendValue(), 150);

            TskSkinDirTreeView& tree = *f.DirTreeView();
            EXPECT_TRUE(SameText(SelectedPath(f), folders.Path("Music\\Album")));
            EXPECT_EQ(tree.SkinData(), &controlSkin);
            EXPECT_EQ(tree.SkinMessage(), &message);
            EXPECT_EQ(tree.Font().Name(), "Arial");
            EXPECT_EQ(tree.VScrollBar(), f.VScrollBar());
            EXPECT_EQ(tree.HScrollBar(), f.HScrollBar());
            // The tree fills what the button panel leaves.
            EXPECT_EQ(f.ButtonPanel()->Top() + f.ButtonPanel()->Height(), f.ClientHeight());
            EXPECT_EQ(f.ClientPanel()->Height(), f.ButtonPanel()->Top());
            EXPECT_EQ(f.OkButton()->SkinData(), &controlSkin);

            TTreeNode* album = tree.Selected();
            ASSERT_NE(album, nullptr);
            ASSERT_EQ(album->Count(), 2);
            album->Item(1)->SetSelected(true);
        },
        VK_RETURN);
    EXPECT_TRUE(dialog.Execute());
    EXPECT_TRUE(shown);
    EXPECT_TRUE(SameText(dialog.Directory(), folders.Path("Music\\Album\\Disc 2")));
    EXPECT_NE(dialog.Directory().back(), '\\');
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(dialog.DialogForm(), nullptr);
    EXPECT_EQ(gui::Screen().FormCount(), forms);
}

TEST_F(SelectDirectoryTest, SizeIsKeptAfterCancelAndOkWithTheRootGivesNoFolder)
{
    TskSkinSelectDirectoryDialog dialog(nullptr);
    const std::string album = folders.Path("Music\\Album");
    dialog.SetDirectory(album);

    WhenShown(
        [](TskSelDirDlgForm& f) {
            f.SetClientWidth(330);
            f.SetClientHeight(290);
            f.DirTreeView()->SetSelected(f.DirTreeView()->Items().GetFirstNode());
        },
        VK_ESCAPE);
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.Directory(), album);

    WhenShown(
        [](TskSelDirDlgForm& f) {
            EXPECT_EQ(f.ClientWidth(), 330);
            EXPECT_EQ(f.ClientHeight(), 290);
            f.DirTreeView()->SetSelected(f.DirTreeView()->Items().GetFirstNode());
        },
        VK_RETURN);
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.Directory(), "");
}

TEST_F(SelectDirectoryTest, DirectoryEditIsAButtonEditWithoutItsNameAsText)
{
    sk::TskSkinDirectoryEdit edit(nullptr);
    edit.SetName("OutputDir");
    EXPECT_EQ(edit.Text(), "");
    EXPECT_TRUE(edit.ButtonMode());
    EXPECT_EQ(edit.SkinDataName(), "buttonedit");

    auto* skin = new sk::TskSkinData(nullptr);
    auto* controls = new sk::TskSkinData(nullptr);
    edit.SetDlgSkinData(skin);
    edit.SetDlgCtrlSkinData(controls);
    edit.SetDlgSkinData(controls);  // the same skin held twice
    delete skin;
    EXPECT_EQ(edit.DlgCtrlSkinData(), controls);
    delete controls;
    EXPECT_EQ(edit.DlgSkinData(), nullptr);
    EXPECT_EQ(edit.DlgCtrlSkinData(), nullptr);
}

TEST_F(SelectDirectoryTest, APathWithLineBreaksEntersTheDirectoryEditAsItsFirstLine)
{
    gui::TForm owner(nullptr);
    auto* edit = new sk::TskSkinDirectoryEdit(&owner);
    edit->SetParent(&owner);
    edit->SetBounds(10, 10, 200, 22);
    owner.Show();
    edit->SetFocus();
    auto lines = [&] { return ::SendMessageA(edit->Handle(), EM_GETLINECOUNT, 0, 0); };
    auto pump = [] {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    };

    // Ctrl+V as the message loop delivers it to the focused edit.
    const char pasted[] = "C:\\a\r\nb";
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, sizeof pasted);
    std::memcpy(::GlobalLock(memory), pasted, sizeof pasted);
    ::GlobalUnlock(memory);
    ::SetClipboardData(CF_TEXT, memory);
    ::CloseClipboard();
    ASSERT_EQ(::GetFocus(), edit->Handle());
    ::PostMessageA(edit->Handle(), WM_CHAR, 0x16, 1);
    pump();
    EXPECT_EQ(edit->Text(), "C:\\a");
    EXPECT_EQ(lines(), 1);

    // Ctrl+Enter, a text set by the program, a selection replaced.
    ::PostMessageA(edit->Handle(), WM_CHAR, '\n', 1);
    pump();
    EXPECT_EQ(edit->Text(), "C:\\a");
    edit->SetText("D:\\music\nE:\\other");
    EXPECT_EQ(edit->Text(), "D:\\music");
    edit->SelectAll();
    ::SendMessageA(edit->Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("F:\\x\r\n"));
    EXPECT_EQ(edit->Text(), "F:\\x");
    EXPECT_EQ(lines(), 1);

    // Given before the window exists.
    auto* early = new sk::TskSkinDirectoryEdit(&owner);
    early->SetText("G:\\y\rz");
    early->SetParent(&owner);
    EXPECT_EQ(early->Text(), "G:\\y");
}

TEST_F(SelectDirectoryTest, BrowseButtonOpensTheDialogAtTheTextAndTakesOnlyOk)
{
    gui::TForm owner(nullptr);
    auto* edit = new sk::TskSkinDirectoryEdit(&owner);
    edit->SetParent(&owner);
    auto* skin = new sk::TskSkinData(&owner);
    edit->SetDlgSkinData(skin);
    edit->SetDlgCtrlSkinData(skin);
    const std::string typed = folders.Path("music\\ALBUM\\disc 1");
    edit->SetText(typed);

    WhenShown(
        [&](TskSelDirDlgForm& f) {
            EXPECT_TRUE(SameText(SelectedPath(f), typed));
            EXPECT_EQ(f.SkinForm()->SkinData(), skin);
            EXPECT_EQ(f.DirTreeView()->SkinData(), skin);
            f.DirTreeView()->Selected()->Parent()->SetSelected(true);
        },
        VK_ESCAPE);
    ASSERT_TRUE(edit->OnButtonClick);
    edit->OnButtonClick(edit);
    EXPECT_EQ(edit->Text(), typed);

    WhenShown([](TskSelDirDlgForm& f) { f.DirTreeView()->Selected()->Parent()->SetSelected(true); }, VK_RETURN);
    edit->OnButtonClick(edit);
    EXPECT_TRUE(SameText(edit->Text(), folders.Path("Music\\Album")));
    EXPECT_EQ(edit->SelectDirectoryDialog().Directory(), edit->Text());
}

}  // namespace

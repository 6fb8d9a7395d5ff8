// The folder tree on a folder tree of the test's own: the computer and its
// drives, folders read on first expansion, paths of nodes, selecting a path
// (only ever along the path's own folders), the current path as the mouse and
// the keys move, a drive that is not ready, and renaming in place.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <bitset>
#include <string>

#include "control_fixture.h"
#include "folder_fixture.h"
#include "skinctrls/dialogs/skin_message.h"
#include "skinctrls/folders/drive_check.h"
#include "skinctrls/folders/folder_scan.h"
#include "skinctrls/folders/shell_look.h"
#include "skinctrls/folders/skin_dir_tree_view.h"

namespace {

using foldertest::MessageBoxWatcher;
using foldertest::TempFolderTree;
using gui::TTreeNode;
using sk::TskSkinDirTreeView;

const char* const kNotReady = "There is no disk in Drive or Drive is not ready";

// A tree whose drive of one letter is an empty CD-ROM drive.
class CdTree : public TskSkinDirTreeView {
public:
    using TskSkinDirTreeView::TskSkinDirTreeView;
    char cdLetter = 0;

protected:
    UINT DriveType(const std::string& root) override
    {
        return root[0] == cdLetter ? UINT(DRIVE_CDROM) : TskSkinDirTreeView::DriveType(root);
    }
};

bool SameText(const std::string& a, const std::string& b) { return ::lstrcmpiA(a.c_str(), b.c_str()) == 0; }

std::string Children(const TTreeNode* node)
{
    std::string texts;
    for (TTreeNode* n = node->GetFirstChild(); n; n = n->GetNextSibling())
        texts += n->Text() + "|";
    return texts;
}

// A letter that names no drive here.
char UnusedLetter()
{
    const DWORD mask = ::GetLogicalDrives();
    for (char c = 'Q'; c <= 'Y'; ++c)
        if (!(mask & (DWORD(1) << (c - 'A'))))
            return c;
    return 0;
}

class DirTreeTest : public ::testing::Test, public skinctrlstest::ControlTest {
protected:
    template <typename T = TskSkinDirTreeView>
    T* Make()
    {
        auto* t = new T(&form);
        t->SetBounds(5, 5, 380, 280);
        t->SetParent(&form);
        t->SetSkinMessage(message);
        return t;
    }
    std::string SelectedPath(TskSkinDirTreeView& t) { return TskSkinDirTreeView::NodePath(t.Selected()); }
    // A click on the node's text; the release is queued first, as the system's
    // tree follows the mouse until the button comes up.
    void Click(TskSkinDirTreeView& t, TTreeNode* node)
    {
        ::SendMessageA(t.Handle(), TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(node->ItemId()));
        const gui::TRect r = node->DisplayRect(true);
        const int x = (r.Left + r.Right) / 2, y = (r.Top + r.Bottom) / 2;
        ::PostMessageA(t.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        Mouse(t, WM_LBUTTONDOWN, x, y);
        Wait(20);
    }
    void KeyUp(TskSkinDirTreeView& t, WORD key) { t.Perform(WM_KEYUP, key, 0); }

    TempFolderTree folders;
    sk::TskSkinMessage* message = new sk::TskSkinMessage(&form);
};

TEST_F(DirTreeTest, NewTreeShowsTheComputerWithOneNodePerDrive)
{
    auto* t = new TskSkinDirTreeView(&form);
    EXPECT_TRUE(t->ReadOnly());
    EXPECT_FALSE(t->HideSelection());
    EXPECT_EQ(t->Width(), 180);
    EXPECT_EQ(t->Height(), 120);
    EXPECT_NE(t->Images(), nullptr);
    EXPECT_EQ(t->Images(), sk::SystemSmallImages());
    t->SetParent(&form);
    t->HandleNeeded();

    TTreeNode* root = t->Items().GetFirstNode();
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->GetNextSibling(), nullptr);
    EXPECT_EQ(root->Text(), sk::DrivesFolderLook().Name);
    EXPECT_TRUE(root->Expanded());
    EXPECT_EQ(TskSkinDirTreeView::NodePath(root), "");

    const DWORD mask = ::GetLogicalDrives();
    ASSERT_EQ(root->Count(), int(std::bitset<26>(mask).count()));
    TTreeNode* drive = root->GetFirstChild();
    for (int i = 0; i < 26; ++i) {
        if (!(mask & (DWORD(1) << i)))
            continue;
        const std::string letter(1, char('A' + i));
        SCOPED_TRACE(letter);
        EXPECT_EQ(drive->Text().substr(0, 7), " (" + letter + ":)  ");
        EXPECT_EQ(drive->Text().find('(', 2), std::string::npos);  // the display name ends before its "("
        EXPECT_TRUE(drive->HasChildren());
        EXPECT_EQ(drive->Count(), 0);  // nothing read until it opens
        EXPECT_EQ(TskSkinDirTreeView::NodePath(drive), letter + ":\\");
        drive = drive->GetNextSibling();
    }
    // A window made anew keeps what was built.
    TTreeNode* first = root->GetFirstChild();
    t->SetReadOnly(false);
    EXPECT_EQ(t->Items().GetFirstNode(), root);
    EXPECT_EQ(root->GetFirstChild(), first);
}

TEST_F(DirTreeTest, FoldersAreReadOnFirstExpansionSortedWithButtonsOnlyWhereFoldersAre)
{
    ASSERT_TRUE(folders.MakeFolder(L"r\\Zeta\\x"));
    ASSERT_TRUE(folders.MakeFolder(L"r\\alpha"));
    ASSERT_TRUE(folders.MakeFolder(L"r\\Beta"));
    ASSERT_TRUE(folders.MakeFile(L"r\\beta.txt"));
    ASSERT_TRUE(folders.MakeFile(L"r\\alpha\\a file"));
    auto* t = Make();
    t->SelectPath(folders.Path("r"));
    TTreeNode* r = t->Selected();
    ASSERT_NE(r, nullptr);
    EXPECT_TRUE(SameText(TskSkinDirTreeView::NodePath(r), folders.Path("r")));
    EXPECT_TRUE(r->Expanded());
    EXPECT_EQ(Children(r), "alpha|Beta|Zeta|");
    EXPECT_FALSE(r->GetFirstChild()->HasChildren());
    EXPECT_TRUE(r->Item(2)->HasChildren());
    EXPECT_EQ(r->Item(2)->Count(), 0);
    EXPECT_EQ(TskSkinDirTreeView::NodePath(r->Item(2)), TskSkinDirTreeView::NodePath(r) + "\\Zeta");

    r->Collapse(false);
    r->Expand(false);
    EXPECT_EQ(Children(r), "alpha|Beta|Zeta|");
    r->Item(2)->Expand(false);
    EXPECT_EQ(Children(r->Item(2)), "x|");
    EXPECT_FALSE(r->Item(2)->GetFirstChild()->HasChildren());
}

TEST_F(DirTreeTest, RootWithoutDrivesGetsThemOnExpansionInsteadOfReadingAFolder)
{
    auto* t = new TskSkinDirTreeView(&form);
    TTreeNode* root = t->Items().Add(nullptr, "Computer");
    root->SetHasChildren(true);
    t->SetParent(&form);
    t->HandleNeeded();
    EXPECT_EQ(t->Items().GetFirstNode(), root);
    ASSERT_EQ(root->Count(), 0);
    root->Expand(false);
    ASSERT_EQ(root->Count(), int(std::bitset<26>(::GetLogicalDrives()).count()));
    for (TTreeNode* n = root->GetFirstChild(); n; n = n->GetNextSibling())
        EXPECT_EQ(n->Text().substr(0, 2), " (");
}

TEST_F(DirTreeTest, SelectPathFollowsOnlyThePathsOwnFolders)
{
    ASSERT_TRUE(folders.MakeFolder(L"Music\\B\\c"));
    ASSERT_TRUE(folders.MakeFolder(L"Music\\c"));
    ASSERT_TRUE(folders.MakeFolder(L"zz"));
    auto* t = Make();

    std::string mixed = folders.Path("mUSIC\\b");
    t->SelectPath(mixed);
    EXPECT_TRUE(SameText(SelectedPath(*t), folders.Path("Music\\B")));
    EXPECT_EQ(t->CurrentPath(), mixed + "\\");
    EXPECT_TRUE(t->Selected()->Parent()->Expanded());

    // Music\B is open and shows its own "c": Music\c is another folder.
    ASSERT_EQ(Children(t->Selected()), "c|");
    t->SelectPath(folders.Path("Music\\c"));
    EXPECT_TRUE(SameText(SelectedPath(*t), folders.Path("Music\\c")));
    EXPECT_EQ(t->Selected()->Parent()->Level(), t->Selected()->Level() - 1);
    EXPECT_EQ(t->Selected()->Parent()->Text(), "Music");

    // ".." names no node: the walk stops at the folder before it, and the
    // current path stays.
    const std::string before = t->CurrentPath();
    t->SelectPath(folders.Path("Music\\..\\zz"));
    EXPECT_TRUE(SameText(SelectedPath(*t), folders.Path("Music")));
    EXPECT_EQ(t->CurrentPath(), before);

    // A folder that does not exist, and a path of one character, change nothing.
    t->SelectPath(folders.Path("Music\\c"));
    t->SelectPath(folders.Path("Music\\missing"));
    t->SelectPath("C");
    t->SelectPath("");
    EXPECT_TRUE(SameText(SelectedPath(*t), folders.Path("Music\\c")));

    // A drive root selects the drive node, with the backslash.
    t->SelectPath("c:\\");
    EXPECT_EQ(SelectedPath(*t), "C:\\");
    EXPECT_EQ(t->CurrentPath(), "c:\\");
}

TEST_F(DirTreeTest, OddFolderNamesStayInsideTheirParent)
{
    ASSERT_TRUE(folders.MakeFolder(L"odd\\a.b\\in a.b"));
    folders.MakeFolder(L"odd\\\u65e5\u672c\\in japanese");
    folders.MakeFolder(L"odd\\...\\in dots");
    folders.MakeFolder(std::wstring(L"odd\\") + std::wstring(180, L'W') + L"\\" + std::wstring(120, L'V'));
    ASSERT_TRUE(folders.MakeFolder(L"odd\\zz\\other"));
    auto* t = Make();
    t->SelectPath(folders.Path("odd"));
    TTreeNode* odd = t->Selected();
    ASSERT_NE(odd, nullptr);
    EXPECT_NE(Children(odd).find("a.b|"), std::string::npos);
    for (TTreeNode* n = odd->GetFirstChild(); n; n = n->GetNextSibling()) {
        SCOPED_TRACE(n->Text());
        const std::string path = TskSkinDirTreeView::NodePath(n);
        if (path.size() < MAX_PATH) {
            EXPECT_TRUE(sk::DirectoryExists(path));
        }
        n->Expand(false);
        if (n->Text() == "zz") {
            EXPECT_EQ(Children(n), "other|");
        } else if (n->Text().size() < 100) {
            EXPECT_EQ(Children(n).find("other"), std::string::npos);
        }
    }
}

TEST_F(DirTreeTest, MouseAndArrowKeysMoveTheCurrentPath)
{
    ASSERT_TRUE(folders.MakeFolder(L"k\\one"));
    ASSERT_TRUE(folders.MakeFolder(L"k\\two"));
    auto* t = Make();
    t->SelectPath(folders.Path("k"));
    TTreeNode* k = t->Selected();
    Click(*t, k->Item(1));
    EXPECT_EQ(t->Selected(), k->Item(1));
    EXPECT_TRUE(SameText(t->CurrentPath(), folders.Path("k\\two")));

    ::SendMessageA(t->Handle(), WM_KEYDOWN, VK_UP, 0);
    KeyUp(*t, VK_UP);
    EXPECT_EQ(t->Selected(), k->Item(0));
    EXPECT_TRUE(SameText(t->CurrentPath(), folders.Path("k\\one")));

    TTreeNode* root = t->Items().GetFirstNode();
    t->SetSelected(root);
    KeyUp(*t, VK_DOWN);
    EXPECT_EQ(t->CurrentPath(), "Drives");
    t->SetSelected(k);
    KeyUp(*t, VK_RIGHT);
    EXPECT_TRUE(SameText(t->CurrentPath(), folders.Path("k")));

    Click(*t, root);
    EXPECT_EQ(t->Selected(), root);
    EXPECT_EQ(t->CurrentPath(), "Drives");
}

TEST_F(DirTreeTest, F5ReadsTheDrivesAnewAndKeepsTheFolderSelected)
{
    ASSERT_TRUE(folders.MakeFolder(L"f\\kept"));
    auto* t = Make();
    t->SelectPath(folders.Path("f\\kept"));
    ASSERT_TRUE(folders.MakeFolder(L"f\\new"));
    KeyUp(*t, VK_F5);
    EXPECT_NE(t->Items().GetFirstNode(), nullptr);
    EXPECT_TRUE(SameText(SelectedPath(*t), folders.Path("f\\kept")));
    EXPECT_EQ(Children(t->Selected()->Parent()), "kept|new|");
}

TEST_F(DirTreeTest, DriveCheckTellsOfBadLettersAndDrivesThatAreNotReady)
{
    const char unused = UnusedLetter();
    ASSERT_NE(unused, 0);
    MessageBoxWatcher boxes;
    EXPECT_TRUE(sk::CheckDriveReady('c', true, message));
    EXPECT_FALSE(sk::CheckDriveReady(unused, false, message));
    EXPECT_TRUE(boxes.Texts().empty());

    EXPECT_FALSE(sk::CheckDriveReady(char(unused + 'a' - 'A'), true, message));
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(boxes.Texts()[0], kNotReady);

    EXPECT_FALSE(sk::CheckDriveReady('1', true, message));
    ASSERT_EQ(boxes.Texts().size(), 3u);
    EXPECT_EQ(boxes.Texts()[1], "Not a valid Drive ID");
    EXPECT_EQ(boxes.Texts()[2], kNotReady);
}

TEST_F(DirTreeTest, EmptyCdDriveClickedReturnsToThePreviousSelection)
{
    ASSERT_TRUE(folders.MakeFolder(L"prev"));
    auto* t = Make<CdTree>();
    t->cdLetter = UnusedLetter();
    ASSERT_NE(t->cdLetter, 0);
    TTreeNode* root = t->Items().GetFirstNode();
    TTreeNode* cd = t->Items().AddChild(root, std::string(" (") + t->cdLetter + ":)  CD Drive ");
    cd->SetHasChildren(true);
    t->SelectPath(folders.Path("prev"));
    Click(*t, t->Selected());
    const std::string previous = t->CurrentPath();

    {
        MessageBoxWatcher boxes;
        Click(*t, cd);
        EXPECT_EQ(boxes.Texts(), std::vector<std::string>{kNotReady});
    }
    EXPECT_TRUE(SameText(SelectedPath(*t), folders.Path("prev")));
    EXPECT_TRUE(SameText(t->CurrentPath(), previous + "\\"));

    // From the root, the root again.
    {
        MessageBoxWatcher boxes;
        Click(*t, root);
        Click(*t, cd);
        EXPECT_EQ(boxes.Texts().size(), 1u);
    }
    EXPECT_EQ(t->Selected(), root);
    EXPECT_EQ(t->CurrentPath(), "Drives");

    // The arrow keys only tell: the drive stays selected.
    {
        MessageBoxWatcher boxes;
        t->SetSelected(cd);
        KeyUp(*t, VK_DOWN);
        EXPECT_EQ(boxes.Texts(), std::vector<std::string>{kNotReady});
    }
    EXPECT_EQ(t->Selected(), cd);
    EXPECT_EQ(t->CurrentPath(), std::string(1, t->cdLetter) + ":\\");
}

TEST_F(DirTreeTest, FoldersAreRenamedInPlaceOnlyWithValidNames)
{
    ASSERT_TRUE(folders.MakeFolder(L"ren\\old\\child"));
    auto* t = Make();
    t->SetReadOnly(false);
    t->SelectPath(folders.Path("ren\\old"));
    TTreeNode* node = t->Selected();
    auto rename = [&](TTreeNode* n, const std::string& text) {
        HWND edit = reinterpret_cast<HWND>(
            ::SendMessageA(t->Handle(), TVM_EDITLABELA, 0, reinterpret_cast<LPARAM>(n->ItemId())));
        if (!edit)
            return false;
        ::SetWindowTextA(edit, text.c_str());
        ::SendMessageA(t->Handle(), TVM_ENDEDITLABELNOW, FALSE, 0);
        return true;
    };
    // Neither the computer nor a drive can be renamed.
    EXPECT_FALSE(rename(t->Items().GetFirstNode(), "x"));
    EXPECT_FALSE(rename(t->Items().GetFirstNode()->GetFirstChild(), "x"));
    EXPECT_FALSE(t->IsEditing());

    for (const char* bad : {"", "a*b", "a/b", "c:d", "semi;colon", "a+b", "..", ".", " . "}) {
        SCOPED_TRACE(bad);
        ASSERT_TRUE(rename(node, bad));
        EXPECT_EQ(node->Text(), "old");
        EXPECT_TRUE(sk::DirectoryExists(folders.Path("ren\\old\\child")));
    }
    ASSERT_TRUE(rename(node, "new name"));
    EXPECT_EQ(node->Text(), "new name");
    EXPECT_TRUE(sk::DirectoryExists(folders.Path("ren\\new name\\child")));
    EXPECT_FALSE(sk::DirectoryExists(folders.Path("ren\\old")));
    EXPECT_EQ(t->Selected(), node->Parent());
    EXPECT_TRUE(SameText(TskSkinDirTreeView::NodePath(node->GetFirstChild()), folders.Path("ren\\new name\\child")));
}

TEST_F(DirTreeTest, FreedSkinMessageIsForgotten)
{
    auto* t = Make();
    EXPECT_EQ(t->SkinMessage(), message);
    delete message;
    EXPECT_EQ(t->SkinMessage(), nullptr);
    message = nullptr;
}

}  // namespace

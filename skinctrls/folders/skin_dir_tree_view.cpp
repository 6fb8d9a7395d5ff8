#include "skinctrls/folders/skin_dir_tree_view.h"

#include <windows.h>
#include <shellapi.h>

#include "gui/controls/screen.h"
#include "skinctrls/dialogs/skin_message.h"
#include "skinctrls/folders/drive_check.h"
#include "skinctrls/folders/folder_scan.h"
#include "skinctrls/folders/shell_look.h"

namespace sk {

namespace {

constexpr const char* kDrives = "Drives";

// The hourglass while the disk is read, the previous cursor afterwards.
class BusyCursor {
public:
    BusyCursor() : previous_(gui::Screen().Cursor()) { gui::Screen().SetCursor(gui::crHourGlass); }
    ~BusyCursor() { gui::Screen().SetCursor(previous_); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    gui::TCursor previous_;
};

// One update bracket of the node list, closed also when an error leaves.
class NodeUpdate {
public:
    explicit NodeUpdate(gui::TTreeNodes& nodes) : nodes_(nodes) { nodes_.BeginUpdate(); }
    ~NodeUpdate() { nodes_.EndUpdate(); }
    NodeUpdate(const NodeUpdate&) = delete;
    NodeUpdate& operator=(const NodeUpdate&) = delete;

private:
    gui::TTreeNodes& nodes_;
};

bool SameText(const std::string& first, const std::string& second)
{
    return ::lstrcmpiA(first.c_str(), second.c_str()) == 0;
}

std::string WithBackslash(const std::string& path)
{
    return !path.empty() && path.back() == '\\' ? path : path + '\\';
}

bool IsDriveRoot(const std::string& path) { return path.size() == 3 && path.find(":\\") != std::string::npos; }

// A drive node's text is " (X:)  name": its letter and colon are characters 3-4.
std::string DriveOfNode(const gui::TTreeNode* node)
{
    const std::string& text = node->Text();
    return text.size() >= 4 ? text.substr(2, 2) : std::string();
}

// Names the file system cannot take, or that would name another folder.
bool ValidFolderName(const std::string& name)
{
    if (name.empty() || name.find_first_of("\\*?/=\"<>|:,;+^") != std::string::npos)
        return false;
    return name.find_first_not_of(". ") != std::string::npos;
}

void SetLook(gui::TTreeNode* node, const TShellLook& look)
{
    node->SetImageIndex(look.Image);
    node->SetSelectedIndex(look.OpenImage);
}

}  // namespace

TskSkinDirTreeView::TskSkinDirTreeView(gui::TComponent* owner) : TskSkinCustomTreeView(owner)
{
    SetReadOnly(true);
    SetShowButtons(true);
    SetBounds(Left(), Top(), 180, 120);
    SetHideSelection(false);
    SetImages(SystemSmallImages());
}

TskSkinDirTreeView::~TskSkinDirTreeView()
{
    Destroying();
    DestroyHandle();
}

void TskSkinDirTreeView::SetSkinMessage(TskSkinMessage* value)
{
    skinMessage_ = value;
    if (value)
        FreeNotification(value);
}

void TskSkinDirTreeView::Notification(gui::TComponent* component, gui::TOperation operation)
{
    TskSkinCustomTreeView::Notification(component, operation);
    if (operation == gui::opRemove && component == skinMessage_)
        skinMessage_ = nullptr;
}

// ---- Building ----

void TskSkinDirTreeView::CreateWnd()
{
    TskSkinCustomTreeView::CreateWnd();
    // A window made anew keeps the nodes, their expansion and the selection.
    if (ComponentState().Contains(gui::csLoading) || Items().GetFirstNode())
        return;
    Rebuild();
    Items().GetFirstNode()->Expand(false);
}

void TskSkinDirTreeView::Loaded()
{
    TskSkinCustomTreeView::Loaded();
    Rebuild();
    Items().GetFirstNode()->Expand(false);
}

void TskSkinDirTreeView::Rebuild()
{
    NodeUpdate update(Items());
    Items().Clear();
    const TShellLook look = DrivesFolderLook();
    gui::TTreeNode* root = Items().Add(nullptr, look.Name);
    SetLook(root, look);
    AddDrives(root);
}

gui::TTreeNode* TskSkinDirTreeView::AddDrive(gui::TTreeNode* root, char letter)
{
    const std::string path{letter, ':', '\\'};
    const TShellLook look = PathLook(path);
    const std::string name = look.Name.substr(0, look.Name.find('('));
    gui::TTreeNode* node = Items().AddChild(root, std::string(" (") + letter + ":)  " + name);
    SetLook(node, look);
    node->SetHasChildren(true);
    return node;
}

void TskSkinDirTreeView::AddDrives(gui::TTreeNode* root)
{
    const DWORD mask = ::GetLogicalDrives();
    for (int i = 0; i < 26; ++i)
        if (mask & (DWORD(1) << i))
            AddDrive(root, char('A' + i));
}

void TskSkinDirTreeView::LoadFolders(gui::TTreeNode* node, const std::string& path)
{
    // The root has drives, not folders: an empty path would read the current drive.
    if (!node || path.empty())
        return;
    if (IsDriveRoot(path) && !CheckDriveReady(path[0], true, skinMessage_))
        return;
    const std::string folder = WithBackslash(path);
    for (const std::string& name : SubFolders(folder)) {
        const std::string full = folder + name;
        gui::TTreeNode* child = Items().AddChild(node, name);
        child->SetHasChildren(HasSubFolders(full));
        SetLook(child, PathLook(full));
    }
}

bool TskSkinDirTreeView::CanExpand(gui::TTreeNode* node)
{
    if (node->Count() == 0) {
        BusyCursor busy;
        const std::string path = NodePath(node);
        node->SetHasChildren(false);
        if (node->Level() == 0)
            AddDrives(node);
        else
            LoadFolders(node, path);
        node->AlphaSort();
    }
    return TskSkinCustomTreeView::CanExpand(node);
}

// ---- Paths ----

std::string TskSkinDirTreeView::NodePath(const gui::TTreeNode* node)
{
    if (!node || node->Level() == 0)
        return std::string();
    std::string path;
    for (const gui::TTreeNode* n = node; n && n->Level() > 0; n = n->Parent()) {
        const std::string part = n->Level() == 1 ? DriveOfNode(n) : n->Text();
        path = path.empty() ? part : part + '\\' + path;
    }
    return node->Level() == 1 ? path + '\\' : path;
}

void TskSkinDirTreeView::SelectPath(const std::string& path)
{
    if (path.size() <= 1)
        return;
    if (IsDriveRoot(path) && !CheckDriveReady(path[0], true, skinMessage_))
        return;
    if (!DirectoryExists(path))
        return;
    if (!Items().GetFirstNode())
        Rebuild();
    const std::string target = WithBackslash(path);
    bool allFound = true;
    {
        NodeUpdate update(Items());
        gui::TTreeNode* node = Items().GetFirstNode();
        if (node->Count() == 0)
            AddDrives(node);
        for (size_t start = 0; start < target.size();) {
            const size_t end = target.find('\\', start) + 1;
            const std::string component = target.substr(start, end - start);
            start = end;
            // Only among the children: a folder of the same name elsewhere in
            // the tree is another folder.
            gui::TTreeNode* found = nullptr;
            for (gui::TTreeNode* child = node->GetFirstChild(); child && !found; child = child->GetNextSibling()) {
                const std::string name = child->Level() == 1 ? DriveOfNode(child) : child->Text();
                if (SameText(name + '\\', component))
                    found = child;
            }
            if (!found) {
                allFound = false;
                break;
            }
            found->SetSelected(true);
            found->Expand(false);
            node = found;
        }
    }
    if (allFound && !SameText(target, currentPath_))
        currentPath_ = target;
}

std::string TskSkinDirTreeView::SelectedPath(gui::TTreeNode* node)
{
    if (node->Level() == 0 && node->Count() == 0) {
        AddDrives(node);
        return std::string();
    }
    return NodePath(node);
}

void TskSkinDirTreeView::SelectRootOrPath(const std::string& path)
{
    if (path == kDrives) {
        if (gui::TTreeNode* root = Items().GetFirstNode()) {
            root->SetSelected(true);
            currentPath_ = kDrives;
        }
        return;
    }
    SelectPath(path);
}

UINT TskSkinDirTreeView::DriveType(const std::string& root) { return ::GetDriveTypeA(root.c_str()); }

bool TskSkinDirTreeView::RemovableNotReady(const gui::TTreeNode* node)
{
    if (node->Level() != 1)
        return false;
    const std::string root = NodePath(node);
    const UINT type = DriveType(root);
    if (type != DRIVE_REMOVABLE && type != DRIVE_CDROM)
        return false;
    return !CheckDriveReady(root[0], true, skinMessage_);
}

// ---- The user ----

void TskSkinDirTreeView::MouseDown(gui::TMouseButton button, gui::TShiftState shift, int x, int y)
{
    TskSkinCustomTreeView::MouseDown(button, shift, x, y);
    previousPath_ = currentPath_;
    if (HandleAllocated()) {
        TVHITTESTINFO hit{};
        hit.pt = POINT{x, y};
        ::SendMessageA(Handle(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        if (hit.hItem && (hit.flags & (TVHT_ONITEM | TVHT_ONITEMBUTTON))) {
            TVITEMA item{};
            item.mask = TVIF_HANDLE | TVIF_PARAM;
            item.hItem = hit.hItem;
            if (::SendMessageA(Handle(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) && item.lParam)
                SetSelected(reinterpret_cast<gui::TTreeNode*>(item.lParam));
        }
    }
    gui::TTreeNode* node = Selected();
    if (!node)
        return;
    const std::string path = SelectedPath(node);
    currentPath_ = node->Level() == 0 ? kDrives : path;
    if (RemovableNotReady(node))
        SelectRootOrPath(previousPath_);
    else
        previousPath_ = currentPath_;
}

void TskSkinDirTreeView::KeyUp(WORD& key, gui::TShiftState shift)
{
    TskSkinCustomTreeView::KeyUp(key, shift);
    if (key >= VK_LEFT && key <= VK_DOWN) {
        gui::TTreeNode* node = Selected();
        if (!node)
            return;
        const std::string path = SelectedPath(node);
        currentPath_ = node->Level() == 0 ? kDrives : path;
        RemovableNotReady(node);  // told, but the drive stays selected
    } else if (key == VK_F5) {
        Rebuild();
        SelectRootOrPath(currentPath_);
    }
}

// ---- Renaming ----

bool TskSkinDirTreeView::CanEdit(gui::TTreeNode* node)
{
    return node->Level() >= 2 && TskSkinCustomTreeView::CanEdit(node);
}

bool TskSkinDirTreeView::RenameFolder(const std::string& from, const std::string& to)
{
    // Both lists end in two zero characters.
    const std::string source = from + '\0';
    const std::string target = to + '\0';
    SHFILEOPSTRUCTA operation{};
    operation.hwnd = ::GetActiveWindow();
    operation.wFunc = FO_RENAME;
    operation.pFrom = source.c_str();
    operation.pTo = target.c_str();
    operation.fFlags = FOF_ALLOWUNDO;
    return ::SHFileOperationA(&operation) == 0 && !operation.fAnyOperationsAborted;
}

void TskSkinDirTreeView::Edit(gui::TTreeNode* node, std::string& text)
{
    if (!ValidFolderName(text)) {
        ::MessageBeep(MB_ICONHAND);
        text = node->Text();
        return;
    }
    BusyCursor busy;
    const std::string from = NodePath(node);
    const std::string to = WithBackslash(NodePath(node->Parent())) + text;
    if (!RenameFolder(from, to)) {
        text = node->Text();
        return;
    }
    node->SetText(text);
    node->Parent()->SetSelected(true);
}

}  // namespace sk

// The computer's folders as a skinned tree: a root for the computer's drives,
// a node per drive, and under each the folders, read from the disk only when
// their parent is first expanded. The selected node's path is kept as the
// current path ("Drives" for the root). Drives that are not ready are told
// through the skinned message box when one is assigned. Folders can be renamed
// in place once ReadOnly is turned off.
#pragma once

#include <string>

#include "skinctrls/views/skin_tree_view.h"

namespace sk {

class TskSkinMessage;

class TskSkinDirTreeView : public TskSkinCustomTreeView {
public:
    explicit TskSkinDirTreeView(gui::TComponent* owner);
    ~TskSkinDirTreeView() override;

    // Not owned; forgotten when it is freed.
    TskSkinMessage* SkinMessage() const { return skinMessage_; }
    void SetSkinMessage(TskSkinMessage* value);

    // The selected folder's path, or "Drives" while the root is selected.
    const std::string& CurrentPath() const { return currentPath_; }

    // Drops every node, then adds the root and a node per drive.
    void Rebuild();
    // Reads the folders of the node whose path is given into its children.
    void LoadFolders(gui::TTreeNode* node, const std::string& path);
    // "X:\" for a drive, "X:\name\sub" for a folder, empty for the root.
    static std::string NodePath(const gui::TTreeNode* node);
    // Selects and expands the nodes along an existing folder's path, as far as
    // they are found.
    void SelectPath(const std::string& path);

protected:
    void CreateWnd() override;
    void Loaded() override;
    void Notification(gui::TComponent* component, gui::TOperation operation) override;
    bool CanExpand(gui::TTreeNode* node) override;
    bool CanEdit(gui::TTreeNode* node) override;
    void Edit(gui::TTreeNode* node, std::string& text) override;
    void MouseDown(gui::TMouseButton button, gui::TShiftState shift, int x, int y) override;
    void KeyUp(WORD& key, gui::TShiftState shift) override;

    // The system's drive type of the drive of a path (2 removable, 5 CD-ROM).
    virtual UINT DriveType(const std::string& root);
    // Moves a folder to its new name; true when it was renamed.
    virtual bool RenameFolder(const std::string& from, const std::string& to);

private:
    gui::TTreeNode* AddDrive(gui::TTreeNode* root, char letter);
    void AddDrives(gui::TTreeNode* root);
    // The selected node's path; the drives are added first when the root is
    // selected without any.
    std::string SelectedPath(gui::TTreeNode* node);
    bool RemovableNotReady(const gui::TTreeNode* node);
    void SelectRootOrPath(const std::string& path);

    TskSkinMessage* skinMessage_ = nullptr;
    std::string currentPath_;
    std::string previousPath_;
};

}  // namespace sk

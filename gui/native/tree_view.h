// The system's tree view as a control: nodes with texts and pictures, expand
// buttons, lines, and label editing unless ReadOnly. Nodes live in the control
// and outlive its window. A node's children can be loaded when it is first
// expanded: OnExpanding comes before every expansion, by the user or by Expand.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "gui/core/set.h"
#include "gui/native/native_view.h"
#include "gui/native/tree_nodes.h"

namespace gui {

// What lies at a point of a tree view.
enum THitTest { htAbove, htBelow, htNowhere, htOnItem, htOnButton, htOnIcon, htOnIndent, htOnLabel, htOnRight,
                htOnStateIcon, htToLeft, htToRight };
using THitTests = Set<THitTest>;

using TTVChangedEvent = std::function<void(TComponent* sender, TTreeNode* node)>;
using TTVExpandingEvent = std::function<void(TComponent* sender, TTreeNode* node, bool& allowExpansion)>;
using TTVEditingEvent = std::function<void(TComponent* sender, TTreeNode* node, bool& allowEdit)>;
// `s` is the new text; the node takes what the handler leaves in it.
using TTVEditedEvent = std::function<void(TComponent* sender, TTreeNode* node, std::string& text)>;

class TCustomTreeView : public TNativeView {
public:
    explicit TCustomTreeView(TComponent* owner);
    ~TCustomTreeView() override;

    TTreeNodes& Items() { return items_; }
    TTreeNode* Selected();
    void SetSelected(TTreeNode* node);  // none clears the selection

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value) { SetStyleFlag(readOnly_, value); }
    bool ShowButtons() const { return showButtons_; }
    void SetShowButtons(bool value) { SetStyleFlag(showButtons_, value); }
    bool ShowLines() const { return showLines_; }
    void SetShowLines(bool value) { SetStyleFlag(showLines_, value); }
    // Lines and buttons also before the root nodes.
    bool ShowRoot() const { return showRoot_; }
    void SetShowRoot(bool value) { SetStyleFlag(showRoot_, value); }
    // Whether the selection hides while the view does not have the focus.
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool value) { SetStyleFlag(hideSelection_, value); }
    // The system image list of the node pictures; the view never destroys it.
    HIMAGELIST Images() const { return images_; }
    void SetImages(HIMAGELIST value);

    TTreeNode* GetNodeAt(int x, int y);  // on its text or picture
    THitTests GetHitTestInfoAt(int x, int y);
    // The nodes that fit the window fully.
    int VisibleCount();
    TTreeNode* TopItem();
    bool IsEditing();

    TTVChangedEvent OnChange;  // the selection moved
    TTVExpandingEvent OnExpanding;
    TTVEditingEvent OnEditing;
    TTVEditedEvent OnEdited;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;

    virtual bool CanExpand(TTreeNode* node);
    virtual void Change(TTreeNode* node);
    virtual bool CanEdit(TTreeNode* node);
    virtual void Edit(TTreeNode* node, std::string& text);

private:
    friend class TTreeNode;
    friend class TTreeNodes;

    void SetStyleFlag(bool& flag, bool value);
    void ApplyColors() override;
    void InsertNative(TTreeNode& node);
    void InsertNativeTree(TTreeNode& node);
    void ExpandNative(TTreeNode& node, UINT action);
    TTreeNode* NodeOf(HTREEITEM item);
    void SaveState() override;
    void CNNotify(TMessage& message);

    TTreeNodes items_;
    TTreeNode* selected_ = nullptr;  // kept while there is no window
    bool readOnly_ = false;
    bool showButtons_ = true;
    bool showLines_ = true;
    bool showRoot_ = true;
    bool hideSelection_ = true;
    HIMAGELIST images_ = nullptr;
    TTreeNode* expanding_ = nullptr;  // asked already: its expansion by Expand
    bool quiet_ = true;               // no events while the window is made or goes
};

}  // namespace gui

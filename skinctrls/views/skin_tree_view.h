// The system's tree view in the skin's look: font and background colour from
// the element "treeview" (or its defaults), no frame and no scroll bars of its
// own. It can drive two external skinned scroll bars, which it shows while its
// content does not fit, keeps in step with its scroll position, and follows when
// the user moves them.
#pragma once

#include "gui/native/tree_view.h"
#include "skinctrls/views/skin_view.h"

namespace sk {

class TskSkinCustomTreeView : public TskSkinView<gui::TCustomTreeView> {
public:
    explicit TskSkinCustomTreeView(gui::TComponent* owner);
    ~TskSkinCustomTreeView() override;

    void ApplySkin() override;
    void UpdateScrollBars() override;

protected:
    void FollowScrollBar(bool vertical) override;
    void Change(gui::TTreeNode* node) override;
};

}  // namespace sk

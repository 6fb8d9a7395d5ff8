// The system's tree view in the skin's look: font and background colour from
// the element "treeview" (or its defaults), no frame and no scroll bars of its
// own. It can drive two external skinned scroll bars, which it shows while its
// content does not fit, keeps in step with its scroll position, and follows when
// the user moves them.
#pragma once

#include <cstdint>
#include <string>

#include "gui/tree_view.h"
#include "skin/skin_data.h"
#include "skinctrls/skin_scroll_bar.h"

namespace sk {

class TskSkinCustomTreeView : public gui::TCustomTreeView {
public:
    explicit TskSkinCustomTreeView(gui::TComponent* owner);
    ~TskSkinCustomTreeView() override;

    // Not owned. A bar given here is enabled, hidden until needed, and its
    // OnChange moves the view.
    TskSkinScrollBar* VScrollBar() const { return vScrollBar_; }
    void SetVScrollBar(TskSkinScrollBar* value);
    TskSkinScrollBar* HScrollBar() const { return hScrollBar_; }
    void SetHScrollBar(TskSkinScrollBar* value);
    TskSkinData* SkinData() const { return skinData_; }
    // Reads the skin at once when it is loaded.
    void SetSkinData(TskSkinData* value);
    const std::string& SkinDataName() const { return skinDataName_; }
    void SetSkinDataName(const std::string& value) { skinDataName_ = value; }
    // Font and colour without a skin element.
    const gui::TFont& DefaultFont() const { return defaultFont_; }
    void SetDefaultFont(const gui::TFont& value);
    gui::TColor DefaultColor() const { return defaultColor_; }

    // Font and colour from the skin (or the defaults), then the bars.
    virtual void ApplySkin();
    // Shows, hides and sets the external bars by the view's scroll state.
    void UpdateScrollBars();

protected:
    void Loaded() override;
    void Notification(gui::TComponent* component, gui::TOperation operation) override;
    void WndProc(gui::TMessage& message) override;
    void CreateParams(gui::TCreateParams& params) override;
    void Change(gui::TTreeNode* node) override;

private:
    void AttachBar(TskSkinScrollBar*& field, TskSkinScrollBar* value, bool vertical);
    void FollowBar(TskSkinScrollBar* bar, UINT msg);

    TskSkinScrollBar* vScrollBar_ = nullptr;
    TskSkinScrollBar* hScrollBar_ = nullptr;
    TskSkinData* skinData_ = nullptr;
    int32_t skinIndex_ = -1;
    gui::TFont defaultFont_;
    gui::TColor defaultColor_ = gui::clWindow;
    std::string skinDataName_ = "treeview";
    bool updating_ = false;
};

}  // namespace sk

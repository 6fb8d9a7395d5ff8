// What the skinned list and tree views share around the system view they wrap:
// font and background colour from a skin element (or the view's defaults
// without one), no frame and no scroll bars of the window's own, and two
// external skinned scroll bars that the view shows while its content does not
// fit and follows when the user moves them.
#pragma once

#include <cstdint>
#include <string>

#include "gui/controls/control_messages.h"
#include "skin/data/skin_client.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_data_link.h"
#include "skinctrls/controls/skin_scroll_bar.h"
#include "skinctrls/views/view_skin.h"

namespace sk {

template <typename View>
class TskSkinView : public View, public TskSkinClient {
public:
    TskSkinView(gui::TComponent* owner, const std::string& skinDataName) : View(owner), skinDataName_(skinDataName)
    {
        defaultFont_.SetName("Arial");
        defaultFont_.SetHeight(14);
        defaultFont_.SetStyle({});
    }

    // Not owned. A bar given here is enabled, hidden until needed, and its
    // OnChange moves the view.
    TskSkinScrollBar* VScrollBar() const { return vScrollBar_; }
    void SetVScrollBar(TskSkinScrollBar* value) { AttachBar(vScrollBar_, value, true); }
    TskSkinScrollBar* HScrollBar() const { return hScrollBar_; }
    void SetHScrollBar(TskSkinScrollBar* value) { AttachBar(hScrollBar_, value, false); }
    TskSkinData* SkinData() const override { return skinData_; }
    // Reads the skin at once when it is loaded.
    void SetSkinData(TskSkinData* value)
    {
        if (LinkSkinData(*this, skinData_, value))
            ApplySkin();
    }
    const std::string& SkinDataName() const { return skinDataName_; }
    void SetSkinDataName(const std::string& value) { skinDataName_ = value; }
    // Font and colour without a skin element.
    const gui::TFont& DefaultFont() const { return defaultFont_; }
    void SetDefaultFont(const gui::TFont& value)
    {
        defaultFont_.Assign(value);
        if (skinIndex_ == -1)
            this->SetFont(defaultFont_);
    }
    gui::TColor DefaultColor() const { return defaultColor_; }

    // Font and colour from the skin (or the defaults), then the bars.
    void ApplySkin() override = 0;
    // Shows, hides and sets the external bars by the view's scroll state.
    virtual void UpdateScrollBars() = 0;

protected:
    // Moves the view to where the user put one of the bars.
    virtual void FollowScrollBar(bool vertical) = 0;

    void Loaded() override
    {
        View::Loaded();
        ApplySkin();
    }

    void Notification(gui::TComponent* component, gui::TOperation operation) override
    {
        View::Notification(component, operation);
        if (operation != gui::opRemove)
            return;
        if (component == skinData_)
            skinData_ = nullptr;
        if (component == vScrollBar_)
            vScrollBar_ = nullptr;
        if (component == hScrollBar_)
            hScrollBar_ = nullptr;
    }

    void CreateParams(gui::TCreateParams& params) override
    {
        View::CreateParams(params);
        params.Style &= ~DWORD(WS_HSCROLL | WS_VSCROLL);
    }

    void WndProc(gui::TMessage& message) override
    {
        switch (message.Msg) {
        case WM_NCCALCSIZE:
        case WM_NCPAINT:
            // No frame and no bars of the window's own: the client area is all of it.
            message.Result = 0;
            return;
        case gui::CM_VISIBLECHANGED:
            // Hidden with the view; shown again only as far as the content needs.
            View::WndProc(message);
            if (!this->Visible()) {
                SetBarVisible(vScrollBar_, false);
                SetBarVisible(hScrollBar_, false);
            } else {
                UpdateScrollBars();
            }
            return;
        default:
            break;
        }
        View::WndProc(message);
        switch (message.Msg) {
        case WM_SIZE:
        case WM_PAINT:
        case WM_KEYDOWN:
        case WM_LBUTTONUP:
            UpdateScrollBars();  // skipped while the bars' own change resizes the view
            break;
        default:
            break;
        }
    }

    TskSkinScrollBar* vScrollBar_ = nullptr;
    TskSkinScrollBar* hScrollBar_ = nullptr;
    TskSkinData* skinData_ = nullptr;
    int32_t skinIndex_ = -1;
    std::string skinDataName_;
    gui::TFont defaultFont_;
    gui::TColor defaultColor_ = gui::clWindow;
    bool updating_ = false;

private:
    void AttachBar(TskSkinScrollBar*& field, TskSkinScrollBar* value, bool vertical)
    {
        TskSkinScrollBar* other = &field == &vScrollBar_ ? hScrollBar_ : vScrollBar_;
        if (field && field != value && field != other) {
            field->OnChange = nullptr;
            this->RemoveFreeNotification(field);
        }
        field = value;
        if (value) {
            this->FreeNotification(value);
            value->SetEnabled(true);
            value->SetVisible(false);
            value->OnChange = [this, vertical](gui::TComponent*) { FollowScrollBar(vertical); };
        }
        if (!this->ComponentState().Contains(gui::csDestroying))
            UpdateScrollBars();
    }
};

}  // namespace sk

// The system's list view in the skin's look: font and background colour from
// the element "listview" (or its defaults), no frame and no scroll bars of its
// own, and a column header painted from the element "resizebutton". It can
// drive two external skinned scroll bars, which it shows while its content does
// not fit, keeps in step with its scroll position, and follows when the user
// moves them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "gui/list_view.h"
#include "gui/window_subclass.h"
#include "skin/skin_data.h"
#include "skinctrls/list_header_skin.h"
#include "skinctrls/skin_scroll_bar.h"

namespace sk {

class TskSkinCustomListView : public gui::TCustomListView {
public:
    explicit TskSkinCustomListView(gui::TComponent* owner);
    ~TskSkinCustomListView() override;

    const std::string& HeaderSkinDataName() const { return headerSkinDataName_; }
    void SetHeaderSkinDataName(const std::string& value);
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
    void SetDefaultColor(gui::TColor value);

    // Font and colour from the skin (or the defaults), then the bars.
    virtual void ApplySkin();
    // Shows, hides and sets the external bars by the view's scroll state.
    void UpdateScrollBars();

    // The header window the view paints, none while it has none.
    HWND HeaderWindow() const { return header_ ? header_->Window() : nullptr; }
    // The place (from the left) of the section held down by the mouse; -1 none.
    int PressedSection() const { return pressedFlag_ ? pressedIndex_ : -1; }

protected:
    void Loaded() override;
    void Notification(gui::TComponent* component, gui::TOperation operation) override;
    void WndProc(gui::TMessage& message) override;
    void CreateParams(gui::TCreateParams& params) override;
    void CreateWnd() override;

private:
    void AttachBar(TskSkinScrollBar*& field, TskSkinScrollBar* value, bool vertical);
    void FollowVScrollBar();
    void FollowHScrollBar();
    void UpdateIconBars(bool& changed);
    void UpdateListBars(bool& changed);
    void UpdateReportBars(bool& changed);
    int FirstItemHeight();
    // The view's own hold on the header it made.
    void HoldHeader(HWND window);
    void HeaderProc(gui::TMessage& message);
    void PaintHeader(HDC dc);

    std::string headerSkinDataName_ = "resizebutton";
    TskListHeaderSkin headerSkin_;
    std::unique_ptr<gui::TWindowSubclass> header_;
    bool updating_ = false;
    bool scrolling_ = false;
    TskSkinScrollBar* vScrollBar_ = nullptr;
    TskSkinScrollBar* hScrollBar_ = nullptr;
    TskSkinData* skinData_ = nullptr;
    int32_t skinIndex_ = -1;
    std::string skinDataName_ = "listview";
    gui::TFont defaultFont_;
    gui::TColor defaultColor_ = gui::clWindow;
    int32_t lastVPosition_ = 0;
    int32_t lastHPosition_ = 0;
    int32_t pressedIndex_ = -1;
    bool pressedFlag_ = false;
};

// The list view as forms place it.
class TskSkinListView : public TskSkinCustomListView {
public:
    using TskSkinCustomListView::TskSkinCustomListView;
};

}  // namespace sk

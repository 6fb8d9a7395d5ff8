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

#include "gui/native/list_view.h"
#include "gui/native/window_subclass.h"
#include "skinctrls/views/list_header_skin.h"
#include "skinctrls/views/skin_view.h"

namespace sk {

class TskSkinCustomListView : public TskSkinView<gui::TCustomListView> {
public:
    explicit TskSkinCustomListView(gui::TComponent* owner);
    ~TskSkinCustomListView() override;

    const std::string& HeaderSkinDataName() const { return headerSkinDataName_; }
    void SetHeaderSkinDataName(const std::string& value);
    // The background colour without a skin element.
    void SetDefaultColor(gui::TColor value);

    void ApplySkin() override;
    void UpdateScrollBars() override;

    // The header window the view paints, none while it has none.
    HWND HeaderWindow() const { return header_ ? header_->Window() : nullptr; }
    // The place (from the left) of the section held down by the mouse; -1 none.
    int PressedSection() const { return pressedFlag_ ? pressedIndex_ : -1; }

protected:
    void FollowScrollBar(bool vertical) override;
    void WndProc(gui::TMessage& message) override;
    void CreateWnd() override;

private:
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
    bool scrolling_ = false;
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

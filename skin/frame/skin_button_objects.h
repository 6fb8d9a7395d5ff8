// Push buttons of the frame, which may open a popup menu or work as a radio
// group, and the standard caption buttons: close, maximize, minimize, system
// menu and roll-up. The standard buttons also serve the frame without a skin,
// with a plain look of their own.
#pragma once

#include "skin/frame/active_skin_object.h"

namespace gui {
class TMenuItem;
}

namespace sk {

class TskSkinButtonObject : public TskActiveSkinObject {
public:
    TskSkinButtonObject(TskSkinObjectHost* parent, TskDataSkinButton* data);

    bool Down() const { return down_; }
    // Pressing a grouped button releases the other button of its group that is down.
    void SetDown(bool value);
    // The popup opens above the button.
    bool PopupUp() const { return popupUp_; }
    void SetPopupUp(bool value) { popupUp_ = value; }
    const gui::TRect& DownRect() const { return downRect_; }
    const gui::TRect& DisableSkinRect() const { return disableSkinRect_; }
    // -1: no group.
    int GroupIndex() const { return groupIndex_; }
    // The item whose sub-items the button opens.
    gui::TMenuItem* PopupItem() const { return popupItem_; }
    void SetPopupItem(gui::TMenuItem* value) { popupItem_ = value; }

    void Draw(gui::TCanvas& canvas, bool repaint) override;
    void MouseDown(int x, int y, gui::TMouseButton button) override;
    void MouseUp(int x, int y, gui::TMouseButton button) override;
    void MouseEnter() override;
    void MouseLeave() override;

protected:
    void OpenPopup();

private:
    bool down_ = false;
    bool popupUp_ = false;
    gui::TRect downRect_;
    gui::TRect disableSkinRect_;
    int groupIndex_ = -1;
    gui::TMenuItem* popupItem_ = nullptr;
};

class TskSkinStdButtonObject : public TskSkinButtonObject {
public:
    // Without a record the button has the default look; the engine then sets its
    // IDName, Command, rectangles and SkinRectInAPicture.
    TskSkinStdButtonObject(TskSkinObjectHost* parent, TskDataSkinStdButton* data);

    bool HasSkin() const { return hasSkin_; }
    TskStdCommand Command() const { return command_; }
    void SetCommand(TskStdCommand value) { command_ = value; }
    // The looks while the command is in its restoring state (the form maximized,
    // minimized or rolled up), in ActivePicture.
    const gui::TRect& RestoreRect() const { return restoreRect_; }
    const gui::TRect& RestoreActiveRect() const { return restoreActiveRect_; }
    const gui::TRect& RestoreDownRect() const { return restoreDownRect_; }

    // The command would restore the form: maximize while maximized, minimize
    // while minimized, roll-up while rolled up.
    bool RestoringState() const;

    void Draw(gui::TCanvas& canvas, bool repaint) override;
    bool MorphInProgress() override;
    void MouseDown(int x, int y, gui::TMouseButton button) override;
    void MouseUp(int x, int y, gui::TMouseButton button) override;
    void DblClick() override;

private:
    bool ShowsIcon() const;
    void DrawDefault(gui::TCanvas& canvas);
    void RunCommand();

    bool hasSkin_ = false;
    TskStdCommand command_ = cmClose;
    gui::TRect restoreRect_, restoreActiveRect_, restoreDownRect_;
};

// Opens the sub-items of Item below ObjectRect of the frame (above it with
// PopupUp), through the item's skinned popup menu when it has one, else through
// the engine's menu engine. An item without sub-items opens nothing.
void OpenObjectPopup(TskSkinObjectHost& host, const gui::TRect& objectRect, gui::TMenuItem* item, bool popupUp);

// Runs a command on the frame's form: close, maximize or restore, minimize or
// restore, roll up or down. The system menu and the default command open menus
// instead: false for them, with nothing done.
bool RunFormCommand(TskSkinObjectHost& host, TskStdCommand command);

}  // namespace sk

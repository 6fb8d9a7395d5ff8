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
    TskSkinButtonObject(TskSkinObjectHost* AParent, TskDataSkinButton* AData);
    bool Down = false;
    bool PopupUp = false;  // the popup opens above the button
    gui::TRect DownRect;
    gui::TRect DisableSkinRect;
    int GroupIndex = -1;  // -1: no group
    gui::TMenuItem* PopupItem = nullptr;  // whose sub-items the button opens

    // Pressing a grouped button releases the other button of its group that is down.
    void SetDown(bool value);

    void Draw(gui::TCanvas& Canvas, bool Repaint) override;
    void MouseDown(int X, int Y, gui::TMouseButton Button) override;
    void MouseUp(int X, int Y, gui::TMouseButton Button) override;
    void MouseEnter() override;
    void MouseLeave() override;

protected:
    void OpenPopup();
};

class TskSkinStdButtonObject : public TskSkinButtonObject {
public:
    // Without data the button has the default look; the engine then sets its
    // IDName, Command, rectangles and SkinRectInAPicture.
    TskSkinStdButtonObject(TskSkinObjectHost* AParent, TskDataSkinStdButton* AData);
    bool HasSkin = false;
    TskStdCommand Command = cmClose;
    // The looks while the command is in its restoring state (the form maximized,
    // minimized or rolled up), in ActivePicture.
    gui::TRect RestoreRect, RestoreActiveRect, RestoreDownRect;

    // The command would restore the form: maximize while maximized, minimize
    // while minimized, roll-up while rolled up.
    bool RestoringState() const;

    void Draw(gui::TCanvas& Canvas, bool Repaint) override;
    bool MorphInProgress() override;
    void MouseDown(int X, int Y, gui::TMouseButton Button) override;
    void MouseUp(int X, int Y, gui::TMouseButton Button) override;
    void DblClick() override;

private:
    bool ShowsIcon() const;
    void DrawDefault(gui::TCanvas& Canvas);
    void RunCommand();
};

// Opens the sub-items of Item below ObjectRect of the frame (above it with
// PopupUp), through the item's skinned popup menu when it has one, else through
// the engine's menu engine. An item without sub-items opens nothing.
void OpenObjectPopup(TskSkinObjectHost& Host, const gui::TRect& ObjectRect, gui::TMenuItem* Item, bool PopupUp);

// Runs a command on the frame's form: close, maximize or restore, minimize or
// restore, roll up or down. The system menu and the default command open menus
// instead: false for them, with nothing done.
bool RunFormCommand(TskSkinObjectHost& Host, TskStdCommand Command);

}  // namespace sk

// The skinned menu engine of a form, with a popup menu to open and a record of
// the clicks and closing messages; and pumps of the message loop.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "gui/controls/menu.h"
#include "skin/popups/skin_menu.h"
#include "skin/popups/skin_popup_window.h"
#include "support/gui_pump.h"

namespace menutest {

// Runs the message loop for a while.
inline void Pump(DWORD milliseconds) { testsupport::GuiPump(milliseconds); }

// Pumps until the condition holds, for at most half a minute: far above what the
// menus' timers need, so that a busy machine does not fail a test.
template <typename Condition>
bool PumpUntil(Condition condition)
{
    return testsupport::GuiPumpUntil(condition);
}

using namespace gui;
using sk::TskSkinMenu;
using sk::TskSkinPopupWindow;

class SkinMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The menus follow the real mouse: it rests where no menu opens.
        ::SetCursorPos(2, ::GetSystemMetrics(SM_CYSCREEN) - 4);
        form.SetBounds(20, 20, 200, 100);
        form.HandleNeeded();
        hook = std::make_unique<TWndProcHook>(form.WindowProc(), [this](TMessage& m) {
            if (m.Msg == sk::WM_CLOSESKINMENUS)
                ++formCloses;
            hook->CallNext(m);
        });
    }
    void TearDown() override { hook.reset(); }

    TMenuItem* Add(TMenuItem& parent, const std::string& caption, bool enabled = true)
    {
        auto* item = new TMenuItem(nullptr);
        item->SetCaption(caption);
        item->SetEnabled(enabled);
        item->OnClick = [this, caption](TComponent*) {
            clicks += caption + ";";
            levelsAtClick = engine.LevelCount();
        };
        parent.Add(item);
        return item;
    }
    void Open(int x = 100, int y = 100, int startIndex = 0)
    {
        engine.Popup(nullptr, nullptr, startIndex, Rect(x, y, x, y), &menu.Items(), false);
    }
    TskSkinPopupWindow& Level(int i) { return *engine.Levels(i); }
    int Active(int level = 0) { return Level(level).ActiveRow(); }
    TPoint RowCentre(int level, int row)
    {
        const TRect r = Level(level).Rows(row)->ItemRect();
        return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }

    TForm form{nullptr};
    TPopupMenu menu{nullptr};
    TskSkinMenu engine{nullptr, &form};
    std::unique_ptr<TWndProcHook> hook;
    int formCloses = 0;
    std::string clicks;
    int levelsAtClick = -1;
};

}  // namespace menutest

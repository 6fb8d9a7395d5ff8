// What the tests of the form skinning engine share: a skin of a frame picture
// whose pixels tell where they come from, a form of its own for each test, and
// the window's hit test and frame pixels.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "gui/controls/form.h"
#include "gui/core/types.h"
#include "gui/graphics/bitmap.h"
#include "skin/data/skin_data.h"
#include "skin/model/stored_skin.h"
#include "support/gui_pump.h"

#include <gtest/gtest.h>

namespace formenginetest {

// A skin of a 100 x 60 picture (red x, green y), a mask with its top-left corner
// cut, and a frame: corner points (20, 20), (80, 20), (20, 50), (80, 50), client
// rectangle (4, 20, 96, 56), border width 2. Extra lines up to the first section
// header are FORMINFO keys that replace or add to these; the sections after them
// are added as they stand. The active pictures are added in order.
class FormSkin {
public:
    explicit FormSkin(const std::vector<std::string>& extra = {}, const std::vector<gui::TBitmap*>& active = {});
    sk::TskSkinData& Data() { return *data_; }
    // Loads the skin again, with other lines.
    void Reload(const std::vector<std::string>& extra);

private:
    gui::TForm owner_{nullptr};
    sk::TskStoredSkin* stored_;
    sk::TskSkinData* data_;
};

// Dispatches the messages that arrive during ms milliseconds.
inline void Wait(int ms) { testsupport::GuiPump(DWORD(ms)); }
// Dispatches messages until the condition holds, checked after each round;
// false when it still does not after ms milliseconds. The engine's timers and
// the display's mouse come late on a busy machine: the bound is far above what
// they need.
inline bool WaitUntil(const std::function<bool()>& condition, int ms = 30000)
{
    return testsupport::GuiPumpUntil(condition, DWORD(ms));
}

// A test with a 200 x 120 form of its own at (120, 120), captioned "Frame".
class FormEngineTest : public ::testing::Test {
protected:
    FormEngineTest();
    ~FormEngineTest() override;

    // The client area's place in the window and its size.
    gui::TRect ClientInWindow();
    // WM_NCHITTEST at a window point.
    LRESULT HitTest(int x, int y);
    // A pixel of the window (frame included).
    COLORREF FramePixel(int x, int y);
    // A window point as a screen point in LParam.
    LPARAM ScreenParam(int x, int y);

    gui::TForm* form;
};

}  // namespace formenginetest

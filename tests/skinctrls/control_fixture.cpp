#include "control_fixture.h"

#include "gui/controls/application.h"
#include "picture_fixtures.h"

namespace skinctrlstest {

namespace {

gui::TForm& SharedForm()
{
    static gui::TForm* form = [] {
        auto* f = new gui::TForm(nullptr);
        f->SetBounds(100, 100, 400, 300);
        f->Show();
        return f;
    }();
    return *form;
}

}  // namespace

ControlTest::ControlTest() : form(SharedForm())
{
    form.SetColor(gui::clBtnFace);
    form.SetModalResult(gui::mrNone);
    ::SetFocus(form.Handle());
    target.SetSize(400, 300);
}

ControlTest::~ControlTest()
{
    ::ReleaseCapture();
    form.DestroyComponents();
}

void RampSkinTest::SetUp()
{
    skintest::MakeRamp(ramp, 64, 64);
    skin.AddPicture(ramp);
}

gui::TCanvas& ControlTest::Painted(gui::TControl& control)
{
    gui::TCanvas& canvas = target.Canvas();
    canvas.Brush().SetStyle(gui::bsSolid);
    canvas.Brush().SetColor(gui::clFuchsia);
    canvas.FillRect(gui::Rect(0, 0, target.Width(), target.Height()));
    control.Perform(WM_PAINT, reinterpret_cast<WPARAM>(canvas.Handle()), 0);
    return canvas;
}

void ControlTest::Mouse(gui::TWinControl& control, UINT msg, int x, int y)
{
    const WPARAM keys = msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK ? MK_LBUTTON : 0;
    ::SendMessageA(control.Handle(), msg, keys, gui::PointToLParam(gui::Point(x, y)));
}

gui::TColor RGBOf(gui::TColor color) { return gui::TColor(gui::ColorToRGB(color)); }

}  // namespace skinctrlstest

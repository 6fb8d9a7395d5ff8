// Dialog forms and the program as a whole: border styles, centring on the screen,
// keys seen by the form first, icons, and the program minimized and restored.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "gui/controls/application.h"
#include "gui/controls/custom_control.h"
#include "gui/controls/form.h"
#include "gui/controls/image.h"
#include "gui/graphics/bitmap.h"
#include "gui/graphics/icon.h"
#include "gui/native/custom_edit.h"
#include "win/gdi_handles.h"

namespace {

using namespace gui;

LONG_PTR Style(TForm& form) { return ::GetWindowLongPtrA(form.Handle(), GWL_STYLE); }
LONG_PTR ExStyle(TForm& form) { return ::GetWindowLongPtrA(form.Handle(), GWL_EXSTYLE); }

TEST(FormBorderStyleTest, EachStyleGivesItsFrameAndAChangeMakesTheWindowAnew)
{
    TForm form(nullptr);
    EXPECT_EQ(form.BorderStyle(), bsSizeable);
    EXPECT_TRUE(Style(form) & WS_THICKFRAME);

    form.SetBorderStyle(bsDialog);
    EXPECT_FALSE(Style(form) & WS_THICKFRAME);
    EXPECT_TRUE(Style(form) & WS_CAPTION);
    EXPECT_TRUE(ExStyle(form) & WS_EX_DLGMODALFRAME);

    form.SetBorderStyle(bsNone);
    EXPECT_FALSE(Style(form) & WS_CAPTION);
    EXPECT_TRUE(Style(form) & WS_POPUP);

    form.SetBorderStyle(bsSingle);
    EXPECT_TRUE(Style(form) & WS_CAPTION);
    EXPECT_FALSE(Style(form) & WS_THICKFRAME);
}

TEST(FormPositionTest, ScreenCenterCentresTheFormWhenShown)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    form.SetPosition(poScreenCenter);
    form.Show();
    EXPECT_EQ(form.Left(), (::GetSystemMetrics(SM_CXSCREEN) - 300) / 2);
    EXPECT_EQ(form.Top(), (::GetSystemMetrics(SM_CYSCREEN) - 200) / 2);
    form.Hide();
}

class Child : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
};

TEST(KeyPreviewTest, FormSeesItsControlsKeysFirstAndCanTakeThem)
{
    TForm form(nullptr);
    auto* child = new Child(&form);
    child->SetParent(&form);
    child->HandleNeeded();
    std::string seen;
    form.OnKeyDown = [&](TComponent*, WORD& key, TShiftState) {
        seen += "form;";
        if (key == 'X')
            key = 0;
    };
    form.OnKeyPress = [&](TComponent*, char& key) {
        seen += std::string("formchar ") + key + ";";
        key = char(key + 1);
    };
    child->OnKeyDown = [&](TComponent*, WORD&, TShiftState) { seen += "child;"; };
    child->OnKeyPress = [&](TComponent*, char& key) { seen += std::string("childchar ") + key + ";"; };

    child->Perform(WM_KEYDOWN, 'A', 0);
    EXPECT_EQ(seen, "child;");  // no preview yet

    seen.clear();
    form.SetKeyPreview(true);
    child->Perform(WM_KEYDOWN, 'A', 0);
    child->Perform(WM_KEYDOWN, 'X', 0);
    child->Perform(WM_CHAR, 'a', 0);
    EXPECT_EQ(seen, "form;child;form;formchar a;childchar b;");
}

// Notes where the focus is once its modal loop runs, and ends it.
class FocusProbeForm : public TForm {
public:
    using TForm::TForm;
    HWND focused = nullptr;

protected:
    void WndProc(TMessage& message) override
    {
        if (message.Msg == WM_APP + 7) {
            focused = ::GetFocus();
            SetModalResult(mrOk);
            return;
        }
        TForm::WndProc(message);
    }
};

TEST(ModalFormTest, TheFirstControlInTabOrderTakesTheKeys)
{
    FocusProbeForm form(nullptr);
    form.SetBounds(60, 60, 300, 200);
    auto* container = new TCustomControl(&form);
    container->SetParent(&form);
    container->SetBounds(0, 0, 300, 100);
    auto* second = new TCustomEdit(&form);
    second->SetParent(container);
    second->SetBounds(10, 10, 100, 20);
    auto* disabled = new TCustomEdit(&form);
    disabled->SetParent(container);
    disabled->SetBounds(10, 40, 100, 20);
    disabled->SetEnabled(false);
    auto* first = new TCustomEdit(&form);
    first->SetParent(container);
    first->SetBounds(10, 70, 100, 20);
    first->SetTabOrder(0);
    disabled->SetTabOrder(0);
    ::PostMessageA(form.Handle(), WM_APP + 7, 0, 0);
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(form.focused, first->Handle());
}

TEST(IconTest, ACopyGoesWithItsOwnIconOnly)
{
    TIcon icon;
    icon.AssignHandle(Application().Icon());
    ASSERT_FALSE(icon.Empty());
    EXPECT_NE(icon.Handle(), Application().Icon());
    EXPECT_EQ(icon.Width(), ::GetSystemMetrics(SM_CXICON));
    {
        TIcon copy;
        copy.Assign(icon);
        EXPECT_NE(copy.Handle(), icon.Handle());
    }
    win::WindowDC screen;
    EXPECT_TRUE(::DrawIconEx(screen.Get(), 0, 0, icon.Handle(), 0, 0, 0, nullptr, DI_NORMAL));
    EXPECT_TRUE(::DrawIconEx(screen.Get(), 0, 0, Application().Icon(), 0, 0, 0, nullptr, DI_NORMAL));
}

TEST(ImageTest, ShowsItsIconAtItsTopLeftCorner)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 150);
    auto* image = new TImage(&form);
    image->SetParent(&form);
    image->SetBounds(20, 10, 32, 32);
    image->SetIconHandle(::LoadIconA(nullptr, MAKEINTRESOURCEA(32513) /* IDI_HAND */));
    form.HandleNeeded();

    TBitmap target;
    target.SetSize(200, 150);
    target.Canvas().Brush().SetColor(TColor(0xFF00FF));
    target.Canvas().FillRect(Rect(0, 0, 200, 150));
    form.PaintControls(target.Canvas().Handle(), nullptr);
    int painted = 0, outside = 0;
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < 200; ++x) {
            const bool changed = (uint32_t(target.Canvas().Pixels(x, y)) & 0xFFFFFF) != 0xFF00FF;
            const bool inImage = x >= 20 && x < 52 && y >= 10 && y < 42;
            (inImage ? painted : outside) += changed;
        }
    EXPECT_GT(painted, 100);
    EXPECT_EQ(outside, 0);
}

TEST(ApplicationWindowTest, MinimizeAndRestoreReachTheMainFormAndTheHooks)
{
    std::string sizes;
    std::unique_ptr<TWndProcHook> hook;
    hook = std::make_unique<TWndProcHook>(Application().WindowProc(), [&](TMessage& m) {
        if (m.Msg == WM_SIZE)
            sizes += m.WParam == SIZE_MINIMIZED ? "min;" : m.WParam == SIZE_RESTORED ? "restored;" : "other;";
        hook->CallNext(m);
    });
    EXPECT_TRUE(::IsWindow(Application().Handle()));
    EXPECT_FALSE(::IsWindowVisible(Application().Handle()));

    TForm form(nullptr);
    form.SetBounds(40, 40, 200, 100);
    form.Show();
    Application().SetMainForm(&form);
    Application().Minimize();
    Application().Minimize();
    EXPECT_TRUE(Application().Minimized());
    EXPECT_TRUE(::IsIconic(form.Handle()));
    Application().Restore();
    Application().Restore();
    EXPECT_FALSE(::IsIconic(form.Handle()));
    EXPECT_EQ(sizes, "min;restored;");
    Application().SetMainForm(nullptr);
    form.Hide();
}

TEST(ApplicationWindowTest, TheMainFormMinimizedOrRestoredByTheSystemChangesTheProgramsState)
{
    std::string sizes;
    std::unique_ptr<TWndProcHook> hook;
    hook = std::make_unique<TWndProcHook>(Application().WindowProc(), [&](TMessage& m) {
        if (m.Msg == WM_SIZE)
            sizes += m.WParam == SIZE_MINIMIZED ? "min;" : m.WParam == SIZE_RESTORED ? "restored;" : "other;";
        hook->CallNext(m);
    });
    TForm form(nullptr);
    form.SetBounds(40, 40, 200, 100);
    form.Show();
    Application().SetMainForm(&form);
    Application().Minimize();
    // Its taskbar button brings it back: the program is no longer minimized,
    // and the next Minimize minimizes it again.
    ::ShowWindow(form.Handle(), SW_RESTORE);
    EXPECT_FALSE(Application().Minimized());
    Application().Minimize();
    EXPECT_TRUE(::IsIconic(form.Handle()));
    ::ShowWindow(form.Handle(), SW_RESTORE);
    // The system minimizing it minimizes the program; Restore brings it back.
    ::ShowWindow(form.Handle(), SW_MINIMIZE);
    EXPECT_TRUE(Application().Minimized());
    Application().Restore();
    EXPECT_FALSE(::IsIconic(form.Handle()));
    EXPECT_EQ(sizes, "min;restored;min;restored;min;restored;");
    Application().SetMainForm(nullptr);
    form.Hide();
}

}  // namespace

#include "skin/imaging/default_look.h"

namespace sk {

namespace {

constexpr gui::TColor kHotFrame = 0x800000;
constexpr gui::TColor kPressedFill = 0xB59385;
constexpr gui::TColor kHotFill = 0xD2BDB6;

}  // namespace

void DrawDefaultFace(gui::TCanvas& Canvas, const gui::TRect& Rect, TskFaceState State)
{
    gui::TBrush& brush = Canvas.Brush();
    brush.SetStyle(gui::bsSolid);
    brush.SetColor(State == fsPressed ? kPressedFill : State == fsHot ? kHotFill : gui::clBtnFace);
    Canvas.FillRect(Rect);
    brush.SetColor(State == fsNormal ? gui::clBtnShadow : kHotFrame);
    Canvas.FrameRect(Rect);
}

void Frame3D(gui::TCanvas& Canvas, gui::TRect& Rect, gui::TColor Top, gui::TColor Bottom)
{
    const int right = Rect.Right - 1, bottom = Rect.Bottom - 1;
    gui::TPen& pen = Canvas.Pen();
    pen.SetWidth(1);
    pen.SetStyle(gui::psSolid);
    pen.SetColor(Top);
    Canvas.Polyline({{Rect.Left, bottom}, {Rect.Left, Rect.Top}, {right, Rect.Top}});
    pen.SetColor(Bottom);
    // Down the right edge and back along the bottom, the bottom-left pixel included.
    Canvas.Polyline({{right, Rect.Top}, {right, bottom}, {Rect.Left - 1, bottom}});
    Rect = gui::TRect{Rect.Left + 1, Rect.Top + 1, Rect.Right - 1, Rect.Bottom - 1};
}

void AssignSkinFont(gui::TFont& Font, const TskFontGroup& Element, const gui::TFont& Default)
{
    Font.SetName(Element.FontName);
    Font.SetHeight(Element.FontHeight);
    Font.SetStyle(Element.FontStyle);
    Font.SetCharset(Default.Charset());
}

}  // namespace sk

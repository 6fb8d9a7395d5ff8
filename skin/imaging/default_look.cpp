#include "skin/imaging/default_look.h"

namespace sk {

namespace {

constexpr gui::TColor kHotFrame = 0x800000;
constexpr gui::TColor kPressedFill = 0xB59385;
constexpr gui::TColor kHotFill = 0xD2BDB6;

}  // namespace

void DrawDefaultFace(gui::TCanvas& canvas, const gui::TRect& rect, TskFaceState state)
{
    gui::TBrush& brush = canvas.Brush();
    brush.SetStyle(gui::bsSolid);
    brush.SetColor(state == fsPressed ? kPressedFill : state == fsHot ? kHotFill : gui::clBtnFace);
    canvas.FillRect(rect);
    brush.SetColor(state == fsNormal ? gui::clBtnShadow : kHotFrame);
    canvas.FrameRect(rect);
}

void Frame3D(gui::TCanvas& canvas, gui::TRect& rect, gui::TColor topLeftColor, gui::TColor bottomRightColor)
{
    const int right = rect.Right - 1, bottom = rect.Bottom - 1;
    gui::TPen& pen = canvas.Pen();
    pen.SetWidth(1);
    pen.SetStyle(gui::psSolid);
    pen.SetColor(topLeftColor);
    canvas.Polyline({{rect.Left, bottom}, {rect.Left, rect.Top}, {right, rect.Top}});
    pen.SetColor(bottomRightColor);
    // Down the right edge and back along the bottom, the bottom-left pixel included.
    canvas.Polyline({{right, rect.Top}, {right, bottom}, {rect.Left - 1, bottom}});
    rect = gui::TRect{rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1};
}

void AssignSkinFont(gui::TFont& font, const TskFontGroup& element, const gui::TFont& fallback)
{
    font.SetName(element.FontName);
    font.SetHeight(element.FontHeight);
    font.SetStyle(element.FontStyle);
    font.SetCharset(fallback.Charset());
}

}  // namespace sk

#include "skin/frame/skin_button_objects.h"

#include "gui/controls/menu_item.h"
#include "skin/imaging/default_look.h"
#include "skin/imaging/glyphs.h"
#include "skin/model/geometry.h"
#include "skin/popups/skin_main_menu.h"
#include "skin/popups/skin_menu.h"
#include "skin/popups/skin_popup_menu.h"

namespace sk {

namespace {

// The default look of a frame button under the mouse, and pressed.
constexpr gui::TColor kHotFill = 13811126;     // RGB(182, 189, 210)
constexpr gui::TColor kPressedFill = 11899781;  // RGB(133, 147, 181)

}  // namespace

void OpenObjectPopup(TskSkinObjectHost& host, const gui::TRect& objectRect, gui::TMenuItem* item, bool popupUp)
{
    if (!item || item->Count() == 0)
        return;
    const gui::TPoint origin = host.FrameScreenOrigin();
    const gui::TRect rect = gui::Rect(objectRect.Left + origin.X, objectRect.Top + origin.Y,
                                      objectRect.Right + origin.X, objectRect.Bottom + origin.Y);
    if (auto* menu = dynamic_cast<TskSkinPopupMenu*>(item->GetParentMenu())) {
        menu->PopupFromRect(rect, popupUp);
        return;
    }
    host.SkinMenuOpen();
    // A skinned main menu may carry a skin of its own for its popups.
    auto* mainMenu = dynamic_cast<TskSkinMainMenu*>(item->GetParentMenu());
    TskSkinData* skin = mainMenu && mainMenu->SkinData() ? mainMenu->SkinData()
                        : host.MenusSkinData()            ? host.MenusSkinData()
                                                          : host.SkinData();
    host.SkinMenu().Popup(nullptr, skin, 0, rect, item, popupUp);
}

// ---- push button ----

TskSkinButtonObject::TskSkinButtonObject(TskSkinObjectHost* parent, TskDataSkinButton* data)
    : TskActiveSkinObject(parent, data)
{
    if (!data)
        return;
    downRect_ = data->DownRect;
    disableSkinRect_ = data->DisableSkinRect;
    groupIndex_ = data->GroupIndex;
}

void TskSkinButtonObject::Draw(gui::TCanvas& canvas, bool repaint)
{
    if (!Enabled() && !IsNullRect(disableSkinRect_))
        CopyToObject(canvas, ActivePicture(), disableSkinRect_);
    else if (down_ && !IsNullRect(downRect_) && (groupIndex_ != -1 || MouseIn()))
        CopyToObject(canvas, ActivePicture(), downRect_);
    else
        TskActiveSkinObject::Draw(canvas, repaint);
}

void TskSkinButtonObject::SetDown(bool value)
{
    down_ = value;
    if (!value) {
        if (IsNullRect(downRect_))
            return;
        if (groupIndex_ != -1 || popupItem_)
            SetActive(false);
        if (Morphing())
            Parent()->RedrawObject(*this);
        StartMorph();
        return;
    }
    if (!IsNullRect(downRect_)) {
        if (Morphing())
            SetMorphFactor(1);
        Parent()->RedrawObject(*this);
    }
    if (groupIndex_ == -1)
        return;
    for (int i = 0; i < Parent()->ObjectCount(); ++i) {
        auto* other = dynamic_cast<TskSkinButtonObject*>(Parent()->Objects(i));
        if (other && other != this && other->IDName() != IDName() && other->groupIndex_ == groupIndex_ &&
            other->down_) {
            other->SetDown(false);
            break;
        }
    }
}

void TskSkinButtonObject::OpenPopup() { OpenObjectPopup(*Parent(), ObjectRect(), popupItem_, popupUp_); }

void TskSkinButtonObject::MouseDown(int x, int y, gui::TMouseButton button)
{
    if (!Enabled())
        return;
    if (button == gui::mbLeft && !down_) {
        SetDown(true);
        OpenPopup();
    }
    TskActiveSkinObject::MouseDown(x, y, button);
}

void TskSkinButtonObject::MouseUp(int x, int y, gui::TMouseButton button)
{
    if (!Enabled())
        return;
    // Grouped buttons stay down until another of the group goes down; a button
    // with a popup until its menu closes.
    if (button == gui::mbLeft && !popupItem_ && down_ && groupIndex_ == -1)
        SetDown(false);
    TskActiveSkinObject::MouseUp(x, y, button);
}

void TskSkinButtonObject::MouseEnter()
{
    SetMouseIn(true);
    SetActive(true);
    if (!IsNullRect(downRect_) && down_) {
        if (groupIndex_ == -1)
            Parent()->RedrawObject(*this);
    } else if (!IsNullRect(ActiveSkinRect())) {
        StartMorph();
    }
    Parent()->MouseEnterEvent(IDName());
}

void TskSkinButtonObject::MouseLeave()
{
    SetMouseIn(false);
    if (!down_ || IsNullRect(downRect_) || (!popupItem_ && groupIndex_ == -1)) {
        SetActive(false);
        if (Morphing() && down_)
            SetMorphFactor(1);
        if (!IsNullRect(ActiveSkinRect()) || (!IsNullRect(downRect_) && groupIndex_ == -1))
            StartMorph();
    }
    Parent()->MouseLeaveEvent(IDName());
}

// ---- standard caption button ----

TskSkinStdButtonObject::TskSkinStdButtonObject(TskSkinObjectHost* parent, TskDataSkinStdButton* data)
    : TskSkinButtonObject(parent, data), hasSkin_(data != nullptr)
{
    if (!data)
        return;
    command_ = data->Command;
    restoreRect_ = data->RestoreRect;
    restoreActiveRect_ = data->RestoreActiveRect;
    restoreDownRect_ = data->RestoreDownRect;
}

bool TskSkinStdButtonObject::RestoringState() const
{
    switch (command_) {
    case cmMaximize:
        return Parent()->WindowState() == 2;
    case cmMinimize:
        return Parent()->WindowState() == 1;
    case cmRollUp:
        return Parent()->RolledUp();
    default:
        return false;
    }
}

bool TskSkinStdButtonObject::ShowsIcon() const
{
    return command_ == cmSysMenu && Parent()->ShowIcon() && SkinRectInAPicture();
}

void TskSkinStdButtonObject::Draw(gui::TCanvas& canvas, bool repaint)
{
    if (!hasSkin_) {
        DrawDefault(canvas);
        return;
    }
    const gui::TRect& place = ObjectRect();
    if (Enabled() && ShowsIcon()) {
        Parent()->DrawFormIcon(canvas, place.Left, place.Top);
        SetMorphFactor(0);
        return;
    }
    if (Enabled() && !IsNullRect(restoreRect_) && RestoringState()) {
        if (Down() && !IsNullRect(restoreDownRect_) && MouseIn()) {
            CopyToObject(canvas, ActivePicture(), restoreDownRect_);
        } else if (LookChanging()) {
            const int width = RectWidth(place), height = RectHeight(place);
            if (width < 1 || height < 1)
                return;
            gui::TBitmap normal, highlighted;
            CopyScaled(normal, width, height, ActivePicture(), restoreRect_);
            CopyScaled(highlighted, width, height, ActivePicture(), restoreActiveRect_);
            DrawMorph(canvas, normal, highlighted);
        } else {
            CopyToObject(canvas, ActivePicture(),
                         Active() && !IsNullRect(restoreActiveRect_) ? restoreActiveRect_ : restoreRect_);
        }
        return;
    }
    TskSkinButtonObject::Draw(canvas, repaint);
}

void TskSkinStdButtonObject::DrawDefault(gui::TCanvas& canvas)
{
    const gui::TRect& place = ObjectRect();
    if (command_ == cmSysMenu && Parent()->ShowIcon()) {
        Parent()->DrawFormIcon(canvas, place.Left, place.Top);
        return;
    }
    const int width = RectWidth(place), height = RectHeight(place);
    if (width < 1 || height < 1)
        return;
    gui::TBitmap image;
    image.SetSize(width, height);
    gui::TCanvas& face = image.Canvas();
    const gui::TRect all = gui::Rect(0, 0, width, height);
    face.Brush().SetStyle(gui::bsSolid);
    if (MouseIn()) {
        gui::TRect border = all;
        Frame3D(face, border, gui::clNavy, gui::clNavy);
        face.Brush().SetColor(Down() ? kPressedFill : kHotFill);
        face.FillRect(border);
    } else {
        face.Brush().SetColor(gui::clBtnFace);
        face.FillRect(all);
    }
    int x, y;
    if (Down()) {
        x = width / 2 - 4 - (MouseIn() ? 0 : 1);
        y = height / 2 - 3 - (MouseIn() ? 0 : 1);
    } else {
        x = width / 2 - 5;
        y = height / 2 - 4;
    }
    const gui::TColor color = Enabled() ? gui::clBtnText : gui::clBtnShadow;
    switch (command_) {
    case cmClose:
        DrawCloseGlyph(face, x, y, color);
        break;
    case cmMaximize:
        if (Parent()->WindowState() == 2)
            DrawRestoreGlyph(face, x, y, color);
        else
            DrawMaximizeGlyph(face, x, y, color);
        break;
    case cmMinimize:
        if (Parent()->WindowState() == 1)
            DrawRestoreGlyph(face, x, y, color);
        else
            DrawMinimizeGlyph(face, x, y, color);
        break;
    case cmSysMenu:
        DrawSysMenuGlyph(face, x, y, color);
        break;
    case cmRollUp:
        if (Parent()->RolledUp())
            DrawRollDownGlyph(face, x, y, color);
        else
            DrawRollUpGlyph(face, x, y, color);
        break;
    case cmDefault:
        break;
    }
    canvas.Draw(place.Left, place.Top, image);
}

bool TskSkinStdButtonObject::MorphInProgress()
{
    if (ShowsIcon())
        return false;
    return TskSkinButtonObject::MorphInProgress();
}

void TskSkinStdButtonObject::MouseDown(int, int, gui::TMouseButton button)
{
    if (button != gui::mbLeft || !Enabled() || Down())
        return;
    SetDown(true);
    if (command_ == cmSysMenu) {
        SetPopupItem(Parent()->GetSystemMenuItems());
        OpenPopup();
    }
}

bool RunFormCommand(TskSkinObjectHost& host, TskStdCommand command)
{
    switch (command) {
    case cmClose:
        host.CloseForm();
        return true;
    case cmMaximize:
        host.SetFormState(host.WindowState() == 2 ? 0 : 2);
        return true;
    case cmMinimize:
        host.SetFormState(host.SupportNCArea() && host.WindowState() == 1 ? 0 : 1);
        return true;
    case cmRollUp:
        host.RollUpForm(!host.RolledUp());
        return true;
    case cmSysMenu:
    case cmDefault:
        break;
    }
    return false;
}

void TskSkinStdButtonObject::RunCommand() { RunFormCommand(*Parent(), command_); }

void TskSkinStdButtonObject::MouseUp(int x, int y, gui::TMouseButton button)
{
    const bool run = Enabled() && Active() && button == gui::mbLeft;
    if (command_ == cmClose) {
        // Drawn up before the form goes.
        TskSkinButtonObject::MouseUp(x, y, button);
        if (run)
            RunCommand();
        return;
    }
    if (run)
        RunCommand();
    TskSkinButtonObject::MouseUp(x, y, button);
}

void TskSkinStdButtonObject::DblClick()
{
    if (command_ == cmSysMenu)
        Parent()->CloseForm();
}

}  // namespace sk

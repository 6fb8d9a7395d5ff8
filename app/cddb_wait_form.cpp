#include "app/cddb_wait_form.h"

#include "gui/canvas.h"
#include "skinctrls/skin_std_label.h"

namespace brenvale {

TfrmLoadCDDBDataMsg::TfrmLoadCDDBDataMsg(gui::TComponent* owner, sk::TskSkinData* skin) : TForm(owner)
{
    BeginLoading();
    SetName("frmLoadCDDBDataMsg");
    SetCaption("Loading CDDB Data ..");
    SetColor(gui::clWhite);
    SetClientWidth(389);
    SetClientHeight(117);

    Animate = new gui::TAnimate(this);
    Animate->SetName("Animate");
    Animate->SetBounds(56, 16, 272, 60);
    Animate->SetCommonAVI(gui::aviCopyFiles);
    Animate->SetStopFrame(31);
    Animate->SetParent(this);

    Label1 = new sk::TskSkinStdLabel(this);
    Label1->SetName("Label1");
    Label1->SetSkinData(skin);
    Label1->SetSkinDataName("stdlabel");
    Label1->SetUseSkinFont(false);
    gui::TFont font;
    font.SetName("Arial");
    font.SetHeight(-13);
    font.SetStyle({gui::fsBold});
    Label1->SetDefaultFont(font);
    Label1->SetFont(font);
    Label1->SetCaption("Loading data from CDDB, please wait ...");
    Label1->SetLeft(72);
    Label1->SetTop(88);
    Label1->SetParent(this);
    EndLoading();
}

void TfrmLoadCDDBDataMsg::CreateParams(gui::TCreateParams& params)
{
    TForm::CreateParams(params);
    params.Style = WS_POPUP | WS_CLIPCHILDREN | (params.Style & WS_VISIBLE);
    params.ExStyle |= WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
}

void TfrmLoadCDDBDataMsg::PaintWindow(HDC dc)
{
    TForm::PaintWindow(dc);
    gui::TCanvas canvas(dc);
    canvas.Brush().SetStyle(gui::bsSolid);
    gui::TRect r = ClientRect();
    canvas.Brush().SetColor(gui::clWindowFrame);
    canvas.FrameRect(r);
    r = gui::Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    canvas.Brush().SetColor(gui::clBtnShadow);
    canvas.FrameRect(r);
}

}  // namespace brenvale

// The window shown while a CDDB lookup blocks the program: no border, on top of
// the other windows, white, with the system's file-copy animation and a line of
// text. A thin frame sets it apart from the white track list it covers.
#pragma once

#include "gui/animate.h"
#include "gui/form.h"

namespace sk {
class TskSkinData;
class TskSkinStdLabel;
}  // namespace sk

namespace brenvale {

class TfrmLoadCDDBDataMsg : public gui::TForm {
public:
    TfrmLoadCDDBDataMsg(gui::TComponent* owner, sk::TskSkinData* skin);

    gui::TAnimate* Animate;
    sk::TskSkinStdLabel* Label1;

protected:
    void CreateParams(gui::TCreateParams& params) override;
    void PaintWindow(HDC dc) override;
};

}  // namespace brenvale

#include "skinctrls/controls/skin_std_label.h"

#include "skin/data/skin_data_link.h"
#include "skin/model/control_records.h"

namespace sk {

TskSkinStdLabel::TskSkinStdLabel(gui::TComponent* owner) : gui::TCustomLabel(owner) { SetTransparent(true); }

void TskSkinStdLabel::SetSkinData(TskSkinData* value)
{
    // Any skin given is read at once, loaded or not.
    LinkSkinData(*this, skinData_, value);
    if (value)
        ApplySkin();
}

void TskSkinStdLabel::ApplySkin()
{
    ReadSkinEntry();
    Repaint();
}

void TskSkinStdLabel::ReadSkinEntry()
{
    skinIndex_ = SkinControlIndex(skinData_, skinDataName_);
    if (skinIndex_ == -1)
        return;
    // An element of another kind has no font for a label: the label stays plain.
    if (const auto* record = dynamic_cast<const TskDataSkinStdLabelControl*>(skinData_->CtrlList[skinIndex_]))
        font_ = *record;
    else
        skinIndex_ = -1;
}

void TskSkinStdLabel::DoDrawText(gui::TRect& rect, UINT flags)
{
    ReadSkinEntry();
    const std::string text = LabelText(flags);
    gui::TFont& font = Canvas().Font();
    if (skinIndex_ == -1) {
        font.Assign(useSkinFont_ ? defaultFont_ : Font());
    } else {
        font.Assign(Font());
        if (useSkinFont_) {
            font.SetName(font_.FontName);
            font.SetStyle(font_.FontStyle);
            font.SetHeight(font_.FontHeight);
        }
        font.SetColor(font_.FontColor);
    }
    DrawLabelText(text, rect, LabelTextFlags(flags));
}

void TskSkinStdLabel::Notification(gui::TComponent* component, gui::TOperation operation)
{
    gui::TCustomLabel::Notification(component, operation);
    if (operation == gui::opRemove && component == skinData_)
        skinData_ = nullptr;
}

}  // namespace sk

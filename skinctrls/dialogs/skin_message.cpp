#include "skinctrls/dialogs/skin_message.h"

#include <algorithm>
#include <memory>

#include "gui/controls/application.h"
#include "gui/controls/image.h"
#include "skin/data/skin_data_link.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/model/control_records.h"
#include "skinctrls/controls/skin_button.h"
#include "skinctrls/controls/skin_std_label.h"

namespace sk {

namespace {

struct KindLook {
    const char* caption;  // none: the application's title
    int icon;             // system icon id, 0 for none
};

constexpr KindLook kKinds[] = {
    {"Warning", 32515},      // IDI_EXCLAMATION
    {"Error", 32513},        // IDI_HAND
    {"Information", 32516},  // IDI_ASTERISK
    {"Confirm", 32514},      // IDI_QUESTION
    {nullptr, 0},            // custom
};

struct ButtonLook {
    gui::TMsgDlgBtn button;
    const char* name;
    const char* caption;
    gui::TModalResult result;
};

// In the order the buttons are laid out.
constexpr ButtonLook kButtons[] = {
    {gui::mbYes, "Yes", "&Yes", gui::mrYes},
    {gui::mbNo, "No", "&No", gui::mrNo},
    {gui::mbOK, "OK", "OK", gui::mrOk},
    {gui::mbCancel, "Cancel", "Cancel", gui::mrCancel},
    {gui::mbAbort, "Abort", "&Abort", gui::mrAbort},
    {gui::mbRetry, "Retry", "&Retry", gui::mrRetry},
    {gui::mbIgnore, "Ignore", "&Ignore", gui::mrIgnore},
    {gui::mbAll, "All", "&All", gui::mrAll},
    {gui::mbNoToAll, "NoToAll", "N&oToAll", gui::mrNoToAll},
    {gui::mbYesToAll, "YesToAll", "&YesToAll", gui::mrYesToAll},
    {gui::mbHelp, "Help", "&Help", gui::mrNone},
};

constexpr int kButtonWidth = 60;
constexpr int kButtonGap = 10;
constexpr int kDefaultButtonHeight = 25;

void SetArial14(gui::TFont& font)
{
    font.SetName("Arial");
    font.SetHeight(14);
    font.SetStyle({});
}

// The height of the skin's button element, or the default height.
int ButtonHeight(TskSkinData* skin, const std::string& name)
{
    if (!skin || skin->Empty())
        return kDefaultButtonHeight;
    const int index = skin->GetControlIndex(name);
    if (index < 0)
        return kDefaultButtonHeight;
    const auto* record = dynamic_cast<const TskDataSkinButtonControl*>(skin->CtrlList[index]);
    return record ? record->SkinRect.Bottom - record->SkinRect.Top : kDefaultButtonHeight;
}

// The frame of the box goes to its skinning engine here.
void SkinMessageFrame(TskFormSkinEngine& engine, TskSkinData* skinData, TskSkinData* controlSkinData, bool alphaBlend,
                      bool alphaBlendAnimation, uint8_t alphaBlendValue)
{
    engine.SetSkinData(skinData);
    engine.SetMenusSkinData(controlSkinData);
    engine.SetAlphaBlend(alphaBlend);
    engine.SetAlphaBlendAnimation(alphaBlendAnimation);
    engine.SetAlphaBlendValue(alphaBlendValue);
}

}  // namespace

// The box

TskMessageForm::TskMessageForm(gui::TComponent* owner) : gui::TForm(owner)
{
    SetPosition(gui::poScreenCenter);
    SetBorderStyle(gui::bsDialog);
    SetKeyPreview(true);
    engine_ = new TskFormSkinEngine(this);
    engine_->SetBorderIcons({});
    engine_->SetSizeable(false);
}

void TskMessageForm::HelpButtonClick(gui::TComponent*) {}

TskMessageForm* CreateSkinMessageDialog(const std::string& messageText, gui::TMsgDlgType dialogType,
                                        gui::TMsgDlgButtons buttons, TskSkinData* skinData,
                                        TskSkinData* controlSkinData, const std::string& buttonSkinDataName,
                                        const std::string& messageLabelSkinDataName, const gui::TFont& defaultFont,
                                        const gui::TFont& defaultButtonFont, bool useSkinFont, bool alphaBlend,
                                        bool alphaBlendAnimation, uint8_t alphaBlendValue)
{
    auto form = std::make_unique<TskMessageForm>(&gui::Application());
    SkinMessageFrame(form->SkinEngine(), skinData, controlSkinData, alphaBlend, alphaBlendAnimation, alphaBlendValue);
    // The window now has the frame the engine gives it, so client sizes below are
    // the real ones.
    form->HandleNeeded();

    const int buttonHeight = ButtonHeight(controlSkinData, buttonSkinDataName);
    int count = 0;
    for (const ButtonLook& look : kButtons)
        count += buttons.Contains(look.button);
    const int buttonsWidth = count > 0 ? count * (kButtonWidth + kButtonGap) - kButtonGap : 0;

    form->SetBounds(::GetSystemMetrics(SM_CXSCREEN) / 2 - form->Width() / 2,
                    ::GetSystemMetrics(SM_CYSCREEN) / 2 - form->Height() / 2, form->Width(), form->Height());
    const KindLook& kind = kKinds[std::clamp(int(dialogType), 0, int(gui::mtCustom))];
    form->SetCaption(kind.caption ? kind.caption : gui::Application().Title());

    auto* label = new TskSkinStdLabel(form.get());
    label->SetName("Message");
    label->SetParent(form.get());
    label->SetFont(defaultFont);
    label->SetDefaultFont(defaultFont);
    label->SetUseSkinFont(useSkinFont);
    label->SetSkinDataName(messageLabelSkinDataName);
    label->SetSkinData(controlSkinData);
    label->SetAutoSize(true);
    label->SetCaption(messageText);
    label->SetBounds(50, 15, label->Width(), label->Height());
    const int labelRight = label->Left() + label->Width();

    auto* image = new gui::TImage(form.get());
    image->SetName("Image");
    image->SetParent(form.get());
    if (kind.icon)
        image->SetIconHandle(::LoadIconA(nullptr, MAKEINTRESOURCEA(kind.icon)));
    image->SetBounds(5, std::max(10, label->Top() + label->Height() / 2 - 16), 32, 32);

    form->SetClientHeight(buttonHeight + label->Height() + 50);
    form->SetClientWidth(buttonsWidth < labelRight ? labelRight + 40 : buttonsWidth + 40);
    TskFormSkinEngine& engine = form->SkinEngine();
    if (form->Width() > engine.GetMaxWidth())
        form->SetWidth(engine.GetMaxWidth());
    else if (form->Width() < engine.GetMinWidth())
        form->SetWidth(engine.GetMinWidth());

    const gui::TMsgDlgBtn defaultButton = buttons.Contains(gui::mbOK)    ? gui::mbOK
                                          : buttons.Contains(gui::mbYes) ? gui::mbYes
                                                                         : gui::mbRetry;
    const gui::TMsgDlgBtn cancelButton = buttons.Contains(gui::mbCancel) ? gui::mbCancel
                                         : buttons.Contains(gui::mbNo)   ? gui::mbNo
                                                                         : gui::mbOK;
    const int clientWidth = form->ClientWidth();
    const int top = form->ClientHeight() - buttonHeight - 10;
    int x = (clientWidth - buttonsWidth) / 2;
    TskMessageForm* box = form.get();
    for (const ButtonLook& look : kButtons) {
        if (!buttons.Contains(look.button))
            continue;
        auto* button = new TskSkinButton(box);
        button->SetParent(box);
        button->SetName(look.name);
        button->SetCaption(look.caption);
        button->SetCanFocused(true);
        button->SetModalResult(look.result);
        button->SetDefault(look.button == defaultButton);
        button->SetCancel(look.button == cancelButton);
        button->SetDefaultHeight(buttonHeight);
        button->SetBounds(x, top, kButtonWidth, buttonHeight);
        button->SetDefaultFont(defaultButtonFont);
        button->SetUseSkinFont(useSkinFont);
        if (look.button == gui::mbHelp)
            button->OnClick = [box](gui::TComponent* sender) { box->HelpButtonClick(sender); };
        button->SetSkinDataName(buttonSkinDataName);
        button->SetSkinData(controlSkinData);
        x += kButtonWidth + kButtonGap;
    }
    box->SetMessageLabel(label);
    return form.release();
}

// The component

TskSkinMessage::TskSkinMessage(gui::TComponent* owner) : gui::TComponent(owner)
{
    SetArial14(defaultFont_);
    SetArial14(defaultButtonFont_);
}

void TskSkinMessage::SetSkinData(TskSkinData* value)
{
    LinkSkinData(*this, skinData_, value);
    // The controls' skin is often the same one and must still be heard of when it goes.
    if (ctrlSkinData_)
        FreeNotification(ctrlSkinData_);
}

void TskSkinMessage::SetCtrlSkinData(TskSkinData* value)
{
    LinkSkinData(*this, ctrlSkinData_, value);
    if (skinData_)
        FreeNotification(skinData_);
}

void TskSkinMessage::Notification(gui::TComponent* component, gui::TOperation operation)
{
    gui::TComponent::Notification(component, operation);
    if (operation != gui::opRemove)
        return;
    if (component == skinData_)
        skinData_ = nullptr;
    if (component == ctrlSkinData_)
        ctrlSkinData_ = nullptr;
}

TskMessageForm* TskSkinMessage::CreateMessageForm(const std::string& messageText, gui::TMsgDlgType dialogType,
                                             gui::TMsgDlgButtons buttons)
{
    return CreateSkinMessageDialog(messageText, dialogType, buttons, skinData_, ctrlSkinData_, buttonSkinDataName_,
                                   messageLabelSkinDataName_, defaultFont_, defaultButtonFont_, useSkinFont_,
                                   alphaBlend_, alphaBlendAnimation_, alphaBlendValue_);
}

gui::TModalResult TskSkinMessage::MessageDlg(const std::string& messageText, gui::TMsgDlgType dialogType,
                                             gui::TMsgDlgButtons buttons, int helpContext)
{
    (void)helpContext;
    std::unique_ptr<TskMessageForm> box(CreateMessageForm(messageText, dialogType, buttons));
    return box->ShowModal();
}

}  // namespace sk

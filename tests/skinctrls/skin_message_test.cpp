// The skinned message box: its buttons and their roles, its size, caption and
// icon, the skin's button height, and a modal run closed from the keyboard.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>

#include "gui/controls/application.h"
#include "gui/controls/image.h"
#include "gui/controls/screen.h"
#include "skin/forms/form_skin_engine.h"
#include "skinctrls/controls/skin_button.h"
#include "skinctrls/controls/skin_std_label.h"
#include "skinctrls/dialogs/skin_message.h"
#include "test_skin.h"

namespace {

using namespace gui;
using sk::TskMessageForm;
using sk::TskSkinButton;
using sk::TskSkinMessage;

template <typename T>
T* Find(TComponent& owner, const std::string& name)
{
    for (int i = 0; i < owner.ComponentCount(); ++i)
        if (owner.Components(i)->Name() == name)
            return dynamic_cast<T*>(owner.Components(i));
    return nullptr;
}

class SkinMessageTest : public ::testing::Test {
protected:
    SkinMessageTest()
    {
        skin.AddElement("button", "button", {"pictureindex=-1", "skinrect=0,0,30,22", "lefttoppoint=5,0", "righttoppoint=25,0",
                                              "clientrect=5,0,25,22"});
        skin.AddElement("tall", "panel", {"pictureindex=-1", "skinrect=0,0,30,40"});
        skin.Load();
        message.SetCtrlSkinData(&skin.Data());
    }

    std::unique_ptr<TskMessageForm> Build(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons)
    {
        return std::unique_ptr<TskMessageForm>(message.CreateMessageForm(text, type, buttons));
    }
    TskSkinButton* Button(TskMessageForm& box, const std::string& name) { return Find<TskSkinButton>(box, name); }

    skinctrlstest::TestSkin skin;
    TskSkinMessage message{nullptr};
};

TEST_F(SkinMessageTest, DefaultAndCancelButtonsFollowTheButtonsAskedFor)
{
    auto yesNo = Build("Go on?", mtConfirmation, {mbYes, mbNo});
    EXPECT_TRUE(Button(*yesNo, "Yes")->Default());
    EXPECT_FALSE(Button(*yesNo, "Yes")->Cancel());
    EXPECT_TRUE(Button(*yesNo, "No")->Cancel());
    EXPECT_FALSE(Button(*yesNo, "No")->Default());

    auto okCancel = Build("Go on?", mtConfirmation, {mbOK, mbCancel});
    EXPECT_TRUE(Button(*okCancel, "OK")->Default());
    EXPECT_TRUE(Button(*okCancel, "Cancel")->Cancel());
    EXPECT_FALSE(Button(*okCancel, "OK")->Cancel());

    // No button to cancel with: the choice falls on the absent OK.
    auto ari = Build("Drive not ready", mtError, {mbAbort, mbRetry, mbIgnore});
    EXPECT_TRUE(Button(*ari, "Retry")->Default());
    for (const char* name : {"Abort", "Retry", "Ignore"})
        EXPECT_FALSE(Button(*ari, name)->Cancel()) << name;
    EXPECT_FALSE(Button(*ari, "Abort")->Default());
}

TEST_F(SkinMessageTest, ButtonsLieInARowInTheirOrderWithTheirCaptionsAndResults)
{
    auto box = Build("Replace?", mtWarning, {mbHelp, mbYesToAll, mbNoToAll, mbAll, mbYes, mbNo});
    struct Expected {
        const char* name;
        const char* caption;
        TModalResult result;
    } expected[] = {{"Yes", "&Yes", mrYes},      {"No", "&No", mrNo},
                    {"All", "&All", mrAll},      {"NoToAll", "N&oToAll", mrNoToAll},
                    {"YesToAll", "&YesToAll", 10}, {"Help", "&Help", mrNone}};
    const int buttonsWidth = 6 * 70 - 10;

    int x = (box->ClientWidth() - buttonsWidth) / 2;
    for (const Expected& e : expected) {
        TskSkinButton* b = Button(*box, e.name);
        ASSERT_NE(b, nullptr) << e.name;
        EXPECT_EQ(b->Caption(), e.caption);
        EXPECT_EQ(b->ModalResult(), e.result) << e.name;
        EXPECT_EQ(b->Parent(), box.get());
        EXPECT_EQ(b->Left(), x) << e.name;
        EXPECT_EQ(b->Width(), 60);
        EXPECT_EQ(b->Height(), 22);  // the skin's button element
        EXPECT_EQ(b->Top(), box->ClientHeight() - 22 - 10);
        EXPECT_EQ(b->SkinData(), &skin.Data());
        x += 70;
    }
    EXPECT_EQ(Button(*box, "OK"), nullptr);
}

TEST_F(SkinMessageTest, ButtonsWithoutASkinButtonElementAreOfTheDefaultHeight)
{
    message.SetButtonSkinDataName("tall");  // a panel, not a button
    auto box = Build("x", mtInformation, {mbOK});
    EXPECT_EQ(box->ClientHeight(), 25 + box->MessageLabel()->Height() + 50);
    EXPECT_EQ(Button(*box, "OK")->Top(), box->ClientHeight() - 25 - 10);

    message.SetButtonSkinDataName("button");
    message.SetCtrlSkinData(nullptr);
    box = Build("x", mtInformation, {mbOK});
    EXPECT_EQ(Button(*box, "OK")->Height(), 25);
    EXPECT_EQ(Button(*box, "OK")->SkinData(), nullptr);
}

TEST_F(SkinMessageTest, BoxFitsTheTextOrTheButtonsWithinTheWorkArea)
{
    message.SetCtrlSkinData(&skin.Data());
    auto box = Build("Hi", mtInformation, {mbYes, mbNo, mbCancel, mbHelp});
    auto* label = Find<sk::TskSkinStdLabel>(*box, "Message");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(box->MessageLabel(), label);
    EXPECT_EQ(label->Caption(), "Hi");
    EXPECT_EQ(label->Left(), 50);
    EXPECT_EQ(label->Top(), 15);
    EXPECT_LT(label->Left() + label->Width(), 270);
    if (box->Width() > box->SkinEngine().GetMinWidth()) {
        EXPECT_EQ(box->ClientWidth(), 270 + 40);
    }
    EXPECT_EQ(box->ClientHeight(), 22 + label->Height() + 50);

    box = Build(std::string(2000, 'W'), mtInformation, {mbOK});
    EXPECT_EQ(box->Width(), box->SkinEngine().GetMaxWidth());

    // A text of medium length sets the width itself.
    box = Build(std::string(40, 'W'), mtInformation, {mbOK});
    label = box->MessageLabel();
    EXPECT_EQ(box->ClientWidth(), label->Left() + label->Width() + 40);
}

TEST_F(SkinMessageTest, KindGivesCaptionAndIcon)
{
    auto box = Build("Careful", mtWarning, {mbOK});
    EXPECT_EQ(box->Caption(), "Warning");
    auto* image = Find<TImage>(*box, "Image");
    ASSERT_NE(image, nullptr);
    EXPECT_FALSE(image->Icon().Empty());
    EXPECT_EQ(image->Left(), 5);
    EXPECT_EQ(image->Width(), 32);
    const auto* label = box->MessageLabel();
    EXPECT_EQ(image->Top(), std::max(10, label->Top() + label->Height() / 2 - 16));

    const char* captions[] = {"Warning", "Error", "Information", "Confirm"};
    for (int kind = mtWarning; kind <= mtConfirmation; ++kind)
        EXPECT_EQ(Build("x", TMsgDlgType(kind), {mbOK})->Caption(), captions[kind]);

    box = Build("Custom", mtCustom, {mbOK});
    EXPECT_EQ(box->Caption(), Application().Title());
    EXPECT_TRUE(Find<TImage>(*box, "Image")->Icon().Empty());
    // A kind beyond the known ones is shown as a custom one.
    box = Build("Odd", TMsgDlgType(9), {mbOK});
    EXPECT_EQ(box->Caption(), Application().Title());
    EXPECT_TRUE(Find<TImage>(*box, "Image")->Icon().Empty());
}

TEST_F(SkinMessageTest, RemovedSkinsAreDropped)
{
    auto* frameSkin = new sk::TskSkinData(nullptr);
    auto* controlSkin = new sk::TskSkinData(nullptr);
    message.SetSkinData(frameSkin);
    message.SetCtrlSkinData(controlSkin);
    delete frameSkin;
    EXPECT_EQ(message.SkinData(), nullptr);
    EXPECT_EQ(message.CtrlSkinData(), controlSkin);
    delete controlSkin;
    EXPECT_EQ(message.CtrlSkinData(), nullptr);

    // One skin for both, then another for one of them: the other still hears of
    // the first one going.
    auto* shared = new sk::TskSkinData(nullptr);
    auto* other = new sk::TskSkinData(nullptr);
    message.SetSkinData(shared);
    message.SetCtrlSkinData(shared);
    message.SetSkinData(other);
    delete shared;
    EXPECT_EQ(message.CtrlSkinData(), nullptr);
    message.SetCtrlSkinData(other);
    message.SetCtrlSkinData(nullptr);
    delete other;
    EXPECT_EQ(message.SkinData(), nullptr);
}

// Posts a key to the message box once it shows.
WPARAM keyToPost = 0;
void CALLBACK PostKeyToBox(HWND, UINT, UINT_PTR id, DWORD)
{
    for (int i = 0; i < Screen().FormCount(); ++i)
        if (auto* box = dynamic_cast<TskMessageForm*>(Screen().Forms(i)))
            if (box->Visible()) {
                ::KillTimer(nullptr, id);
                ::PostMessageA(box->Handle(), WM_KEYDOWN, keyToPost, 0);
            }
}

TEST_F(SkinMessageTest, ModalRunAnswersTheButtonOfTheKeyAndFreesTheBox)
{
    message.SetCtrlSkinData(&skin.Data());
    const int forms = Screen().FormCount();
    keyToPost = VK_ESCAPE;
    ::SetTimer(nullptr, 0, 50, &PostKeyToBox);
    EXPECT_EQ(message.MessageDlg("Stop ripping?", mtConfirmation, {mbYes, mbNo, mbCancel}, 0), mrCancel);
    EXPECT_EQ(Screen().FormCount(), forms);

    keyToPost = VK_RETURN;
    ::SetTimer(nullptr, 0, 50, &PostKeyToBox);
    EXPECT_EQ(message.MessageDlg("Stop ripping?", mtConfirmation, {mbYes, mbNo}, 0), mrYes);
    EXPECT_EQ(Screen().FormCount(), forms);
}

}  // namespace

// A skin being reloaded reaches every control that draws from it, whichever form
// it sits on: each lets the old skin go while its pictures still stand and reads
// the new one once it stands, exactly once per change, on a form with a form
// skinning engine, on a plain form, inside a container, or on no form at all.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "gui/controls/custom_control.h"
#include "gui/controls/form.h"
#include "gui/controls/wnd_proc_chain.h"
#include "skin/data/skin_messages.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/model/stored_skin.h"
#include "skinctrls/controls/skin_control.h"
#include "skinctrls/controls/skin_edit.h"
#include "test_skin.h"

using namespace gui;

namespace {

constexpr TColor kOldColour = 0x0000FF, kNewColour = 0x00FF00;

// A skin of one picture in one colour and one element "probe" of the given height.
void Describe(skinctrlstest::TestSkin& skin, TColor colour, int height)
{
    skin.Clear();
    TBitmap picture;
    picture.SetSize(40, 40);
    picture.Canvas().Brush().SetColor(colour);
    picture.Canvas().FillRect(Rect(0, 0, 40, 40));
    const std::string pic = "pictureindex=" + std::to_string(skin.AddPicture(picture));
    skin.AddElement("probe", "panel", {pic, "skinrect=0,0,40," + std::to_string(height)});
    skin.AddElement("edit", "edit",
                    {pic, "skinrect=0,0,40," + std::to_string(height), "lefttoppoint=5,0", "righttoppoint=30,0",
                     "clientrect=3,3,30," + std::to_string(height - 3)});
}

// The colour of the skin's first picture now, or -1 when it has none.
long PictureColour(sk::TskSkinData& skin)
{
    TBitmap* picture = skin.ActivePicture(0);
    return picture ? long(ColorToRGB(picture->Canvas().Pixels(1, 1))) : -1;
}

// A skinned control that counts what it hears of skin changes and notes what the
// skin held at each moment.
class Listener : public sk::TskSkinControl {
public:
    explicit Listener(TComponent* owner) : TskSkinControl(owner) { SetSkinDataName("probe"); }
    void ReleaseSkin() override
    {
        ++releases;
        colourAtRelease = SkinData() ? PictureColour(*SkinData()) : -1;
        TskSkinControl::ReleaseSkin();
    }
    void ApplySkin() override
    {
        ++applies;
        colourAtApply = SkinData() ? PictureColour(*SkinData()) : -1;
        TskSkinControl::ApplySkin();
    }
    void Reset() { releases = applies = 0; }

    int releases = 0, applies = 0;
    long colourAtRelease = -1, colourAtApply = -1;
};

// A plain windowed control to put listeners into.
class Container : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
};

class SkinChangeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Describe(skin, kOldColour, 16);
        skin.Load();
        framed.SetBounds(40, 40, 300, 200);
        plain.SetBounds(360, 40, 300, 200);
        engine = new sk::TskFormSkinEngine(&framed);
    }
    Listener* Make(TForm& owner, TWinControl* parent, sk::TskSkinData* skinData)
    {
        auto* l = new Listener(&owner);
        l->SetBounds(4, 4, 40, 16);
        if (parent)
            l->SetParent(parent);
        l->SetSkinData(skinData);
        l->Reset();
        return l;
    }
    void Reload(TColor colour = kNewColour, int height = 24)
    {
        Describe(skin, colour, height);
        skin.Load();
    }

    skinctrlstest::TestSkin skin;
    TForm framed{nullptr};
    TForm plain{nullptr};
    sk::TskFormSkinEngine* engine;
};

}  // namespace

TEST_F(SkinChangeTest, EveryBoundControlLetsTheOldSkinGoOnceAndReadsTheNewOneOnce)
{
    auto* box = new Container(&plain);
    box->SetBounds(0, 0, 100, 100);
    box->SetParent(&plain);
    std::vector<Listener*> bound = {
        Make(framed, &framed, &skin.Data()),  // the engine's walk reaches it
        Make(plain, &plain, &skin.Data()),    // no engine walks this form
        Make(plain, box, &skin.Data()),       // nor what lies inside its controls
        Make(plain, nullptr, &skin.Data()),   // on no form at all
    };
    skinctrlstest::TestSkin other;
    Describe(other, kOldColour, 16);
    other.Load();
    Listener* elsewhere = Make(plain, &plain, &other.Data());
    Listener* unbound = Make(plain, &plain, &skin.Data());
    unbound->SetSkinData(nullptr);
    delete Make(plain, &plain, &skin.Data());  // gone before the change

    Reload();
    for (size_t i = 0; i < bound.size(); ++i) {
        Listener& l = *bound[i];
        EXPECT_EQ(1, l.releases) << i;
        EXPECT_EQ(1, l.applies) << i;
        // Let go while the old pictures stood; read once the new ones stood.
        EXPECT_EQ(long(kOldColour), l.colourAtRelease) << i;
        EXPECT_EQ(long(kNewColour), l.colourAtApply) << i;
    }
    EXPECT_EQ(0, elsewhere->releases + elsewhere->applies);
    EXPECT_EQ(0, unbound->releases + unbound->applies);

    // A control moved to another skin hears only of that one's changes.
    bound[1]->SetSkinData(&other.Data());
    bound[1]->Reset();
    Reload(kOldColour, 16);
    EXPECT_EQ(0, bound[1]->releases + bound[1]->applies);
    EXPECT_EQ(2, bound[2]->releases);
    other.Load();
    EXPECT_EQ(1, bound[1]->releases);
    EXPECT_EQ(1, bound[1]->applies);
}

TEST_F(SkinChangeTest, AnEditOnAFormWithoutAnEngineTakesTheNewElement)
{
    auto* edit = new sk::TskSkinEdit(&plain);
    edit->SetBounds(10, 10, 150, 30);
    edit->SetParent(&plain);
    edit->SetSkinData(&skin.Data());
    ASSERT_TRUE(edit->Skinned());
    ASSERT_EQ(16, edit->Height());
    Reload(kNewColour, 24);
    EXPECT_TRUE(edit->Skinned());
    EXPECT_EQ(24, edit->Height());
}

TEST(SkinChangeOfNoForm, ASkinDataOwnedByNoFormSendsNoMessageButStillTellsItsControls)
{
    TForm plain(nullptr);
    // A stored skin to load.
    skinctrlstest::TestSkin described;
    Describe(described, kOldColour, 16);
    described.Load();
    sk::TskStoredSkin& stored = *described.Data().StoredSkin();

    int messages = 0;
    TWndProcHook* watchPointer = nullptr;
    TWndProcHook watch(plain.WindowProc(), [&](TMessage& message) {
        if (message.Msg >= sk::WM_SKINCHANGING && message.Msg <= sk::WM_SKINAFTERCHANGE)
            ++messages;
        watchPointer->CallNext(message);
    });
    watchPointer = &watch;
    auto skinData = std::make_unique<sk::TskSkinData>(nullptr);
    skinData->SetStoredSkin(&stored);
    auto* l = new Listener(&plain);
    l->SetParent(&plain);
    l->SetSkinData(skinData.get());
    l->Reset();
    skinData->LoadStoredSkin(stored);
    EXPECT_EQ(0, messages);
    EXPECT_EQ(1, l->releases);
    EXPECT_EQ(1, l->applies);

    // A skin data that goes lets its controls drop what they took from it first.
    skinData.reset();
    EXPECT_EQ(2, l->releases);
    EXPECT_EQ(nullptr, l->SkinData());
}

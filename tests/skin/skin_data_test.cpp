// The skin data component: loading the tests' skin from the resources the build
// embedded, the messages every form receives around a load, failed and refused
// loads, and references to stored skins that go away.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/controls/form.h"
#include "gui/controls/resource_stream.h"
#include "gui/core/exceptions.h"
#include "gui/core/memory_stream.h"
#include "gui/graphics/canvas.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "skin/model/compressed_stored_skin.h"
#include "skin/model/skin_pictures.h"
#include "skin/model/stored_skin.h"
#include "skin/model/zlib_streams.h"
#include "tools/testskin/test_skin_pictures.h"

using namespace sk;
using testskin::TestPicture;

namespace {

using Bytes = std::vector<uint8_t>;

struct Received {
    std::string form;
    UINT msg;
    bool ownSkin;  // wParam was the skin data and lParam 1000
    bool empty;
    int controls;
};

// A form that notes every skin message it receives, and the skin's state then.
class RecordingForm : public gui::TForm {
public:
    RecordingForm(gui::TComponent* owner, std::string name, std::vector<Received>& log, TskSkinData*& skin)
        : TForm(owner), name_(std::move(name)), log_(log), skin_(skin)
    {
    }

protected:
    void WndProc(gui::TMessage& message) override
    {
        if (message.Msg >= WM_SKINCHANGING && message.Msg <= WM_SKINAFTERCHANGE) {
            auto* data = reinterpret_cast<TskSkinData*>(message.WParam);
            log_.push_back({name_, message.Msg, data == skin_ && message.LParam == 1000, data->Empty(),
                            data->CtrlList.Count()});
            return;
        }
        TForm::WndProc(message);
    }

private:
    std::string name_;
    std::vector<Received>& log_;
    TskSkinData*& skin_;
};

Bytes ResourceBytes(const char* name)
{
    gui::TResourceStream s(::GetModuleHandleA(nullptr), name, MAKEINTRESOURCEA(10));  // RT_RCDATA
    const auto* p = static_cast<const uint8_t*>(s.Memory());
    return Bytes(p, p + s.Size());
}

Bytes StreamBytes(gui::TMemoryStream& s)
{
    const auto* p = static_cast<const uint8_t*>(s.Memory());
    return Bytes(p, p + s.Size());
}

void SetBytes(gui::TMemoryStream& s, const Bytes& bytes)
{
    s.Clear();
    if (!bytes.empty())
        s.WriteBuffer(bytes.data(), int32_t(bytes.size()));
    s.SetPosition(0);
}

Bytes Inflate(const Bytes& blob)
{
    gui::TMemoryStream source, target;
    SetBytes(source, blob);
    DecompressSkinStream(target, source);
    return StreamBytes(target);
}

Bytes Deflate(const Bytes& payload)
{
    gui::TMemoryStream source, target;
    SetBytes(source, payload);
    CompressSkinStream(source, target);
    return StreamBytes(target);
}

// 0x00BBGGRR, as the canvas answers, of a test picture's pixel.
gui::TColor Expected(TestPicture picture, int x, int y)
{
    const uint32_t rgb = testskin::PixelColor(picture, x, y);
    return gui::TColor((rgb & 0xFF) << 16 | (rgb & 0xFF00) | (rgb >> 16 & 0xFF));
}

void ExpectPicture(gui::TBitmap& bitmap, TestPicture picture)
{
    const testskin::TestPictureInfo info = testskin::Info(picture);
    ASSERT_EQ(bitmap.Width(), info.width) << info.fileName;
    ASSERT_EQ(bitmap.Height(), info.height) << info.fileName;
    for (int y = 0; y < info.height; y += 5)
        for (int x = 0; x < info.width; x += 3)
            ASSERT_EQ(bitmap.Canvas().Pixels(x, y), Expected(picture, x, y)) << info.fileName << " " << x << "," << y;
}

// Two forms, the skin data's owner created second, and the skin sources.
class SkinDataTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        other_ = std::make_unique<RecordingForm>(nullptr, "other", log_, skin_);
        owner_ = std::make_unique<RecordingForm>(nullptr, "owner", log_, skin_);
        skin_ = new TskSkinData(owner_.get());
        compressed_ = new TskCompressedStoredSkin(owner_.get());
    }

    void SetBlob(TskCompressedStoredSkin& target, const Bytes& blob)
    {
        gui::TMemoryStream s;
        SetBytes(s, blob);
        target.ReadCompressedData(s);
    }

    std::vector<std::string> Messages()
    {
        std::vector<std::string> seen;
        for (const Received& r : log_)
            seen.push_back(r.form + " " + std::to_string(r.msg) + (r.ownSkin ? "" : " (foreign)"));
        log_.clear();
        return seen;
    }

    std::vector<Received> log_;
    TskSkinData* skin_ = nullptr;
    std::unique_ptr<RecordingForm> other_;
    std::unique_ptr<RecordingForm> owner_;
    TskCompressedStoredSkin* compressed_ = nullptr;
};

const std::vector<std::string> kOwnerOnly = {"owner 1225", "owner 1226", "owner 1227"};
const std::vector<std::string> kBothForms = {"owner 1225", "other 1225", "owner 1226",
                                             "other 1226", "owner 1227", "other 1227"};

}  // namespace

TEST_F(SkinDataTest, LoadsTheBlobAndTellsTheOwnerThenEveryOtherForm)
{
    EXPECT_TRUE(skin_->Empty());
    SetBlob(*compressed_, ResourceBytes("SKINBLOB"));
    skin_->SetCompressedStoredSkin(compressed_);  // loads at once

    const std::vector<Received> log = log_;
    EXPECT_EQ(Messages(), kBothForms);
    EXPECT_TRUE(log[0].empty);
    EXPECT_FALSE(log[2].empty);  // every form sees the whole new skin
    EXPECT_EQ(log[3].controls, 36);

    EXPECT_FALSE(skin_->Empty());
    EXPECT_EQ(skin_->SkinName, "Test Skin");
    EXPECT_EQ(skin_->AuthorURL, "http://example.invalid/skin");
    EXPECT_EQ(skin_->StartCursorIndex, 1);  // a compressed skin has no cursors
    EXPECT_EQ(skin_->AreaList.Count(), 0);  // nor areas
    EXPECT_EQ(skin_->GetControlIndex("button"), 5);
    EXPECT_EQ(skin_->GetObjectIndex("caption"), 6);
    EXPECT_EQ(skin_->Picture().PixelFormat(), gui::pf8bit);
    EXPECT_EQ(skin_->Mask().PixelFormat(), gui::pf1bit);
    ExpectPicture(skin_->Picture(), TestPicture::Frame);
    ExpectPicture(skin_->Mask(), TestPicture::FrameMask);
    ExpectPicture(skin_->RollUpPicture(), TestPicture::RollUp);
    ExpectPicture(skin_->RollUpMask(), TestPicture::RollUpMask);
    ASSERT_EQ(skin_->ActivePictures().Count(), 3);
    ExpectPicture(*skin_->ActivePicture(0), TestPicture::Controls);
    ExpectPicture(*skin_->ActivePicture(1), TestPicture::Buttons);
    ExpectPicture(*skin_->ActivePicture(2), TestPicture::Glyphs);
    EXPECT_EQ(skin_->ActivePicture(-1), nullptr);
    EXPECT_EQ(skin_->ActivePicture(3), nullptr);
}

TEST_F(SkinDataTest, AReloadAnnouncesItselfWhileTheOldSkinStands)
{
    SetBlob(*compressed_, ResourceBytes("SKINBLOB"));
    skin_->LoadCompressedStoredSkin(*compressed_);
    log_.clear();
    skin_->LoadCompressedStoredSkin(*compressed_);
    ASSERT_EQ(log_.size(), 6u);
    EXPECT_TRUE(log_[0].empty);
    EXPECT_EQ(log_[0].controls, 36);  // not yet cleared
    EXPECT_EQ(skin_->ActivePictures().Count(), 3);
}

TEST_F(SkinDataTest, RefusedAndEmptyBlobs)
{
    Bytes payload = Inflate(ResourceBytes("SKINBLOB"));
    payload[0] = 2;  // format version 2
    SetBlob(*compressed_, Deflate(payload));
    skin_->LoadCompressedStoredSkin(*compressed_);
    EXPECT_EQ(Messages(), kBothForms);
    EXPECT_TRUE(skin_->Empty());
    EXPECT_TRUE(skin_->Picture().Empty());

    SetBlob(*compressed_, ResourceBytes("SKINBLOB"));
    skin_->LoadCompressedStoredSkin(*compressed_);
    log_.clear();
    TskCompressedStoredSkin empty(nullptr);
    skin_->SetCompressedStoredSkin(&empty);  // loads nothing, says nothing
    EXPECT_TRUE(log_.empty());
    EXPECT_FALSE(skin_->Empty());
    skin_->SetCompressedStoredSkin(nullptr);
}

TEST_F(SkinDataTest, AFailedLoadStillEndsTheChangeThenRaises)
{
    Bytes payload = Inflate(ResourceBytes("SKINBLOB"));
    const std::string text(payload.begin(), payload.end());
    const size_t at = text.find("hrulerrect=0,0,40,4");
    ASSERT_NE(at, std::string::npos);
    payload[at + 13] = 'x';  // hrulerrect=0,x,40,4: a conversion error half way through the controls
    SetBlob(*compressed_, Deflate(payload));
    EXPECT_THROW(skin_->LoadCompressedStoredSkin(*compressed_), gui::EConvertError);
    EXPECT_EQ(Messages(), kBothForms);
    EXPECT_TRUE(skin_->Empty());
    EXPECT_EQ(skin_->CtrlList.Count(), 0);
    EXPECT_EQ(skin_->ActivePictures().Count(), 0);

    Bytes badPicture = Inflate(ResourceBytes("SKINBLOB"));
    badPicture[4 + 1 + 14] = 0x33;  // the frame picture's info header size
    SetBlob(*compressed_, Deflate(badPicture));
    EXPECT_THROW(skin_->LoadCompressedStoredSkin(*compressed_), gui::EInvalidGraphic);
    EXPECT_EQ(Messages(), kBothForms);

    Bytes cut = ResourceBytes("SKINBLOB");
    cut.resize(cut.size() - 100);
    SetBlob(*compressed_, cut);
    EXPECT_THROW(skin_->LoadCompressedStoredSkin(*compressed_), EDecompressionError);
    EXPECT_EQ(Messages(), kBothForms);
    EXPECT_TRUE(skin_->Empty());
}

TEST_F(SkinDataTest, StoredSkinsFromTheirPicturesAndLines)
{
    auto* stored = new TskStoredSkin(owner_.get());
    gui::TMemoryStream pictures;
    SetBytes(pictures, ResourceBytes("SKINPICTURES"));
    stored->ReadPictures(pictures);
    const Bytes lines = ResourceBytes("SKINDESCRIPTION");
    gui::TStringList description;
    description.SetText(std::string(lines.begin(), lines.end()));
    stored->SetIniStrings(description);
    skin_->SetStoredSkin(stored);
    EXPECT_EQ(Messages(), kBothForms);
    EXPECT_FALSE(skin_->Empty());
    EXPECT_EQ(skin_->StartCursorIndex, 5);
    EXPECT_EQ(skin_->AreaList.Count(), 3);
    EXPECT_EQ(skin_->GetAreaIndex("buttons"), 1);
    EXPECT_EQ(skin_->SkinAuthor, "");  // a stored skin names only its skin
    EXPECT_EQ(skin_->CtrlList.Count(), 36);
    ExpectPicture(skin_->Picture(), TestPicture::Frame);
    ExpectPicture(*skin_->ActivePicture(2), TestPicture::Glyphs);

    // Without FORMINFO the skin is refused, and stays empty.
    description.Delete(description.IndexOf("[FORMINFO]"));
    stored->SetIniStrings(description);
    skin_->LoadStoredSkin(*stored);
    EXPECT_EQ(Messages(), kBothForms);
    EXPECT_TRUE(skin_->Empty());
    EXPECT_EQ(skin_->CtrlList.Count(), 0);
}

TEST_F(SkinDataTest, AStoredSkinWithAJpegPicture)
{
    TskStoredSkin stored(nullptr);
    gui::TMemoryStream pictures;
    SetBytes(pictures, ResourceBytes("JPEGSKINPICTURES"));
    stored.ReadPictures(pictures);
    const Bytes lines = ResourceBytes("JPEGSKINDESCRIPTION");
    stored.IniStrings().SetText(std::string(lines.begin(), lines.end()));
    skin_->LoadStoredSkin(stored);
    ASSERT_FALSE(skin_->Empty());
    EXPECT_TRUE(skin_->Mask().Empty());
    gui::TBitmap& photo = *skin_->ActivePicture(0);
    ASSERT_EQ(photo.Width(), 40);
    ASSERT_EQ(photo.Height(), 30);
    const gui::TColor got = photo.Canvas().Pixels(20, 15), want = Expected(TestPicture::Photo, 20, 15);
    for (int shift : {0, 8, 16})
        EXPECT_NEAR(got >> shift & 0xFF, want >> shift & 0xFF, 12);
}

TEST_F(SkinDataTest, NoMessagesWithoutAnOwnerForm)
{
    gui::TComponent plainOwner(nullptr);
    auto* data = new TskSkinData(&plainOwner);
    auto* source = new TskCompressedStoredSkin(&plainOwner);
    SetBlob(*source, ResourceBytes("SKINBLOB"));
    data->SetCompressedStoredSkin(source);
    EXPECT_FALSE(data->Empty());
    EXPECT_TRUE(log_.empty());
}

TEST_F(SkinDataTest, ReferencesToDestroyedSourcesAreDropped)
{
    SetBlob(*compressed_, ResourceBytes("SKINBLOB"));
    skin_->SetCompressedStoredSkin(compressed_);
    delete compressed_;  // same owner
    compressed_ = nullptr;
    EXPECT_EQ(skin_->CompressedStoredSkin(), nullptr);
    EXPECT_FALSE(skin_->Empty());  // the loaded skin stays

    auto elsewhere = std::make_unique<TskStoredSkin>(nullptr);  // another owner
    elsewhere->IniStrings().SetText("[VERSION]\nskinname=x\n");
    skin_->SetStoredSkin(elsewhere.get());
    EXPECT_EQ(skin_->StoredSkin(), elsewhere.get());
    elsewhere.reset();
    EXPECT_EQ(skin_->StoredSkin(), nullptr);
}

TEST_F(SkinDataTest, PackerAndProgramWriteTheSamePayload)
{
    const Bytes payload = Inflate(ResourceBytes("SKINBLOB"));
    gui::TMemoryStream in, out;
    SetBytes(in, payload);
    TskSkinPictures pictures;
    gui::TStringList lines;
    ASSERT_TRUE(ReadSkinPayload(in, pictures, lines));
    WriteSkinPayload(out, pictures, lines);
    EXPECT_EQ(StreamBytes(out), payload);
}

namespace {

// The tests' skin payload with its description changed by `change`.
Bytes PayloadWithDescription(const std::function<void(gui::TStringList&)>& change)
{
    gui::TMemoryStream in, out;
    SetBytes(in, Inflate(ResourceBytes("SKINBLOB")));
    TskSkinPictures pictures;
    gui::TStringList lines;
    EXPECT_TRUE(ReadSkinPayload(in, pictures, lines));
    change(lines);
    WriteSkinPayload(out, pictures, lines);
    return StreamBytes(out);
}

void RemoveSection(gui::TStringList& lines, const std::string& section)
{
    int at = lines.IndexOf("[" + section + "]");
    ASSERT_GE(at, 0) << section;
    do
        lines.Delete(at);
    while (at < lines.Count() && lines[at].rfind("[", 0) != 0);
}

}  // namespace

// A compressed skin whose description lacks a section every skin has is refused as
// a stored one is: the skin stays empty, no half-drawn window.
TEST_F(SkinDataTest, ACompressedSkinWithoutTheRequiredSectionsStaysEmpty)
{
    const std::function<void(gui::TStringList&)> changes[] = {
        [](gui::TStringList& lines) { lines.Clear(); },
        [](gui::TStringList& lines) { RemoveSection(lines, "FORMINFO"); },
        [](gui::TStringList& lines) { RemoveSection(lines, "VERSION"); },
        [](gui::TStringList& lines) { RemoveSection(lines, "PICTURES"); },
        [](gui::TStringList& lines) { RemoveSection(lines, "SKINOBJECTS"); },
        [](gui::TStringList& lines) { RemoveSection(lines, "SKINCONTROLS"); },
    };
    for (const auto& change : changes) {
        SetBlob(*compressed_, ResourceBytes("SKINBLOB"));
        skin_->LoadCompressedStoredSkin(*compressed_);
        ASSERT_FALSE(skin_->Empty());
        log_.clear();
        SetBlob(*compressed_, Deflate(PayloadWithDescription(change)));
        skin_->LoadCompressedStoredSkin(*compressed_);
        EXPECT_EQ(Messages(), kBothForms);
        EXPECT_TRUE(skin_->Empty());
        EXPECT_TRUE(skin_->Picture().Empty());
        EXPECT_EQ(skin_->ActivePictures().Count(), 0);
        EXPECT_EQ(skin_->CtrlList.Count(), 0);
    }
}

// Pictures and descriptions beyond what a skin may hold are refused with the
// library's error; the forms learn that the change is over and the skin is empty.
TEST_F(SkinDataTest, SkinsBeyondTheBoundsAreRefused)
{
    Bytes wide = Inflate(ResourceBytes("SKINBLOB"));
    const size_t width = 4 + 1 + 18;  // the frame picture's width
    const uint32_t tooWide = kMaxSkinPictureSide + 1;
    for (int i = 0; i < 4; ++i)
        wide[width + i] = uint8_t(tooWide >> (8 * i));
    SetBlob(*compressed_, Deflate(wide));
    EXPECT_THROW(skin_->LoadCompressedStoredSkin(*compressed_), gui::EInvalidGraphic);
    EXPECT_EQ(Messages(), kBothForms);
    EXPECT_TRUE(skin_->Empty());

    SetBlob(*compressed_, Deflate(PayloadWithDescription([](gui::TStringList& lines) {
        lines.Add(std::string(size_t(kMaxSkinDescriptionBytes), ';'));
    })));
    EXPECT_THROW(skin_->LoadCompressedStoredSkin(*compressed_), gui::EReadError);
    EXPECT_EQ(Messages(), kBothForms);
    EXPECT_TRUE(skin_->Empty());

    TskStoredSkin stored(nullptr);
    const Bytes lines = ResourceBytes("SKINDESCRIPTION");
    stored.IniStrings().SetText(std::string(lines.begin(), lines.end()));
    for (int i = 0; i < 600000; ++i)
        stored.IniStrings().Add(std::string());
    EXPECT_THROW(skin_->LoadStoredSkin(stored), gui::EReadError);
    EXPECT_EQ(Messages(), kBothForms);
    EXPECT_TRUE(skin_->Empty());
}

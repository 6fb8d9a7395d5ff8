// Damaged skins: random changes to the packed blob, to its payload and to the
// description must end in one of the library's errors or in a skin, never in a
// crash, a hang or an error of another kind.
#include <gtest/gtest.h>

#include <random>

#include "gui/core/exceptions.h"
#include "gui/core/mem_ini_file.h"
#include "gui/core/memory_stream.h"
#include "gui/core/strings.h"
#include "skin/model/compressed_stored_skin.h"
#include "skin/model/skin_model.h"
#include "skin/model/skin_pictures.h"
#include "skin/model/zlib_streams.h"
#include "test_skin_files.h"

using namespace sk;

namespace {

using Bytes = std::vector<uint8_t>;

// Flips, overwrites, inserts or deletes a few bytes, or cuts the end off.
Bytes Mutate(Bytes data, std::mt19937& random)
{
    const int changes = 1 + int(random() % 4);
    for (int i = 0; i < changes && !data.empty(); ++i) {
        const size_t at = random() % data.size();
        switch (random() % 6) {
        case 0:
            data[at] ^= uint8_t(1u << (random() % 8));
            break;
        case 1:
            data[at] = uint8_t(random());
            break;
        case 2:
            data.insert(data.begin() + long(at), uint8_t(random()));
            break;
        case 3:
            data.erase(data.begin() + long(at));
            break;
        case 4:
            data.resize(at);
            break;
        default: {
            static const uint8_t extremes[] = {0x00, 0x7F, 0x80, 0xFF};
            for (size_t k = at; k < std::min(data.size(), at + 4); ++k)
                data[k] = extremes[random() % 4];
        }
        }
    }
    return data;
}

void LoadPayload(TskSkinModel& model, gui::TStream& payload)
{
    TskSkinPictures pictures;
    gui::TStringList lines;
    if (!ReadSkinPayload(payload, pictures, lines))
        return;
    gui::TMemIniFile ini;
    ini.SetStrings(lines);
    model.ReadCompressedSkinDescription(ini);
}

// Loads a blob as the skin data component does, without its pictures on screen.
void LoadBlob(const Bytes& blob)
{
    TskCompressedStoredSkin skin(nullptr);
    gui::TMemoryStream source, payload;
    if (!blob.empty())
        source.WriteBuffer(blob.data(), int32_t(blob.size()));
    source.SetPosition(0);
    skin.ReadCompressedData(source);
    if (skin.IsEmpty())
        return;
    skin.Decompress(payload);
    payload.SetPosition(0);
    TskSkinModel model;
    LoadPayload(model, payload);
}

Bytes Pack(const Bytes& payload)
{
    gui::TMemoryStream source, target;
    source.WriteBuffer(payload.data(), int32_t(payload.size()));
    CompressSkinStream(source, target);
    const auto* p = static_cast<const uint8_t*>(target.Memory());
    return Bytes(p, p + target.Size());
}

Bytes Unpack(const Bytes& blob)
{
    gui::TMemoryStream source, target;
    source.WriteBuffer(blob.data(), int32_t(blob.size()));
    DecompressSkinStream(target, source);
    const auto* p = static_cast<const uint8_t*>(target.Memory());
    return Bytes(p, p + target.Size());
}

// Loads `count` mutations of the input; every failure must be one of the
// library's errors, and some must fail.
template <typename Load>
void ExpectSurvival(const Bytes& input, unsigned seed, int count, Load load)
{
    std::mt19937 random(seed);
    int failures = 0;
    skintest::RunWithin(60, [&] {
        for (int i = 0; i < count; ++i) {
            try {
                load(Mutate(input, random));
            } catch (const gui::Exception&) {
                ++failures;  // a clear error: what a damaged skin may give
            }
        }
    });
    EXPECT_GT(failures, 0);
}

void ReadDescription(const Bytes& text)
{
    gui::TStringList lines;
    lines.SetText(std::string(text.begin(), text.end()));
    gui::TMemIniFile ini;
    ini.SetStrings(lines);
    TskSkinModel model;
    model.ReadStoredSkinDescription(ini);
}

}  // namespace

TEST(SkinFuzz, MutatedBlobsNeverCrashTheLoader)
{
    ExpectSurvival(skintest::ReadTestSkinFile("skin.blob"), 20240601, 300, LoadBlob);
}

TEST(SkinFuzz, MutatedPayloadsNeverCrashTheLoader)
{
    const Bytes payload = Unpack(skintest::ReadTestSkinFile("skin.blob"));
    ExpectSurvival(payload, 99, 300, [](const Bytes& mutated) { LoadBlob(Pack(mutated)); });
}

TEST(SkinFuzz, MutatedDescriptionsNeverCrashTheReader)
{
    gui::TStringList file;
    file.LoadFromFile(skintest::TestSkinPath("skin.ini"));
    const std::string text = file.Text();
    ExpectSurvival(Bytes(text.begin(), text.end()), 5, 500, ReadDescription);
}

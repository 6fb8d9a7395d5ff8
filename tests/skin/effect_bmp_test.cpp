// Pixel effects and morphs, checked channel by channel on odd widths, so that rows
// carry padding bytes.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "gui/graphics/canvas.h"
#include "picture_fixtures.h"
#include "skin/imaging/effect_bmp.h"

using namespace sk;
using namespace skintest;
using Ints = std::vector<int>;

namespace {

// An effect bitmap made from a picture with the given 0xRRGGBB colour per pixel.
std::unique_ptr<TskEffectBmp> Effect(int width, int height, const std::function<uint32_t(int, int)>& colour)
{
    gui::TBitmap picture;
    MakePicture(picture, width, height, 24, {}, colour);
    return std::make_unique<TskEffectBmp>(picture.Handle());
}

std::unique_ptr<TskEffectBmp> Uniform(int width, int height, uint32_t colour)
{
    return Effect(width, height, [colour](int, int) { return colour; });
}

// Channel c (0 blue, 1 green, 2 red) of pixel (x, y).
int At(const TskEffectBmp& e, int x, int y, int c = 2) { return e.RowPointer(y)[3 * x + c]; }

Ints RedRow(const TskEffectBmp& e, int y)
{
    Ints v;
    for (int x = 0; x < e.Width(); ++x)
        v.push_back(At(e, x, y));
    return v;
}

Ints RedColumn(const TskEffectBmp& e, int x)
{
    Ints v;
    for (int y = 0; y < e.Height(); ++y)
        v.push_back(At(e, x, y));
    return v;
}

using MorphFn = void (TskEffectBmp::*)(const TskEffectBmp&, double);

// The red row after morphing a 5 x 3 black image toward a uniform red of 200.
Ints MorphedRow(MorphFn morph, double k)
{
    auto a = Uniform(5, 3, 0x000000);
    auto b = Uniform(5, 3, 0xC80000);
    ((*a).*morph)(*b, k);
    const Ints first = RedRow(*a, 0);
    EXPECT_EQ(RedRow(*a, 2), first);
    EXPECT_EQ(At(*a, 4, 1, 0), 0);  // blue untouched: both are 0
    return first;
}

// The red row after moving columns of a 5 x 2 image (red = x) and Other (red = 100 + x).
Ints MovedRow(MorphFn morph, double k)
{
    auto a = Effect(5, 2, [](int x, int) { return uint32_t(x) << 16; });
    auto b = Effect(5, 2, [](int x, int) { return uint32_t(100 + x) << 16; });
    ((*a).*morph)(*b, k);
    return RedRow(*a, 1);
}

}  // namespace

TEST(EffectBmp, CopiesTheBitmapAsTopDownRows)
{
    auto e = Effect(5, 3, [](int x, int y) { return uint32_t(x * 10) << 16 | uint32_t(y * 10) << 8 | 7; });
    EXPECT_EQ(e->Width(), 5);
    EXPECT_EQ(e->Height(), 3);
    EXPECT_EQ(e->Size(), 3 * 16);
    EXPECT_EQ(RedRow(*e, 0), (Ints{0, 10, 20, 30, 40}));
    EXPECT_EQ(At(*e, 3, 2, 1), 20);
    EXPECT_EQ(At(*e, 3, 2, 0), 7);
    EXPECT_EQ(e->RowPointer(1) - e->RowPointer(0), 16);

    gui::TBitmap target;
    target.SetSize(8, 8);
    e->Draw(target.Canvas().Handle(), 2, 1);
    EXPECT_EQ(Red(target, 6, 3), 40);
    EXPECT_EQ(Green(target, 6, 3), 20);
    EXPECT_EQ(target.Canvas().Pixels(7, 3), gui::clWhite);

    TskEffectBmp none(nullptr);
    EXPECT_EQ(none.Width(), 0);
    none.Invert();
    none.Draw(target.Canvas().Handle(), 0, 0);
}

TEST(EffectBmp, GreyBrightnessDarknessAndInversion)
{
    auto grey = Effect(4, 1, [](int x, int) {
        const uint32_t colours[] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
        return colours[x];
    });
    grey->GrayScale();
    EXPECT_EQ(RedRow(*grey, 0), (Ints{76, 150, 28, 255}));
    EXPECT_EQ(At(*grey, 0, 0, 0), 76);
    EXPECT_EQ(At(*grey, 1, 0, 1), 150);

    auto light = Uniform(3, 2, 0x646464);  // 100 in every channel
    light->ChangeBrightness(0.5);
    EXPECT_EQ(At(*light, 2, 1, 0), 178);  // 177.5: the half goes to the even 178
    auto dark = Uniform(3, 2, 0x646464);
    dark->ChangeDarkness(0.3);
    EXPECT_EQ(At(*dark, 2, 1, 1), 70);
    light->ChangeBrightness(1.5);
    EXPECT_EQ(At(*light, 0, 0), 255);
    dark->ChangeDarkness(1.5);
    EXPECT_EQ(At(*dark, 0, 0), 0);
    dark->ChangeDarkness(-3);  // kept at 0: unchanged
    EXPECT_EQ(At(*dark, 0, 0), 0);

    auto picture = Effect(3, 3, [](int x, int y) { return uint32_t(x * 40 + y) << 8 | uint32_t(y * 70); });
    auto original = Effect(3, 3, [](int x, int y) { return uint32_t(x * 40 + y) << 8 | uint32_t(y * 70); });
    picture->Invert();
    EXPECT_EQ(At(*picture, 2, 2, 1), 255 - 82);
    picture->Invert();
    for (int y = 0; y < 3; ++y)
        EXPECT_EQ(std::vector<uint8_t>(picture->RowPointer(y), picture->RowPointer(y) + 9),
                  std::vector<uint8_t>(original->RowPointer(y), original->RowPointer(y) + 9));
}

TEST(EffectBmp, UniformMorphBlendsAndNeedsTheSameSize)
{
    EXPECT_EQ(MorphedRow(&TskEffectBmp::Morph, 0), Ints(5, 0));
    EXPECT_EQ(MorphedRow(&TskEffectBmp::Morph, 1), Ints(5, 200));
    EXPECT_EQ(MorphedRow(&TskEffectBmp::Morph, 0.25), Ints(5, 50));
    EXPECT_EQ(MorphedRow(&TskEffectBmp::Morph, 7), Ints(5, 200));

    auto a = Uniform(3, 1, 0x000000);
    auto b = Uniform(3, 1, 0xFF0000);
    a->Morph(*b, 0.5);
    EXPECT_EQ(At(*a, 1, 0), 128);  // 127.5 rounds to the even 128
    auto wider = Uniform(4, 1, 0xFF0000);
    a->Morph(*wider, 1);
    EXPECT_EQ(At(*a, 1, 0), 128);
}

TEST(EffectBmp, CentreBandGradients)
{
    EXPECT_EQ(MorphedRow(&TskEffectBmp::MorphHGradient, 0), (Ints{0, 100, 200, 100, 0}));
    EXPECT_EQ(MorphedRow(&TskEffectBmp::MorphHGradient, 0.5), (Ints{0, 200, 200, 200, 0}));
    EXPECT_EQ(MorphedRow(&TskEffectBmp::MorphHGradient, 1), Ints(5, 200));
    EXPECT_EQ(MorphedRow(&TskEffectBmp::MorphHGradient, -2), (Ints{0, 100, 200, 100, 0}));

    // Higher than wide: the band grows along the rows.
    for (const auto& [k, expected] : {std::pair<double, Ints>{0, {0, 100, 200, 100, 0}},
                                      {0.5, {0, 200, 200, 200, 0}},
                                      {1, {200, 200, 200, 200, 200}}}) {
        auto a = Uniform(3, 5, 0x000000);
        auto b = Uniform(3, 5, 0xC80000);
        a->MorphGrad(*b, k);
        EXPECT_EQ(RedColumn(*a, 2), expected) << k;
    }
}

TEST(EffectBmp, EdgeGradients)
{
    EXPECT_EQ(MorphedRow(&TskEffectBmp::MorphLeftGradient, 0), (Ints{200, 0, 0, 0, 0}));
    EXPECT_EQ(MorphedRow(&TskEffectBmp::MorphLeftGradient, 0.5), (Ints{200, 100, 0, 0, 0}));
    EXPECT_EQ(MorphedRow(&TskEffectBmp::MorphLeftGradient, 1), (Ints{200, 150, 100, 50, 0}));
    EXPECT_EQ(MorphedRow(&TskEffectBmp::MorphRightGradient, 0), (Ints{0, 0, 0, 0, 200}));
    EXPECT_EQ(MorphedRow(&TskEffectBmp::MorphRightGradient, 0.5), (Ints{0, 0, 0, 100, 200}));
    EXPECT_EQ(MorphedRow(&TskEffectBmp::MorphRightGradient, 1), (Ints{40, 80, 120, 160, 200}));
    EXPECT_EQ(MorphedRow(&TskEffectBmp::MorphRightGradient, 3), (Ints{40, 80, 120, 160, 200}));
}

TEST(EffectBmp, SlidesAndPush)
{
    EXPECT_EQ(MovedRow(&TskEffectBmp::MorphLeftSlide, 0), (Ints{104, 1, 2, 3, 4}));  // always one column
    EXPECT_EQ(MovedRow(&TskEffectBmp::MorphLeftSlide, 0.5), (Ints{103, 104, 2, 3, 4}));
    EXPECT_EQ(MovedRow(&TskEffectBmp::MorphLeftSlide, 1), (Ints{101, 102, 103, 104, 4}));  // never all
    EXPECT_EQ(MovedRow(&TskEffectBmp::MorphRightSlide, 0), (Ints{0, 1, 2, 3, 100}));
    EXPECT_EQ(MovedRow(&TskEffectBmp::MorphRightSlide, 0.5), (Ints{0, 1, 2, 100, 101}));
    EXPECT_EQ(MovedRow(&TskEffectBmp::MorphRightSlide, 1), (Ints{0, 100, 101, 102, 103}));
    EXPECT_EQ(MovedRow(&TskEffectBmp::MorphPush, 0), (Ints{104, 0, 1, 2, 3}));
    EXPECT_EQ(MovedRow(&TskEffectBmp::MorphPush, 0.5), (Ints{102, 103, 104, 0, 1}));
    EXPECT_EQ(MovedRow(&TskEffectBmp::MorphPush, 1), (Ints{100, 101, 102, 103, 104}));
    EXPECT_EQ(MovedRow(&TskEffectBmp::MorphPush, -1), (Ints{104, 0, 1, 2, 3}));
}

TEST(EffectBmp, OnePixelWideImagesMorphWithoutFault)
{
    const MorphFn all[] = {&TskEffectBmp::Morph,          &TskEffectBmp::MorphGrad,
                           &TskEffectBmp::MorphHGradient, &TskEffectBmp::MorphVGradient,
                           &TskEffectBmp::MorphLeftGradient, &TskEffectBmp::MorphRightGradient,
                           &TskEffectBmp::MorphLeftSlide, &TskEffectBmp::MorphRightSlide,
                           &TskEffectBmp::MorphPush};
    for (MorphFn morph : all)
        for (double k : {-1.0, 0.0, 0.5, 1.0, 2.0}) {
            auto a = Uniform(1, 3, 0x000000);
            auto b = Uniform(1, 3, 0xC80000);
            const uint8_t padding[3] = {a->RowPointer(0)[3], a->RowPointer(1)[3], a->RowPointer(2)[3]};
            ((*a).*morph)(*b, k);
            for (int y = 0; y < 3; ++y) {
                EXPECT_EQ(a->RowPointer(y)[3], padding[y]);  // nothing written beside the pixels
                EXPECT_EQ(At(*a, 0, y, 0), 0);
                EXPECT_LE(At(*a, 0, y), 200);
            }
        }
    auto a = Uniform(1, 1, 0x000000);
    auto b = Uniform(1, 1, 0xC80000);
    a->MorphLeftGradient(*b, 0.5);
    EXPECT_EQ(At(*a, 0, 0), 200);
}

TEST(EffectBmp, MorphRectBlendsOnlyWhatLiesInBothBitmaps)
{
    auto a = Uniform(5, 4, 0x000000);
    auto b = Effect(3, 3, [](int x, int y) { return uint32_t(100 + 10 * x + y) << 16; });
    a->MorphRect(*b, gui::Rect(2, 1, 4, 3), 1, 1, 0);
    EXPECT_EQ(RedRow(*a, 1), (Ints{0, 0, 110, 120, 0}));
    EXPECT_EQ(RedRow(*a, 2), (Ints{0, 0, 111, 121, 0}));
    EXPECT_EQ(RedRow(*a, 3), Ints(5, 0));
    // Reaching out of both bitmaps: the overlap only.
    a->MorphRect(*b, gui::Rect(-3, -3, 9, 9), 1, 0, 0);
    EXPECT_EQ(RedRow(*a, 0), (Ints{0, 0, 0, 0, 0}));
    a->MorphRect(*b, gui::Rect(3, 2, 9, 9), 1, 0, 0);
    EXPECT_EQ(RedRow(*a, 3), (Ints{0, 0, 0, 101, 111}));
}

TEST(EffectBmp, SplitBlurWorksInPlace)
{
    auto strip = Effect(5, 1, [](int x, int) { return uint32_t(40 * x) << 16; });
    strip->SplitBlur(1);
    EXPECT_EQ(RedRow(*strip, 0), (Ints{20, 50, 85, 122, 141}));

    auto single = Uniform(1, 1, 0x7B0000);
    single->SplitBlur(3);
    EXPECT_EQ(At(*single, 0, 0), 123);

    auto square = Effect(3, 3, [](int x, int y) { return uint32_t(x * 30 + y * 90) << 16; });
    square->SplitBlur(1);
    // (0,0): its own row and column for the samples above and left: (0 + 90 + 30 + 120) / 4.
    EXPECT_EQ(At(*square, 0, 0), 60);
    // (1,1): the four diagonal neighbours, those above already blurred:
    // (60 + 180 + 105 + 240) / 4, truncated.
    EXPECT_EQ(At(*square, 1, 1), 146);

    for (int amount : {0, -2}) {
        auto same = Effect(5, 1, [](int x, int) { return uint32_t(40 * x) << 16; });
        same->SplitBlur(amount);
        EXPECT_EQ(RedRow(*same, 0), (Ints{0, 40, 80, 120, 160}));
    }
}

TEST(EffectBmp, NoiseIsMonochromeAndBounded)
{
    auto noisy = Uniform(7, 5, 0x808080);
    noisy->AddNoise(50);
    bool changed = false;
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) {
            const int v = At(*noisy, x, y);
            EXPECT_EQ(At(*noisy, x, y, 0), v);
            EXPECT_EQ(At(*noisy, x, y, 1), v);
            EXPECT_GE(v, 128 - 25);
            EXPECT_LE(v, 128 + 24);
            changed |= v != 128;
        }
    EXPECT_TRUE(changed);
    for (int amount : {0, -4}) {
        auto quiet = Uniform(3, 1, 0x808080);
        quiet->AddNoise(amount);
        EXPECT_EQ(RedRow(*quiet, 0), Ints(3, 128));
    }
    int r = -5, g = 300, b = 7;
    ClampRGB(r, g, b);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(g, 255);
    EXPECT_EQ(b, 7);
}

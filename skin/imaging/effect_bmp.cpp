#include "skin/imaging/effect_bmp.h"

#include <algorithm>
#include <random>
#include <vector>

#include "gui/core/rounding.h"
#include "win/gdi_handles.h"

namespace sk {

namespace {

uint8_t Channel(double value) { return uint8_t(std::clamp(gui::Round(value), 0, 255)); }

double Clamp01(double amount) { return std::clamp(amount, 0.0, 1.0); }

// new = weight * target + (1 - weight) * source, for all three channels of one pixel.
void Weigh(uint8_t* target, const uint8_t* source, double weight)
{
    for (int c = 0; c < 3; ++c)
        target[c] = Channel(weight * target[c] + (1 - weight) * source[c]);
}

void CopyPixel(uint8_t* to, const uint8_t* from)
{
    to[0] = from[0];
    to[1] = from[1];
    to[2] = from[2];
}

// Band length for the gradients: round(length x amount) with amount kept in 0..1.
int Scaled(int length, double amount) { return gui::Round(length * Clamp01(amount)); }

}  // namespace

void ClampRGB(int& red, int& green, int& blue)
{
    red = std::clamp(red, 0, 255);
    green = std::clamp(green, 0, 255);
    blue = std::clamp(blue, 0, 255);
}

TskEffectBmp::TskEffectBmp(HBITMAP source)
{
    win::UniqueDC display(::CreateDCA("DISPLAY", nullptr, nullptr, nullptr));
    dib_ = CopyToDib24(source, display.Get());
}

void TskEffectBmp::Draw(HDC dc, int x, int y) const
{
    if (!dib_.bits)
        return;
    ::SetDIBitsToDevice(dc, x, y, DWORD(Width()), DWORD(Height()), 0, 0, 0, UINT(Height()), dib_.bits, &dib_.info,
                        DIB_RGB_COLORS);
}

void TskEffectBmp::Morph(const TskEffectBmp& other, double amount)
{
    if (!SameSize(other))
        return;
    MorphRect(other, gui::Rect(0, 0, Width(), Height()), amount, 0, 0);
}

void TskEffectBmp::MorphRect(const TskEffectBmp& other, const gui::TRect& rect, double amount, int otherX, int otherY)
{
    if (!dib_.bits || !other.dib_.bits)
        return;
    amount = Clamp01(amount);
    // Only the part of `rect` that lies in this bitmap and whose matching area lies
    // in other.
    const int left = std::max({rect.Left, 0, rect.Left - otherX});
    const int top = std::max({rect.Top, 0, rect.Top - otherY});
    const int right = std::min({rect.Right, Width(), rect.Left + (other.Width() - otherX)});
    const int bottom = std::min({rect.Bottom, Height(), rect.Top + (other.Height() - otherY)});
    for (int y = top; y < bottom; ++y) {
        uint8_t* a = RowPointer(y);
        const uint8_t* b = other.RowPointer(otherY + (y - rect.Top));
        for (int x = left; x < right; ++x) {
            const int ox = otherX + (x - rect.Left);
            for (int c = 0; c < 3; ++c)
                a[3 * x + c] = Channel((1 - amount) * a[3 * x + c] + amount * b[3 * ox + c]);
        }
    }
}

void TskEffectBmp::MorphGrad(const TskEffectBmp& other, double amount)
{
    if (Width() < Height())
        MorphVGradient(other, amount);
    else
        MorphHGradient(other, amount);
}

void TskEffectBmp::MorphHGradient(const TskEffectBmp& other, double amount)
{
    if (!SameSize(other))
        return;
    const int W = Width();
    const int band = Scaled(W, amount);
    const int fade = (W - band) / 2;
    const double step = fade != 0 ? 1.0 / fade : 1.0;
    const int L = std::max(0, W / 2 - band / 2);
    const int R = std::min(W - 1, W / 2 + band / 2);
    for (int y = 0; y < Height(); ++y) {
        uint8_t* a = RowPointer(y);
        const uint8_t* b = other.RowPointer(y);
        for (int x = L; x <= R; ++x)
            CopyPixel(a + 3 * x, b + 3 * x);
        double w = 0;
        for (int x = L; x >= 0; --x, w = std::min(1.0, w + step))
            Weigh(a + 3 * x, b + 3 * x, w);
        w = 0;
        for (int x = R; x < W; ++x, w = std::min(1.0, w + step))
            Weigh(a + 3 * x, b + 3 * x, w);
    }
}

void TskEffectBmp::MorphVGradient(const TskEffectBmp& other, double amount)
{
    if (!SameSize(other))
        return;
    const int H = Height(), W = Width();
    const int band = Scaled(H, amount);
    const int fade = (H - 1 - band) / 2;
    // With no fade at all the rows outside the band take other's look outright.
    const double step = fade != 0 ? 1.0 / fade : 0.0;
    const int T = std::max(0, H / 2 - band / 2);
    const int B = std::min(H - 1, H / 2 + band / 2);
    auto weighRow = [&](int y, double weight) {
        uint8_t* a = RowPointer(y);
        const uint8_t* b = other.RowPointer(y);
        for (int x = 0; x < W; ++x)
            Weigh(a + 3 * x, b + 3 * x, weight);
    };
    for (int y = T; y <= B; ++y)
        std::copy(other.RowPointer(y), other.RowPointer(y) + 3 * W, RowPointer(y));
    double w = 0;
    for (int y = T; y >= 0; --y, w = std::min(1.0, w + step))
        weighRow(y, w);
    w = 0;
    for (int y = B; y < H; ++y, w = std::min(1.0, w + step))
        weighRow(y, w);
}

void TskEffectBmp::MorphLeftGradient(const TskEffectBmp& other, double amount)
{
    if (!SameSize(other))
        return;
    const int W = Width();
    const int n = std::min(std::max(Scaled(W, amount), 1), W - 1);
    const double step = n > 0 ? 1.0 / n : 1.0;  // a one-pixel-wide image has n = 0
    for (int y = 0; y < Height(); ++y) {
        uint8_t* a = RowPointer(y);
        const uint8_t* b = other.RowPointer(y);
        double w = 0;
        for (int x = 0; x <= n; ++x, w = std::min(1.0, w + step))
            Weigh(a + 3 * x, b + 3 * x, w);
    }
}

void TskEffectBmp::MorphRightGradient(const TskEffectBmp& other, double amount)
{
    if (!SameSize(other))
        return;
    const int W = Width();
    const int n = std::clamp(W - Scaled(W, amount), 0, W - 1);
    const double step = W - n > 0 ? 1.0 / (W - n) : 1.0;
    for (int y = 0; y < Height(); ++y) {
        uint8_t* a = RowPointer(y);
        const uint8_t* b = other.RowPointer(y);
        double w = 0;
        for (int x = W - 1; x >= n; --x, w = std::min(1.0, w + step))
            Weigh(a + 3 * x, b + 3 * x, w);
    }
}

void TskEffectBmp::MorphLeftSlide(const TskEffectBmp& other, double amount)
{
    if (!SameSize(other))
        return;
    const int W = Width();
    const int n = std::min(std::max(Scaled(W, amount), 1), W - 1);
    for (int y = 0; y < Height() && n > 0; ++y)
        std::copy(other.RowPointer(y) + 3 * (W - n), other.RowPointer(y) + 3 * W, RowPointer(y));
}

void TskEffectBmp::MorphRightSlide(const TskEffectBmp& other, double amount)
{
    if (!SameSize(other))
        return;
    const int W = Width();
    const int n = std::min(std::max(Scaled(W, amount), 1), W - 1);
    for (int y = 0; y < Height() && n > 0; ++y)
        std::copy(other.RowPointer(y), other.RowPointer(y) + 3 * n, RowPointer(y) + 3 * (W - n));
}

void TskEffectBmp::MorphPush(const TskEffectBmp& other, double amount)
{
    if (!SameSize(other))
        return;
    const int W = Width();
    const int n = std::clamp(Scaled(W, amount), 0, W - 1);
    for (int y = 0; y < Height(); ++y) {
        uint8_t* a = RowPointer(y);
        // Shift right by n + 1 columns; columns 0..n are other's below anyway.
        std::copy_backward(a, a + 3 * (W - n - 1), a + 3 * W);
        std::copy(other.RowPointer(y) + 3 * (W - n - 1), other.RowPointer(y) + 3 * W, a);
    }
}

void TskEffectBmp::ChangeBrightness(double amount)
{
    amount = Clamp01(amount);
    MapChannels([amount](uint8_t c) { return Channel((1 - amount) * c + 255 * amount); });
}

void TskEffectBmp::ChangeDarkness(double amount)
{
    amount = Clamp01(amount);
    MapChannels([amount](uint8_t c) { return Channel((1 - amount) * c); });
}

void TskEffectBmp::GrayScale()
{
    for (int y = 0; y < Height(); ++y) {
        uint8_t* p = RowPointer(y);
        for (int x = 0; x < Width(); ++x, p += 3) {
            const uint8_t g = Channel(0.3 * p[2] + 0.59 * p[1] + 0.11 * p[0]);
            p[0] = p[1] = p[2] = g;
        }
    }
}

void TskEffectBmp::Invert()
{
    MapChannels([](uint8_t c) { return uint8_t(255 - c); });
}

void TskEffectBmp::SplitBlur(int amount)
{
    if (amount <= 0)
        return;
    const int W = Width(), H = Height();
    for (int y = 0; y < H; ++y) {
        uint8_t* upper = RowPointer(y - amount < 0 ? y : y - amount);
        uint8_t* lower = RowPointer(y + amount >= H ? y : y + amount);
        uint8_t* row = RowPointer(y);
        for (int x = 0; x < W; ++x) {
            const int left = 3 * (x - amount < 0 ? x : x - amount);
            const int right = 3 * (x + amount >= W ? x : x + amount);
            for (int c = 0; c < 3; ++c)
                row[3 * x + c] =
                    uint8_t((upper[left + c] + lower[left + c] + upper[right + c] + lower[right + c]) / 4);
        }
    }
}

void TskEffectBmp::AddNoise(int amount)
{
    if (amount <= 0)
        return;
    std::minstd_rand random(std::random_device{}());
    std::uniform_int_distribution<int> draw(0, amount - 1);
    for (int y = 0; y < Height(); ++y) {
        uint8_t* p = RowPointer(y);
        for (int x = 0; x < Width(); ++x, p += 3) {
            const int v = draw(random) - amount / 2;
            for (int c = 0; c < 3; ++c)
                p[c] = uint8_t(std::clamp(p[c] + v, 0, 255));
        }
    }
}

}  // namespace sk

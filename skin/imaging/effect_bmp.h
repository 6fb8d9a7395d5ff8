// A 24-bit copy of a bitmap on which pixel effects are computed in place: the
// blends ("morphs") between a skin element's normal and highlighted look while
// the mouse enters or leaves it, and the effects that mark an inactive window.
// Computed channel values are rounded (halves to even) and clamped to 0..255.
#pragma once

#include <windows.h>

#include <cstdint>

#include "gui/core/types.h"
#include "skin/imaging/dib24.h"

namespace sk {

class TskEffectBmp {
public:
    explicit TskEffectBmp(HBITMAP source);
    TskEffectBmp(const TskEffectBmp&) = delete;
    TskEffectBmp& operator=(const TskEffectBmp&) = delete;

    int Width() const { return dib_.width; }
    int Height() const { return dib_.height; }
    int Size() const { return dib_.stride * dib_.height; }
    HBITMAP Handle() const { return dib_.handle.Get(); }
    uint8_t* Bits() const { return dib_.bits; }
    // Row y from the top: Width pixels of blue, green, red.
    uint8_t* RowPointer(int y) const { return dib_.Row(y); }

    // The whole bitmap at (x, y) of the DC.
    void Draw(HDC dc, int x, int y) const;

    // Blends toward other, which must be exactly as large (otherwise nothing
    // happens); amount runs from 0 (this look) to 1 (other's look) and is kept in 0..1.
    void Morph(const TskEffectBmp& other, double amount);
    // MorphVGradient for an image higher than wide, else MorphHGradient.
    void MorphGrad(const TskEffectBmp& other, double amount);
    // other shows as a band in the middle, fading back toward both sides.
    void MorphHGradient(const TskEffectBmp& other, double amount);
    void MorphVGradient(const TskEffectBmp& other, double amount);
    // other shows at one edge and fades toward the other.
    void MorphLeftGradient(const TskEffectBmp& other, double amount);
    void MorphRightGradient(const TskEffectBmp& other, double amount);
    // other slides in over this image from one side.
    void MorphLeftSlide(const TskEffectBmp& other, double amount);
    void MorphRightSlide(const TskEffectBmp& other, double amount);
    // other enters from the left and pushes this image out to the right.
    void MorphPush(const TskEffectBmp& other, double amount);
    // Morph restricted to `rect`, taking other's pixels from (otherX, otherY) on;
    // the parts outside either bitmap are left out.
    void MorphRect(const TskEffectBmp& other, const gui::TRect& rect, double amount, int otherX, int otherY);

    void ChangeBrightness(double amount);  // toward white
    void ChangeDarkness(double amount);    // toward black
    void GrayScale();
    void Invert();
    // Each channel the truncated mean of the four pixels `amount` rows and columns
    // away (where they exist), worked in place from the top left.
    void SplitBlur(int amount);
    // One random value in -amount/2 .. amount-1-amount/2 added to all three
    // channels of each pixel.
    void AddNoise(int amount);

private:
    bool SameSize(const TskEffectBmp& other) const
    {
        return other.Width() == Width() && other.Height() == Height() && dib_.bits && other.dib_.bits;
    }

    // Replaces every channel value of every pixel by channelMap(value).
    template <typename F>
    void MapChannels(F channelMap)
    {
        for (int y = 0; y < Height(); ++y) {
            uint8_t* p = RowPointer(y);
            for (int i = 0; i < 3 * Width(); ++i)
                p[i] = channelMap(p[i]);
        }
    }

    Dib24 dib_;
};

// Each value clamped to 0..255.
void ClampRGB(int& red, int& green, int& blue);

}  // namespace sk

// A list of small pictures of one size (menu item images, list view rows), each
// drawn with one colour transparent, and drawn greyed for disabled entries.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <vector>

#include "gui/core/component.h"
#include "gui/graphics/bitmap.h"
#include "gui/graphics/canvas.h"
#include "gui/graphics/icon.h"

namespace gui {

class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* owner);
    ~TImageList() override;

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Changing the size empties the list.
    void SetSize(int width, int height);
    int Count() const { return int(images_.size()); }

    // Cuts the bitmap into pictures of the list's size, left to right (a narrower
    // rest is left out), with `transparent` as the transparent colour (clDefault:
    // the colour of the bitmap's bottom-left pixel). Answers the index of the
    // first picture added, or -1 when none was.
    int AddMasked(TBitmap& bitmap, TColor transparent);
    void Clear();

    // Outside the list nothing is drawn. A disabled picture shows as its outline
    // embossed in the button shadow and highlight colours.
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true);
    // Makes the picture into an icon (its transparent colour see-through);
    // outside the list the icon stays as it is.
    void GetIcon(int index, TIcon& icon);

    // The same pictures as a system image list, for the system's controls: made
    // on first use, kept in step with the list (the same handle for the list's
    // whole life) and destroyed with it, after the components linked to the list
    // have let it go.
    HIMAGELIST Handle();

private:
    void AddNative(TBitmap& image);

    int width_ = 16;
    int height_ = 16;
    std::vector<std::unique_ptr<TBitmap>> images_;
    HIMAGELIST handle_ = nullptr;
};

}  // namespace gui

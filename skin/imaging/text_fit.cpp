#include "skin/imaging/text_fit.h"

namespace sk {

void FitTextWithEllipsis(gui::TCanvas& Canvas, std::string& Text, int Width)
{
    if (Width >= Canvas.TextWidth(Text))
        return;
    while (!Text.empty()) {
        Text.pop_back();
        if (Width >= Canvas.TextWidth(Text + "..."))
            break;
    }
    Text += "...";
}

}  // namespace sk

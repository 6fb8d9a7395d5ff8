#include "skin/imaging/text_fit.h"

namespace sk {

void FitTextWithEllipsis(gui::TCanvas& canvas, std::string& text, int width)
{
    if (width >= canvas.TextWidth(text))
        return;
    while (!text.empty()) {
        text.pop_back();
        if (width >= canvas.TextWidth(text + "..."))
            break;
    }
    text += "...";
}

}  // namespace sk

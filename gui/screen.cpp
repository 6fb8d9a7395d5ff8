#include "gui/screen.h"

#include <algorithm>

#include "gui/exceptions.h"
#include "gui/string_utils.h"

namespace gui {

TForm* TScreen::Forms(int index) const
{
    if (index < 0 || index >= FormCount())
        throw EListError("List index out of bounds (" + IntToStr(index) + ")");
    return forms_[size_t(index)];
}

int TScreen::IndexOfForm(const TForm* form) const
{
    const auto it = std::find(forms_.begin(), forms_.end(), form);
    return it == forms_.end() ? -1 : int(it - forms_.begin());
}

void TScreen::AddForm(TForm* form) { forms_.push_back(form); }

void TScreen::RemoveForm(TForm* form) { forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end()); }

TScreen& Screen()
{
    static TScreen screen;
    return screen;
}

}  // namespace gui

#include "app/form_resources.h"

#include <windows.h>

#include "gui/controls/form.h"
#include "gui/controls/resource_stream.h"
#include "gui/graphics/bitmap.h"
#include "skin/model/compressed_stored_skin.h"

namespace brenvale {

namespace {

HINSTANCE Program() { return ::GetModuleHandleA(nullptr); }

}  // namespace

void LoadCompressedSkin(sk::TskCompressedStoredSkin& skin)
{
    gui::TResourceStream stream(Program(), "SKIN", MAKEINTRESOURCEA(10));  // RT_RCDATA
    skin.ReadCompressedData(stream);
}

void LoadGlyph(gui::TBitmap& glyph, const std::string& resource)
{
    gui::TResourceStream stream(Program(), resource, MAKEINTRESOURCEA(10));
    glyph.LoadFromStream(stream);
    glyph.SetTransparent(true);
}

std::string PersistedControlState()
{
    gui::TResourceStream stream(Program(), "CDRIPPER", MAKEINTRESOURCEA(10));
    std::string state(size_t(stream.Size()), '\0');
    stream.ReadBuffer(state.data(), int32_t(state.size()));
    return state;
}

void CenterOnScreen(gui::TForm& form)
{
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    form.SetBounds(work.left + (work.right - work.left - form.Width()) / 2,
                   work.top + (work.bottom - work.top - form.Height()) / 2, form.Width(), form.Height());
}

void CenterOnForm(gui::TForm& form, gui::TForm& on)
{
    form.SetBounds(on.Left() + (on.Width() - form.Width()) / 2, on.Top() + (on.Height() - form.Height()) / 2,
                   form.Width(), form.Height());
}

}  // namespace brenvale

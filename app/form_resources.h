// What the program's forms read from the program's resources: the compressed
// skin, the tool buttons' glyphs, the hosted control's persisted state, the icon.
#pragma once

#include <string>

namespace gui {
class TBitmap;
class TForm;
}  // namespace gui

namespace sk {
class TskCompressedStoredSkin;
}

namespace brenvale {

// The RCDATA resource "SKIN": the blob of the main window's compressed skin.
void LoadCompressedSkin(sk::TskCompressedStoredSkin& skin);
// An RCDATA resource holding a BMP file, transparent where its bottom-left pixel's
// colour is.
void LoadGlyph(gui::TBitmap& glyph, const std::string& resource);
// The RCDATA resource "CDRIPPER": the hosted control's persisted bytes.
std::string PersistedControlState();

// Places a form centred on the screen's work area.
void CenterOnScreen(gui::TForm& form);
// Centred on another form.
void CenterOnForm(gui::TForm& form, gui::TForm& on);

}  // namespace brenvale

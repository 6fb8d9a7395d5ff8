// A skinned form to look at skins by hand or by X input: a caption with its
// buttons, a menu bar and a skinned button, edit, list, scroll bar and gauge.
// It loads the packed skin file named first on its command line; F5 loads the
// second one (and back again), so skins can be switched while a menu is open or
// the window is dragged. A file that cannot be loaded is shown in the caption.
// Started under Wine on the test session's display (build/x86_64/bin/skin_host.exe).
#include <windows.h>

#include <exception>
#include <sstream>
#include <string>
#include <vector>

#include "app/form_skin.h"
#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "gui/controls/menu.h"
#include "gui/core/exceptions.h"
#include "gui/core/file_stream.h"
#include "skin/data/skin_data.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/model/compressed_stored_skin.h"
#include "skinctrls/controls/skin_button.h"
#include "skinctrls/controls/skin_edit.h"
#include "skinctrls/controls/skin_gauge.h"
#include "skinctrls/controls/skin_scroll_bar.h"
#include "skinctrls/menubar/main_menu_bar.h"
#include "skinctrls/views/skin_list_view.h"

namespace {

std::vector<std::string> Arguments()
{
    std::vector<std::string> words;
    std::istringstream line(::GetCommandLineA());
    std::string word;
    while (line >> word)
        words.push_back(word);
    return words;
}

gui::TMenuItem* AddItem(gui::TMainMenu* menu, gui::TMenuItem& under, const std::string& caption)
{
    auto* item = new gui::TMenuItem(menu);
    item->SetCaption(caption);
    under.Add(item);
    return item;
}

// Loads a packed skin file; an error is shown in the form's caption.
void Load(gui::TForm& form, sk::TskCompressedStoredSkin& stored, sk::TskSkinData& skin, const std::string& file)
{
    try {
        gui::TFileStream stream(file, gui::fmOpenRead);
        stored.ReadCompressedData(stream);
        skin.LoadCompressedStoredSkin(stored);
        form.SetCaption("Skin host - " + file);
    } catch (const std::exception& error) {
        form.SetCaption(std::string("Skin host - ") + error.what());
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    const std::vector<std::string> args = Arguments();
    const std::string first = args.size() > 1 ? args[1] : "skin.blob";
    const std::string second = args.size() > 2 ? args[2] : first;

    gui::Application().SetTitle("Skin host");
    auto* form = new gui::TForm(nullptr);
    form->SetCaption("Skin host");
    form->SetBounds(60, 60, 480, 360);
    gui::Application().SetMainForm(form);

    auto* stored = new sk::TskCompressedStoredSkin(form);
    auto* skin = new sk::TskSkinData(form);
    Load(*form, *stored, *skin, first);

    auto* menu = new gui::TMainMenu(form);
    gui::TMenuItem* file = AddItem(menu, menu->Items(), "&File");
    AddItem(menu, *file, "&Open");
    AddItem(menu, *file, "-");
    AddItem(menu, *file, "E&xit");
    gui::TMenuItem* view = AddItem(menu, menu->Items(), "&View");
    AddItem(menu, *view, "&Large");
    AddItem(menu, *view, "&Small");
    sk::TskFormSkinEngine* engine = brenvale::AttachFormSkin(*form, skin, {true, true, 20});
    auto* bar = new sk::TskSkinMainMenuBar(form);
    bar->SetSkinDataName("mainmenubar");
    bar->SetSkinData(skin);
    bar->SetMainMenu(menu);
    bar->SetFormSkinEngine(engine);
    bar->SetBounds(0, 0, form->ClientWidth(), 22);
    bar->SetAlign(gui::alTop);
    bar->SetParent(form);
    engine->SetMainMenuBar(bar);

    auto* button = new sk::TskSkinButton(form);
    button->SetSkinDataName("button");
    button->SetSkinData(skin);
    button->SetCaption("Button");
    button->SetBounds(10, 40, 100, 28);
    button->SetParent(form);

    auto* edit = new sk::TskSkinEdit(form);
    edit->SetSkinDataName("edit");
    edit->SetSkinData(skin);
    edit->SetText("Edit text");
    edit->SetBounds(120, 40, 160, 24);
    edit->SetParent(form);

    auto* list = new sk::TskSkinListView(form);
    list->SetSkinDataName("listview");
    list->SetSkinData(skin);
    list->SetBounds(10, 80, 270, 150);
    list->SetParent(form);

    auto* scroll = new sk::TskSkinScrollBar(form);
    scroll->SetSkinDataName("vscrollbar");
    scroll->SetSkinData(skin);
    scroll->SetKind(gui::sbVertical);
    scroll->SetBounds(290, 40, 18, 190);
    scroll->SetParent(form);

    auto* gauge = new sk::TskSkinGauge(form);
    gauge->SetSkinDataName("gauge");
    gauge->SetSkinData(skin);
    gauge->SetValue(40);
    gauge->SetBounds(10, 240, 298, 20);
    gauge->SetParent(form);

    form->Show();
    bool onFirst = true;
    MSG msg;
    while (form->Visible()) {
        const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0)
            break;
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_F5) {
            onFirst = !onFirst;
            Load(*form, *stored, *skin, onFirst ? first : second);
            continue;
        }
        if (gui::Application().IsKeyMsg(msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    delete form;
    return 0;
}

// A skinned multiple-document program to use by hand or by X input: the
// program's skin on a parent with a menu bar and a window menu, two skinned
// children and a skinned tool window inside its client window, and a tool window
// in the engine's default frame. Nothing more; it is a host for looking at the
// form engine's MDI behaviour. Started under Wine on the test session's
// display (build/x86_64/bin/mdi_host.exe); closing the parent ends it.
#include <windows.h>

#include <string>

#include "app/form_resources.h"
#include "app/form_skin.h"
#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "gui/controls/menu.h"
#include "skin/data/skin_data.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/model/compressed_stored_skin.h"
#include "skinctrls/menubar/main_menu_bar.h"

namespace {

gui::TMenuItem* AddItem(gui::TMainMenu* menu, gui::TMenuItem& under, const std::string& name,
                        const std::string& caption)
{
    auto* item = new gui::TMenuItem(menu);
    item->SetName(name);
    item->SetCaption(caption);
    under.Add(item);
    return item;
}

gui::TForm* NewChild(gui::TForm* parent, sk::TskSkinData* skin, const std::string& name, const std::string& caption,
                     int left, int top, bool tool, bool skinned = true)
{
    auto* child = new gui::TForm(parent);
    child->SetFormStyle(gui::fsMDIChild);
    child->SetName(name);
    child->SetCaption(caption);
    if (tool)
        child->SetBorderStyle(gui::bsSizeToolWin);
    child->SetBounds(left, top, 260, 180);
    brenvale::AttachFormSkin(*child, skinned ? skin : nullptr, {/*sizeable=*/true, /*rollUp=*/true, /*menuItemHeight=*/20});
    child->Show();
    return child;
}

// Runs until the parent closes: its form only hides then, the program ends.
int Run(gui::TForm* parent)
{
    MSG msg;
    while (parent->Visible()) {
        const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0)
            return got == 0 ? int(msg.wParam) : 1;
        if (gui::Application().IsKeyMsg(msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    gui::Application().SetTitle("MDI host");
    auto* parent = new gui::TForm(nullptr);
    parent->SetFormStyle(gui::fsMDIForm);
    parent->SetName("Parent");
    parent->SetCaption("MDI host");
    parent->SetBounds(40, 40, 900, 640);
    gui::Application().SetMainForm(parent);

    auto* stored = new sk::TskCompressedStoredSkin(parent);
    stored->SetFileName("skin.ini");
    brenvale::LoadCompressedSkin(*stored);
    auto* skin = new sk::TskSkinData(parent);
    skin->SetCompressedStoredSkin(stored);

    auto* menu = new gui::TMainMenu(parent);
    gui::TMenuItem* file = AddItem(menu, menu->Items(), "FileItem", "&File");
    AddItem(menu, *file, "OpenItem", "&Open");
    gui::TMenuItem* window = AddItem(menu, menu->Items(), "WindowItem", "&Window");
    AddItem(menu, *window, "CascadeItem", "&Cascade");
    parent->SetWindowMenu(window);
    sk::TskFormSkinEngine* engine = brenvale::AttachFormSkin(*parent, skin, {true, true, 20});
    auto* bar = new sk::TskSkinMainMenuBar(parent);
    bar->SetSkinDataName("mainmenubar");
    bar->SetSkinData(skin);
    bar->SetMainMenu(menu);
    bar->SetFormSkinEngine(engine);
    bar->SetBounds(0, 0, parent->ClientWidth(), 22);
    bar->SetAlign(gui::alTop);
    bar->SetParent(parent);
    engine->SetMainMenuBar(bar);
    parent->Show();

    NewChild(parent, skin, "ChildA", "Child A", 10, 10, false);
    NewChild(parent, skin, "ChildB", "Child B", 200, 120, false);
    NewChild(parent, skin, "ToolC", "Tool C", 420, 60, true);
    // A tool window in the engine's own default frame, for a program without skin.
    NewChild(parent, skin, "ToolD", "Tool D", 460, 300, true, false);
    const int result = Run(parent);
    delete parent;
    return result;
}

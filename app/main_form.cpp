// The main window's components, built the way its form resource lays them out.
#include "app/main_form.h"

#include <commctrl.h>

#include <algorithm>

#include "app/access_keys.h"
#include "app/cddb_wait_form.h"
#include "app/form_resources.h"
#include "app/form_skin.h"
#include "app/track_list_view.h"
#include "gui/controls/application.h"
#include "gui/controls/timer.h"
#include "skin/data/skin_data.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/model/compressed_stored_skin.h"
#include "skin/popups/skin_main_menu.h"
#include "skinctrls/controls/skin_button.h"
#include "skinctrls/controls/skin_control_bar.h"
#include "skinctrls/controls/skin_gauge.h"
#include "skinctrls/controls/skin_panel.h"
#include "skinctrls/controls/skin_scroll_bar.h"
#include "skinctrls/dialogs/skin_message.h"
#include "skinctrls/menubar/main_menu_bar.h"

namespace brenvale {

namespace {

constexpr int kToolButtonWidth = 38;
constexpr int kToolButtonHeight = 36;
constexpr int kScrollBarSize = 19;
// Posted to the window when a size below its minimum was refused.
constexpr UINT WM_SHOWKEPTSIZE = WM_APP + 1;

}  // namespace

TfrmMain::TfrmMain(gui::TComponent* owner) : TForm(owner)
{
    BeginLoading();
    SetName("frmMain");
    SetCaption(gui::Application().Title());
    CreateComponents();
    EndLoading();
}

void TfrmMain::CreateComponents()
{
    // The skin first: assigning the store to the skin data loads it.
    skCompressedStoredSkin = new sk::TskCompressedStoredSkin(this);
    skCompressedStoredSkin->SetName("skCompressedStoredSkin");
    skCompressedStoredSkin->SetFileName("skin.ini");
    LoadCompressedSkin(*skCompressedStoredSkin);
    skSkinData = new sk::TskSkinData(this);
    skSkinData->SetName("skSkinData");
    skSkinData->SetCompressedStoredSkin(skCompressedStoredSkin);
    skFormSkinEngine = AttachFormSkin(*this, skSkinData, {/*sizeable=*/true, /*rollUp=*/true, /*menuItemHeight=*/20});
    // The client size is what lies inside the skin's frame.
    SetClientWidth(777);
    SetClientHeight(548);
    CenterOnScreen(*this);

    CreateActions();
    CreateMenu();
    CreateToolBar();

    skSkinPanel5 = new sk::TskSkinPanel(this);
    skSkinPanel5->SetName("skSkinPanel5");
    skSkinPanel5->SetSkinDataName("panel");
    skSkinPanel5->SetSkinData(skSkinData);
    skSkinPanel5->SetBorderStyle(sk::bvFrame);
    skSkinPanel5->SetCaption("");
    skSkinPanel5->SetHeight(15);
    skSkinPanel5->SetAlign(gui::alBottom);
    skSkinPanel5->SetParent(this);

    skSkinGauge = new sk::TskSkinGauge(this);
    skSkinGauge->SetName("skSkinGauge");
    skSkinGauge->SetSkinDataName("gauge");
    skSkinGauge->SetSkinData(skSkinData);
    skSkinGauge->SetShowPercent(true);
    skSkinGauge->SetMinValue(0);
    skSkinGauge->SetValue(0);
    skSkinGauge->SetAlign(gui::alClient);
    skSkinGauge->SetParent(skSkinPanel5);

    // The list hides the native scroll bars, which cannot wear the skin: a disc of
    // many tracks scrolls with these, shown only while the rows do not fit. They
    // share a pane of their own with the list, so that a bar that comes and goes
    // keeps its place beside the list (the gauge stays at the window's bottom).
    skSkinPanel_TrackList = new sk::TskSkinPanel(this);
    skSkinPanel_TrackList->SetName("skSkinPanel_TrackList");
    skSkinPanel_TrackList->SetBorderStyle(sk::bvNone);
    skSkinPanel_TrackList->SetCaption("");
    skSkinPanel_TrackList->SetAlign(gui::alClient);
    skSkinPanel_TrackList->SetParent(this);
    skSkinScrollBar_TrackListH = new sk::TskSkinScrollBar(this);
    skSkinScrollBar_TrackListH->SetName("skSkinScrollBar_TrackListH");
    skSkinScrollBar_TrackListH->SetSkinDataName("hscrollbar");
    skSkinScrollBar_TrackListH->SetSkinData(skSkinData);
    skSkinScrollBar_TrackListH->SetBothMarkerWidth(kScrollBarSize);
    skSkinScrollBar_TrackListH->SetDefaultHeight(kScrollBarSize);
    skSkinScrollBar_TrackListH->SetHeight(kScrollBarSize);
    skSkinScrollBar_TrackListH->SetAlign(gui::alBottom);
    skSkinScrollBar_TrackListH->SetParent(skSkinPanel_TrackList);
    skSkinScrollBar_TrackListV = new sk::TskSkinScrollBar(this);
    skSkinScrollBar_TrackListV->SetName("skSkinScrollBar_TrackListV");
    skSkinScrollBar_TrackListV->SetKind(gui::sbVertical);
    skSkinScrollBar_TrackListV->SetDefaultWidth(kScrollBarSize);
    skSkinScrollBar_TrackListV->SetDefaultHeight(0);
    skSkinScrollBar_TrackListV->SetSkinDataName("vscrollbar");
    skSkinScrollBar_TrackListV->SetSkinData(skSkinData);
    skSkinScrollBar_TrackListV->SetWidth(kScrollBarSize);
    skSkinScrollBar_TrackListV->SetAlign(gui::alRight);
    skSkinScrollBar_TrackListV->SetParent(skSkinPanel_TrackList);

    skSkinListView_TrackList = new TTrackListView(this);
    skSkinListView_TrackList->SetName("skSkinListView_TrackList");
    skSkinListView_TrackList->SetSkinData(skSkinData);
    gui::TFont font;
    font.SetName("Arial");
    font.SetHeight(-14);
    skSkinListView_TrackList->SetDefaultFont(font);
    skSkinListView_TrackList->SetFont(font);
    skSkinListView_TrackList->SetAlign(gui::alClient);
    skSkinListView_TrackList->SetParent(skSkinPanel_TrackList);
    skSkinListView_TrackList->SetVScrollBar(skSkinScrollBar_TrackListV);
    skSkinListView_TrackList->SetHScrollBar(skSkinScrollBar_TrackListH);
    // The keys go to the track list first, then to Stop.
    skSkinPanel_TrackList->SetTabOrder(0);

    // The control, from the persisted state the form carries: jitter correction
    // and the overwrite question off, so existing files are overwritten.
    CDRipper = new TVelCDRipper(this);
    CDRipper->SetName("CDRipper");
    CDRipper->OnProgress = [this](gui::TComponent*, long percent) { CDRipperProgress(percent); };
    CDRipper->OnExtractionStart = [this](gui::TComponent*) { CDRipperExtractionStart(); };
    CDRipper->OnExtractionEnd = [this](gui::TComponent*) { CDRipperExtractionEnd(); };
    CDRipper->OnExtractionError = [this](gui::TComponent*, const std::string& text) {
        CDRipperExtractionError(text);
    };
    CDRipper->OnDiskChanged = [this](gui::TComponent*) { CDRipperDiskChanged(); };
    CDRipper->Create(PersistedControlState());

    skSkinMessage = new sk::TskSkinMessage(this);
    skSkinMessage->SetName("skSkinMessage");
    skSkinMessage->SetSkinData(skSkinData);
    skSkinMessage->SetCtrlSkinData(skSkinData);

    frmLoadCDDBDataMsg = new TfrmLoadCDDBDataMsg(this, skSkinData);

    cutShortTimer_ = new gui::TTimer(this);
    cutShortTimer_->SetEnabled(false);
    cutShortTimer_->SetInterval(100);
    cutShortTimer_->OnTimer = [this](gui::TComponent*) {
        if (WorkerGone())
            RemoveUnfinishedFile();
    };
}

void TfrmMain::CreateActions()
{
    ActionList = new gui::TActionList(this);
    ActionList->SetName("ActionList");
    auto make = [this](const char* name, const char* caption, void (TfrmMain::*handler)(gui::TComponent*)) {
        auto* action = new gui::TAction(this);
        action->SetName(name);
        action->SetCaption(caption);
        action->SetActionList(ActionList);
        action->OnExecute = [this, handler](gui::TComponent* sender) { (this->*handler)(sender); };
        return action;
    };
    CDRefresh = make("CDRefresh", "Refresh Track List", &TfrmMain::CDRefreshExecute);
    CDRip = make("CDRip", "Rip CD Now!", &TfrmMain::CDRipExecute);
    CDStop = make("CDStop", "Stop Ripping", &TfrmMain::CDStopExecute);
    CDGetDataFromCDDB = make("CDGetDataFromCDDB", "Get Track Info From CDDB", &TfrmMain::CDGetDataFromCDDBExecute);
    CDOpenCDTray = make("CDOpenCDTray", "Open CD Tray", &TfrmMain::CDOpenCDTrayExecute);
    CDCloseCDTray = make("CDCloseCDTray", "Close CD Tray", &TfrmMain::CDCloseCDTrayExecute);
    CDCheckAllTracks = make("CDCheckAllTracks", "Select All Tracks", &TfrmMain::CDCheckAllTracksExecute);
    CDUncheckAllTracks = make("CDUncheckAllTracks", "Deselect All Tracks", &TfrmMain::CDUncheckAllTracksExecute);
    CDOptions = make("CDOptions", "Options", &TfrmMain::CDOptionsExecute);
    HelpHelp = make("HelpHelp", "Help", &TfrmMain::HelpHelpExecute);
    HelpAbout = make("HelpAbout", "About", &TfrmMain::HelpAboutExecute);
    FileExit = make("FileExit", "Exit", &TfrmMain::FileExitExecute);
}

void TfrmMain::CreateMenu()
{
    skSkinMainMenu = new sk::TskSkinMainMenu(this);
    skSkinMainMenu->SetName("skSkinMainMenu");
    auto submenu = [this](const char* caption) {
        auto* item = new gui::TMenuItem(this);
        item->SetCaption(caption);
        skSkinMainMenu->Items().Add(item);
        return item;
    };
    auto add = [this](gui::TMenuItem* parent, const char* name, gui::TAction* action) {
        auto* item = new gui::TMenuItem(this);
        if (action) {
            item->SetName(name);
            menuLinks_.Link(item, action);
        } else {
            item->SetCaption("-");
        }
        parent->Add(item);
    };
    // Each menu's first letter is its accelerator: Alt+F, Alt+C and Alt+H open them.
    gui::TMenuItem* file = submenu("&File");
    add(file, "Exit1", FileExit);
    gui::TMenuItem* cd = submenu("&CD");
    add(cd, "GetDataFromCDDB1", CDGetDataFromCDDB);
    add(cd, nullptr, nullptr);
    add(cd, "Rip1", CDRip);
    add(cd, nullptr, nullptr);
    add(cd, "Refresh1", CDRefresh);
    add(cd, "Stop1", CDStop);
    add(cd, nullptr, nullptr);
    add(cd, "Eject1", CDOpenCDTray);
    add(cd, "Close1", CDCloseCDTray);
    add(cd, nullptr, nullptr);
    add(cd, "CheckAllTracks1", CDCheckAllTracks);
    add(cd, "UncheckAllTracks1", CDUncheckAllTracks);
    add(cd, nullptr, nullptr);
    add(cd, "Option1", CDOptions);
    gui::TMenuItem* help = submenu("&Help");
    add(help, "Help2", HelpHelp);
    add(help, nullptr, nullptr);
    add(help, "About1", HelpAbout);
    // Every command of an open menu has a letter of its own, underlined.
    for (int i = 0; i < skSkinMainMenu->Items().Count(); ++i)
        GiveAccessKeys(*skSkinMainMenu->Items()[i]);

    skSkinMainMenuBar1 = new sk::TskSkinMainMenuBar(this);
    skSkinMainMenuBar1->SetName("skSkinMainMenuBar1");
    skSkinMainMenuBar1->SetSkinDataName("mainmenubar");
    skSkinMainMenuBar1->SetSkinData(skSkinData);
    skSkinMainMenuBar1->SetMainMenu(skSkinMainMenu);
    skSkinMainMenuBar1->SetFormSkinEngine(skFormSkinEngine);
    skSkinMainMenuBar1->SetBounds(0, 0, ClientWidth(), 22);
    skSkinMainMenuBar1->SetAlign(gui::alTop);
    skSkinMainMenuBar1->SetParent(this);
    // F10, Alt and Alt+letter reach the menu through the bar, not the caption.
    skFormSkinEngine->SetMainMenuBar(skSkinMainMenuBar1);
}

sk::TskSkinPanel* TfrmMain::ToolPanel(int left, int buttons)
{
    auto* panel = new sk::TskSkinPanel(this);
    panel->SetSkinDataName("panel");
    panel->SetSkinData(skSkinData);
    panel->SetBorderStyle(sk::bvNone);
    panel->SetCaption("");
    panel->SetBounds(left, 2, buttons * kToolButtonWidth + 8, kToolButtonHeight);
    panel->SetParent(skSkinControlBar1);
    return panel;
}

sk::TskSkinButton* TfrmMain::ToolButton(sk::TskSkinPanel* panel, int index, const char* glyph,
                                        const std::string& hint, void (TfrmMain::*handler)(gui::TComponent*))
{
    auto* button = new sk::TskSkinButton(this);
    button->SetSkinDataName("button");
    button->SetSkinData(skSkinData);
    button->SetBounds(4 + index * kToolButtonWidth, 0, kToolButtonWidth, kToolButtonHeight);
    button->SetCaption("");
    LoadGlyph(button->Glyph(), glyph);
    // The normal frame and a grey one: Stop, disabled while nothing runs, keeps
    // its blend value and must still look out of use.
    button->SetNumGlyphs(2);
    button->SetAlphaBlend(true);
    button->SetAlphaBlendValue(255);
    button->SetHint(hint);
    button->SetShowHint(true);
    button->SetCanFocused(false);
    button->OnClick = [this, handler](gui::TComponent* sender) { (this->*handler)(sender); };
    button->SetParent(panel);
    return button;
}

void TfrmMain::CreateToolBar()
{
    skSkinControlBar1 = new sk::TskSkinControlBar(this);
    skSkinControlBar1->SetName("skSkinControlBar1");
    skSkinControlBar1->SetSkinDataName("controlbar");
    skSkinControlBar1->SetSkinData(skSkinData);
    skSkinControlBar1->SetTop(22);  // under the menu bar
    skSkinControlBar1->SetAlign(gui::alTop);
    skSkinControlBar1->SetAutoSize(true);
    skSkinControlBar1->SetParent(this);

    skSkinPanel6 = ToolPanel(11, 1);
    skSkinPanel6->SetName("skSkinPanel6");
    skSkinPanel2 = ToolPanel(68, 3);
    skSkinPanel2->SetName("skSkinPanel2");
    skSkinPanel4 = ToolPanel(201, 2);
    skSkinPanel4->SetName("skSkinPanel4");
    skSkinPanel1 = ToolPanel(295, 2);
    skSkinPanel1->SetName("skSkinPanel1");
    skSkinPanel3 = ToolPanel(389, 1);
    skSkinPanel3->SetName("skSkinPanel3");

    skSkinButton_CDDB = ToolButton(skSkinPanel6, 0, "GLYPH_CDDB", "Get track info from CDDB",
                                   &TfrmMain::CDGetDataFromCDDBExecute);
    skSkinButton_CDDB->SetName("skSkinButton_CDDB");
    skSkinButton_Rip = ToolButton(skSkinPanel2, 0, "GLYPH_RIP", "Rip the CD", &TfrmMain::CDRipExecute);
    skSkinButton_Rip->SetName("skSkinButton_Rip");
    skSkinButton_Refresh = ToolButton(skSkinPanel2, 1, "GLYPH_REFRESH", "Refresh the track list",
                                      &TfrmMain::CDRefreshExecute);
    skSkinButton_Refresh->SetName("skSkinButton_Refresh");
    skSkinButton_Stop = ToolButton(skSkinPanel2, 2, "GLYPH_STOP", "Stop ripping!", &TfrmMain::CDStopExecute);
    skSkinButton_Stop->SetName("skSkinButton_Stop");
    skSkinButton_Stop->SetCanFocused(true);
    skSkinButton_SelectAll = ToolButton(skSkinPanel4, 0, "GLYPH_SELECTALL", "Select all tracks",
                                        &TfrmMain::CDCheckAllTracksExecute);
    skSkinButton_SelectAll->SetName("skSkinButton_SelectAll");
    skSkinButton_DeselectAll = ToolButton(skSkinPanel4, 1, "GLYPH_DESELECTALL", "Deselect all tracks",
                                          &TfrmMain::CDUncheckAllTracksExecute);
    skSkinButton_DeselectAll->SetName("skSkinButton_DeselectAll");
    skSkinButton_OpenCDTray = ToolButton(skSkinPanel1, 0, "GLYPH_OPENTRAY", "Open CD Tray",
                                         &TfrmMain::CDOpenCDTrayExecute);
    skSkinButton_OpenCDTray->SetName("skSkinButton_OpenCDTray");
    skSkinButton_CloseCDTray = ToolButton(skSkinPanel1, 1, "GLYPH_CLOSETRAY", "Close CD Tray",
                                          &TfrmMain::CDCloseCDTrayExecute);
    skSkinButton_CloseCDTray->SetName("skSkinButton_CloseCDTray");
    skSkinButton_Options = ToolButton(skSkinPanel3, 0, "GLYPH_OPTIONS", "Options", &TfrmMain::CDOptionsExecute);
    skSkinButton_Options->SetName("skSkinButton_Options");
}

void TfrmMain::SetMinimumSize()
{
    constexpr int kMinimumRows = 3;
    const HWND list = skSkinListView_TrackList->Handle();
    const int rows = HIWORD(ListView_ApproximateViewRect(list, -1, -1, kMinimumRows));
    RECT header{};
    if (const HWND headerWindow = ListView_GetHeader(list))
        ::GetWindowRect(headerWindow, &header);
    // The list is narrower than its columns then: its horizontal bar shows.
    const int clientHeight = skSkinMainMenuBar1->Height() + skSkinControlBar1->Height() +
                             (header.bottom - header.top) + rows + kScrollBarSize + skSkinPanel5->Height();
    int toolBarWidth = 0;
    for (sk::TskSkinPanel* panel : {skSkinPanel6, skSkinPanel2, skSkinPanel4, skSkinPanel1, skSkinPanel3})
        toolBarWidth = std::max(toolBarWidth, panel->Left() + panel->Width());
    minWidth_ = skSkinControlBar1->Left() + toolBarWidth + 4 + Width() - ClientWidth();
    minHeight_ = clientHeight + Height() - ClientHeight();
    skFormSkinEngine->SetMinWidth(minWidth_);
    skFormSkinEngine->SetMinHeight(minHeight_);
}

void TfrmMain::KeepMinimumSize(WINDOWPOS& position)
{
    // Rolled up, minimized or maximized the window has sizes of its own.
    if (minWidth_ == 0 || (position.flags & SWP_NOSIZE) || !HandleAllocated() || ::IsIconic(Handle()) ||
        skFormSkinEngine->RolledUp() || skFormSkinEngine->WindowState() != sk::wsNormal)
        return;
    RECT now{};
    ::GetWindowRect(Handle(), &now);
    const bool moves = !(position.flags & SWP_NOMOVE);
    if ((position.cx < minWidth_ || position.cy < minHeight_) && !keptSizePosted_) {
        // A window manager's size comes in while its event is handled, when the
        // system does not pass a size changed here back to it: the window is told
        // again once the event is over.
        keptSizePosted_ = ::PostMessageA(Handle(), WM_SHOWKEPTSIZE, 0, 0) != FALSE;
    }
    if (position.cx < minWidth_) {
        // Sized from the left edge: the right edge stays.
        if (moves && position.x != now.left && position.x + position.cx == now.right)
            position.x = now.right - minWidth_;
        position.cx = minWidth_;
    }
    if (position.cy < minHeight_) {
        if (moves && position.y != now.top && position.y + position.cy == now.bottom)
            position.y = now.bottom - minHeight_;
        position.cy = minHeight_;
    }
}

void TfrmMain::ShowKeptSize()
{
    keptSizePosted_ = false;
    if (HandleAllocated())
        ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TfrmMain::WndProc(gui::TMessage& message)
{
    switch (message.Msg) {
    case WM_SHOWKEPTSIZE:
        ShowKeptSize();
        break;
    case WM_WINDOWPOSCHANGING:
        KeepMinimumSize(*reinterpret_cast<WINDOWPOS*>(message.LParam));
        TForm::WndProc(message);
        break;
    case WM_SHOWWINDOW:
        TForm::WndProc(message);
        if (message.WParam && !shown_) {
            shown_ = true;
            FormShow();
        }
        break;
    case WM_CLOSE:
        // Settings that cannot be written are reported, and the window closes all
        // the same: the program must never refuse to end.
        try {
            FormClose();
        } catch (...) {
            gui::Application().HandleException(this);
        }
        TForm::WndProc(message);
        if (gui::Application().MainForm() == this)
            ::PostQuitMessage(0);
        break;
    default:
        TForm::WndProc(message);
    }
}

}  // namespace brenvale

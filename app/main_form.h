// The main window: the tracks of the audio CD in the first drive, with CDDB
// names, ripped to WAV files in one output folder with the batch's progress in a
// gauge; the tool bar and the menu drive the hosted CD extraction control. All
// handlers run on the window's thread, the control's events too.
#pragma once

#include <windows.h>

#include <exception>
#include <string>
#include <utility>
#include <vector>

#include "app/batch_files.h"
#include "app/cd_ripper.h"
#include "app/menu_action_links.h"
#include "app/ripper_settings.h"
#include "gui/controls/action.h"
#include "gui/controls/form.h"
#include "gui/controls/menu.h"

namespace gui {
class TTimer;
}

namespace sk {
class TskCompressedStoredSkin;
class TskFormSkinEngine;
class TskSkinMainMenu;
class TskSkinMainMenuBar;
class TskSkinButton;
class TskSkinControlBar;
class TskSkinData;
class TskSkinGauge;
class TskSkinPanel;
class TskSkinMessage;
class TskSkinScrollBar;
}  // namespace sk

namespace brenvale {

class TTrackListView;
class TfrmLoadCDDBDataMsg;

class TfrmMain : public gui::TForm {
public:
    explicit TfrmMain(gui::TComponent* owner);

    // The form's components.
    sk::TskCompressedStoredSkin* skCompressedStoredSkin;
    sk::TskSkinData* skSkinData;
    gui::TActionList* ActionList;
    gui::TAction *CDRefresh, *CDRip, *CDStop, *CDGetDataFromCDDB, *CDOpenCDTray, *CDCloseCDTray,
        *CDCheckAllTracks, *CDUncheckAllTracks, *CDOptions, *HelpHelp, *HelpAbout, *FileExit;
    sk::TskFormSkinEngine* skFormSkinEngine;
    sk::TskSkinMainMenu* skSkinMainMenu;
    sk::TskSkinMainMenuBar* skSkinMainMenuBar1;
    sk::TskSkinControlBar* skSkinControlBar1;
    sk::TskSkinPanel *skSkinPanel6, *skSkinPanel2, *skSkinPanel4, *skSkinPanel1, *skSkinPanel3;
    sk::TskSkinButton *skSkinButton_CDDB, *skSkinButton_Rip, *skSkinButton_Refresh, *skSkinButton_Stop,
        *skSkinButton_SelectAll, *skSkinButton_DeselectAll, *skSkinButton_OpenCDTray,
        *skSkinButton_CloseCDTray, *skSkinButton_Options;
    TTrackListView* skSkinListView_TrackList;
    // The track list's own scroll bars, shown when its rows or columns do not fit,
    // and the pane that holds the list and the bars.
    sk::TskSkinScrollBar *skSkinScrollBar_TrackListV, *skSkinScrollBar_TrackListH;
    sk::TskSkinPanel* skSkinPanel_TrackList;
    sk::TskSkinPanel* skSkinPanel5;
    sk::TskSkinGauge* skSkinGauge;
    TVelCDRipper* CDRipper;
    sk::TskSkinMessage* skSkinMessage;  // the window's own messages, in the skin
    TfrmLoadCDDBDataMsg* frmLoadCDDBDataMsg;  // hidden until a lookup runs

    const TRipperSettings& Settings() const { return settings_; }
    int QueuedCount() const { return queuedCount_; }
    int DoneCount() const { return doneCount_; }

    // A failure that reached the message loop, in the skinned message box: the
    // program's handler of exceptions while this window lives.
    void ShowException(const std::exception& error);

    // Handlers of the actions and buttons.
    void CDRefreshExecute(gui::TComponent* sender);
    void CDRipExecute(gui::TComponent* sender);
    void CDStopExecute(gui::TComponent* sender);
    void CDGetDataFromCDDBExecute(gui::TComponent* sender);
    void CDOpenCDTrayExecute(gui::TComponent* sender);
    void CDCloseCDTrayExecute(gui::TComponent* sender);
    void CDCheckAllTracksExecute(gui::TComponent* sender);
    void CDUncheckAllTracksExecute(gui::TComponent* sender);
    void CDOptionsExecute(gui::TComponent* sender);
    void HelpHelpExecute(gui::TComponent* sender);
    void HelpAboutExecute(gui::TComponent* sender);
    void FileExitExecute(gui::TComponent* sender);

protected:
    void WndProc(gui::TMessage& message) override;

private:
    void CreateComponents();
    void CreateActions();
    void CreateMenu();
    void CreateToolBar();
    sk::TskSkinPanel* ToolPanel(int left, int buttons);
    sk::TskSkinButton* ToolButton(sk::TskSkinPanel* panel, int index, const char* glyph, const std::string& hint,
                                  void (TfrmMain::*handler)(gui::TComponent*));

    // The window's first showing, and its closing.
    void FormShow();
    void FormClose();
    void ApplySettings(const TRipperSettings& settings);
    // The smallest the window may be made: its menu bar, its whole tool bar and a
    // few rows of the list still show. Set once the controls have their sizes.
    void SetMinimumSize();
    // Holds a new size of the window in the normal state to that minimum, the
    // edge that stays where it was staying there.
    void KeepMinimumSize(WINDOWPOS& position);
    // A window manager that sized the window below it is told the size kept.
    void ShowKeptSize();

    void FillTrackList();
    win::ComPtr<IDrive> Drive();

    // The control's events.
    void CDRipperProgress(long percentDone);
    void CDRipperExtractionStart();
    void CDRipperExtractionEnd();
    void CDRipperExtractionError(const std::string& errorMessage);
    void CDRipperDiskChanged();

    // The states of the actions and buttons.
    void EnterDiscState(bool present);
    void EnterRippingState();
    void EnterIdleState();
    // Ends the batch in the window: the idle state, or the no-disc state when the
    // drive has no audio CD any more.
    void EndBatch();
    // The tracks of the batch that had sectors the drive could not read, one line
    // each after a heading; empty when every track read whole.
    std::string UnreadableTracksText();
    void SetCommand(gui::TAction* action, sk::TskSkinButton* button, bool enabled);
    // A batch that ended before its last track did (Stop, the disc gone, an
    // error): the file of the track it was on goes once the control has let go
    // of it, which the timer watches for. (A window closed during a rip leaves
    // the control's own cut file, whole as far as it goes.)
    void BatchCutShort();
    bool WorkerGone();
    void RemoveUnfinishedFile();
    // The menu's items follow their actions.
    void UpdateMenu();

    TRipperSettings settings_;
    // Each row's name as the control gave it, in wide characters: the name its
    // track is ripped under.
    std::vector<std::wstring> trackNames_;
    int32_t driveNumber_ = 1;
    int32_t queuedCount_ = -1;
    int32_t doneCount_ = 0;
    // The batch's tracks (number and name, as queued) and how many have started.
    std::vector<std::pair<long, std::string>> batchTracks_;
    size_t startedCount_ = 0;
    bool shown_ = false;
    bool batchRunning_ = false;  // from a rip's start to its end or Stop
    TMenuActionLinks menuLinks_;
    // The files of the running batch, and those of a batch cut short whose
    // worker has not yet let go of them.
    TBatchFiles batchFiles_;
    TBatchFiles cutShortFiles_;
    gui::TTimer* cutShortTimer_ = nullptr;
    // The window's smallest size; 0 until its controls have their sizes (the
    // window exists, and is sized, before its components do).
    int minWidth_ = 0, minHeight_ = 0;
    bool keptSizePosted_ = false;
};

}  // namespace brenvale

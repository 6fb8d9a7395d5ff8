// What the main window does: its first showing and its closing, the track list,
// ripping, CDDB naming, the tray, the states of its commands and the control's
// events. Every call to the control goes through a fresh chain from its drive
// collection, and every failure is raised with the control's text.
#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <exception>
#include <set>

#include "app/about_form.h"
#include "app/cddb_wait_form.h"
#include "app/form_resources.h"
#include "app/main_form.h"
#include "app/options_form.h"
#include "app/track_list_view.h"
#include "app/track_text.h"
#include "gui/controls/application.h"
#include "gui/controls/ini_file.h"
#include "gui/controls/screen.h"
#include "skin/forms/form_skin_engine.h"
#include "skinctrls/controls/skin_button.h"
#include "skinctrls/controls/skin_gauge.h"
#include "skinctrls/dialogs/skin_message.h"
#include "skinctrls/menubar/main_menu_bar.h"
#include "win/ansi_text.h"

namespace brenvale {

namespace {

const char* const kNoCDMessage =
    "Please insert the music CD into the first CD-ROM and select the track(s) below to rip!";
const char* const kNoOutputFolderMessage =
    "No output folder is set. Please choose the folder for the WAV files in the Options and rip again.";

// A name as the file system compares it: letters of either case and either slash
// are the same.
std::wstring FileNameKey(std::wstring name)
{
    for (wchar_t& c : name)
        if (c == L'/')
            c = L'\\';
    if (!name.empty())
        ::CharUpperBuffW(&name[0], DWORD(name.size()));
    return name;
}

// The name itself when no earlier track of the batch took it, else the name with
// " (2)", " (3)"... : a disc may give several tracks one title ("Interlude",
// "Untitled"), and each would overwrite the file of the one before.
std::wstring NameNotTaken(const std::wstring& name, std::set<std::wstring>& taken)
{
    std::wstring unique = name;
    for (int copy = 2; !taken.insert(FileNameKey(unique)).second; ++copy)
        unique = name + L" (" + std::to_wstring(copy) + L")";
    return unique;
}

}  // namespace

win::ComPtr<IDrive> TfrmMain::Drive() { return DriveOf(CDRipper->Ripper().Get(), driveNumber_); }

// ---- First showing, settings and closing ----

void TfrmMain::FormShow()
{
    driveNumber_ = 1;
    settings_.OutputPath = kDefaultOutputPath;
    queuedCount_ = -1;
    CDStop->SetEnabled(false);
    CDRip->SetEnabled(true);
    CDRefresh->SetEnabled(true);
    skSkinGauge->SetValue(0);
    UpdateMenu();
    FillTrackList();
    SetMinimumSize();
    {
        TRipperSettings defaults = settings_;
        defaults.Left = Left();
        defaults.Top = Top();
        defaults.Width = Width();
        defaults.Height = Height();
        gui::TIniFile ini(SettingsFileName(gui::Application().Title()));
        settings_ = ReadSettings(ini, defaults);
    }
    // Settings that cannot be written are reported once the window is ready.
    std::exception_ptr failure;
    try {
        ApplySettings(settings_);
    } catch (...) {
        failure = std::current_exception();
    }
    EnterDiscState(HasAudioCD(Drive().Get()));
    if (failure)
        std::rethrow_exception(failure);
}

void TfrmMain::ApplySettings(const TRipperSettings& settings)
{
    // Bounds saved on a monitor that is gone would open the window where
    // nobody sees it: it comes back onto the work area. A size saved below the
    // window's minimum would open it without its menu, tool bar or list.
    const int width = std::max<int>(settings.Width, minWidth_);
    const int height = std::max<int>(settings.Height, minHeight_);
    const gui::TRect bounds = gui::BoundsOnWorkArea(
        gui::Rect(settings.Left, settings.Top, settings.Left + width, settings.Top + height));
    SetLeft(bounds.Left);
    SetTop(bounds.Top);
    SetWidth(bounds.Right - bounds.Left);
    SetHeight(bounds.Bottom - bounds.Top);
    gui::TIniFile ini(SettingsFileName(gui::Application().Title()));
    WriteAppliedSettings(ini, settings);
}

void TfrmMain::FormClose()
{
    // Closing the window in the middle of a rip stops it, as Stop does: the track
    // being ripped leaves no file under its name that looks finished.
    if (batchRunning_) {
        CDRipper->Ripper()->CancelExtraction();
        batchRunning_ = false;
        BatchCutShort();
    }
    // A batch the user stopped (just before closing, or by closing) still has its
    // unfinished file to clear away once its worker lets go of it (the control
    // waits for that worker all the same when it goes).
    if (!cutShortFiles_.Empty()) {
        const DWORD deadline = ::GetTickCount() + 30000;
        while (!WorkerGone() && int(deadline - ::GetTickCount()) > 0) {
            // The worker may send to this thread while it ends.
            ::MsgWaitForMultipleObjectsEx(0, nullptr, 50, QS_SENDMESSAGE, 0);
            MSG msg;
            ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
        if (WorkerGone())
            RemoveUnfinishedFile();
    }
    // The window's bounds as the user left them, so that the next start opens
    // the window there: maximized or rolled up, the bounds it would come back
    // to.
    if (HandleAllocated() && !::IsIconic(Handle())) {
        const gui::TRect bounds = skFormSkinEngine->RestoredBounds();
        settings_.Left = bounds.Left;
        settings_.Top = bounds.Top;
        settings_.Width = bounds.Right - bounds.Left;
        settings_.Height = bounds.Bottom - bounds.Top;
    }
    gui::TIniFile ini(SettingsFileName(gui::Application().Title()));
    WriteAllSettings(ini, settings_);
}

// ---- The track list ----

void TfrmMain::FillTrackList()
{
    auto drive = Drive();
    const bool hasNames = CDDBRecordCount(drive.Get()) != 0;
    skSkinListView_TrackList->Clear();
    trackNames_.clear();
    const long count = TrackCount(drive.Get());
    for (long number = 1; number <= count; ++number) {
        auto track = TrackOf(drive.Get(), number);
        std::wstring name;
        if (hasNames) {
            win::UniqueBstr title;
            win::UniqueBstr pattern(L"%2");
            Checked([&] { return track->GenerateFilename(pattern.Get(), title.Put()); });
            name.assign(title.Get(), ::SysStringLen(title.Get()));
        } else {
            name = win::AnsiToWide(DefaultTrackName(int(number)));
        }
        trackNames_.push_back(name);
        long duration = 0, size = 0;
        Checked([&] { return track->get_Duration(&duration); });
        Checked([&] { return track->get_Size(&size); });
        skSkinListView_TrackList->AddRow(win::WideToAnsi(name), TrackDuration(int32_t(duration)),
                                         TrackSize(int32_t(size)));
    }
}

void TfrmMain::CDRefreshExecute(gui::TComponent*) { FillTrackList(); }

void TfrmMain::CDCheckAllTracksExecute(gui::TComponent*)
{
    for (int row = 0; row < skSkinListView_TrackList->RowCount(); ++row)
        skSkinListView_TrackList->SetChecked(row, true);
}

void TfrmMain::CDUncheckAllTracksExecute(gui::TComponent*)
{
    for (int row = 0; row < skSkinListView_TrackList->RowCount(); ++row)
        skSkinListView_TrackList->SetChecked(row, false);
}

// ---- Ripping ----

void TfrmMain::CDRipExecute(gui::TComponent*)
{
    // Without a folder every target would be "\" and a name: a file at the root of
    // the current drive. Nothing is queued or started until a folder is chosen.
    if (settings_.OutputPath.find_first_not_of(' ') == std::string::npos) {
        skSkinMessage->MessageDlg(kNoOutputFolderMessage, gui::mtWarning, {gui::mbOK}, 0);
        return;
    }
    // The unfinished file of a batch cut short goes before a new batch may write
    // under its name; while that batch's worker still runs, RunQueue refuses.
    if (!cutShortFiles_.Empty() && WorkerGone())
        RemoveUnfinishedFile();
    auto ripper = CDRipper->Ripper();
    Checked([&] { return ripper->ClearQueue(); });
    queuedCount_ = 0;
    doneCount_ = 0;
    batchTracks_.clear();
    batchFiles_.Clear();
    startedCount_ = 0;
    auto drive = Drive();
    std::set<std::wstring> taken;
    for (int row = 0; row < skSkinListView_TrackList->RowCount(); ++row) {
        if (!skSkinListView_TrackList->Checked(row))
            continue;
        // A data track (the last one of an enhanced CD) read as audio would give
        // a WAV file of noise: only audio tracks are ripped.
        auto track = TrackOf(drive.Get(), row + 1);
        VARIANT_BOOL audio = VARIANT_FALSE;
        Checked([&] { return track->get_IsAudio(&audio); });
        if (!audio)
            continue;
        ++queuedCount_;
        if (settings_.OutputPath.empty() || settings_.OutputPath.back() != '\\')
            settings_.OutputPath += '\\';
        // The row's name as the control gave it: the list shows it in the
        // program's code page, which lacks most of the world's letters, and a
        // file named from that would carry "?" or a look-alike in their place.
        // A row without a name of its own (a CDDB record that lacks the track's
        // title, or whose title is blanks or dots) would make every such track the
        // same file ".wav", each overwriting the last: it is ripped under the name
        // the track has without CDDB data.
        std::wstring name;
        if (size_t(row) < trackNames_.size())
            name = trackNames_[size_t(row)];
        name = NameNotTaken(RipName(name, row + 1), taken);
        const std::wstring target = win::AnsiToWide(settings_.OutputPath) + name;
        win::UniqueBstr file(target.c_str(), UINT(target.size()));
        Checked([&] { return track->QueueExtractToWav(file.Get()); });
        batchTracks_.emplace_back(row + 1, win::WideToAnsi(name));
        long bytes = 0;
        Checked([&] { return track->get_Size(&bytes); });
        batchFiles_.Add(target, bytes);
    }
    if (queuedCount_ == 0 || !HasAudioCD(drive.Get())) {
        skSkinMessage->MessageDlg(kNoCDMessage, gui::mtInformation, {gui::mbOK}, 0);
        return;
    }
    Checked([&] { return ripper->RunQueue(); });
    EnterRippingState();
    skSkinGauge->SetValue(0);
    skSkinGauge->SetMaxValue(queuedCount_ * 100);
}

void TfrmMain::CDStopExecute(gui::TComponent*)
{
    auto ripper = CDRipper->Ripper();
    // S_FALSE, nothing to cancel, is no failure.
    Checked([&] { return ripper->CancelExtraction(); });
    const bool cutShort = batchRunning_;
    EnterIdleState();
    skSkinGauge->SetValue(0);
    if (cutShort)
        BatchCutShort();
}

void TfrmMain::BatchCutShort()
{
    if (batchFiles_.Empty())
        return;
    cutShortFiles_ = batchFiles_;
    batchFiles_.Clear();
    cutShortTimer_->SetEnabled(true);
}

bool TfrmMain::WorkerGone()
{
    // The control answers S_FALSE when no worker runs any more: it has closed
    // every file. (Asked while a cut-short worker ends, the cancel changes nothing.)
    return CDRipper->Ripper()->CancelExtraction() == S_FALSE;
}

void TfrmMain::RemoveUnfinishedFile()
{
    cutShortTimer_->SetEnabled(false);
    const TBatchFiles files = cutShortFiles_;
    cutShortFiles_.Clear();
    files.RemoveUnfinished();
}

void TfrmMain::CDRipperProgress(long percentDone)
{
    // A report the worker sent before a Stop reached it would show progress of a
    // batch that no longer runs.
    if (!batchRunning_)
        return;
    skSkinGauge->SetValue(int(percentDone) + doneCount_ * 100);
}

void TfrmMain::CDRipperExtractionStart()
{
    if (batchRunning_)
        ++startedCount_;
}

void TfrmMain::CDRipperExtractionEnd()
{
    // The end of a track that a Stop or an error already ended the batch for
    // belongs to no batch.
    if (!batchRunning_)
        return;
    ++doneCount_;
    if (doneCount_ >= queuedCount_) {
        EnterIdleState();
        skSkinGauge->SetValue(0);
        const std::string unreadable = UnreadableTracksText();
        if (!unreadable.empty())
            skSkinMessage->MessageDlg(unreadable, gui::mtWarning, {gui::mbOK}, 0);
    }
}

void TfrmMain::CDRipperExtractionError(const std::string& errorMessage)
{
    // The control ends its run at an error: no further track will start or end, so
    // the window leaves the ripping state before it says why. The tracks read so
    // far are judged now, while the disc's table still holds their counts.
    std::string message = errorMessage;
    if (batchRunning_) {
        const std::string unreadable = UnreadableTracksText();
        if (!unreadable.empty())
            message += "\n\n" + unreadable;
        EndBatch();
        BatchCutShort();
    }
    skSkinMessage->MessageDlg(message, gui::mtError, {gui::mbOK}, 0);
}

std::string TfrmMain::UnreadableTracksText()
{
    constexpr int kMaxListed = 15;
    win::ComPtr<ITracksCollection> tracks;
    auto drive = Drive();
    if (FAILED(drive->get_Tracks(tracks.Put())))
        return std::string();
    std::string lines;
    int listed = 0, more = 0;
    // Only tracks this batch started: the others keep the counts of an earlier rip.
    for (size_t i = 0; i < startedCount_ && i < batchTracks_.size(); ++i) {
        win::ComPtr<ITrack> track;
        long sectors = 0;
        // A track the disc no longer has is not judged.
        if (FAILED(tracks->get_Item(batchTracks_[i].first, track.Put())) ||
            FAILED(track->get_UnreadableSectors(&sectors)) || sectors <= 0)
            continue;
        if (listed == kMaxListed) {
            ++more;
            continue;
        }
        ++listed;
        lines += "\n" + batchTracks_[i].second + ": " + std::to_string(sectors) +
                 (sectors == 1 ? " sector" : " sectors");
    }
    if (lines.empty())
        return std::string();
    if (more)
        lines += "\n... and " + std::to_string(more) + (more == 1 ? " more track" : " more tracks");
    return "Some sectors could not be read or verified and may not be exact:" + lines;
}

void TfrmMain::CDRipperDiskChanged()
{
    // A batch cannot go on with its disc gone or another one in the drive: it is
    // stopped, so that the window is never left ripping with Stop disabled.
    if (batchRunning_) {
        auto ripper = CDRipper->Ripper();
        Checked([&] { return ripper->CancelExtraction(); });
        EnterIdleState();
        BatchCutShort();
    }
    skSkinGauge->SetValue(0);
    EnterDiscState(HasAudioCD(Drive().Get()));
    FillTrackList();
}

// ---- CDDB, tray, dialogs ----

void TfrmMain::CDGetDataFromCDDBExecute(gui::TComponent*)
{
    CenterOnForm(*frmLoadCDDBDataMsg, *this);
    frmLoadCDDBDataMsg->Show();
    frmLoadCDDBDataMsg->Animate->SetActive(true);
    frmLoadCDDBDataMsg->Repaint();
    auto closeWait = [this] {
        frmLoadCDDBDataMsg->Animate->SetActive(false);
        frmLoadCDDBDataMsg->Close();
    };
    // The wait window closes whatever fails, and a failed lookup is reported
    // rather than a failure of the list after it.
    try {
        auto drive = Drive();
        Checked([&] { return drive->LoadCDDBData(); });
    } catch (...) {
        try {
            FillTrackList();
        } catch (...) {
            // the lookup's failure is the one reported
        }
        closeWait();
        throw;
    }
    try {
        FillTrackList();
    } catch (...) {
        closeWait();
        throw;
    }
    closeWait();
}

void TfrmMain::CDOpenCDTrayExecute(gui::TComponent*)
{
    auto drive = Drive();
    Checked([&] { return drive->OpenTray(); });
}

void TfrmMain::CDCloseCDTrayExecute(gui::TComponent*)
{
    auto drive = Drive();
    Checked([&] { return drive->CloseTray(); });
}

void TfrmMain::CDOptionsExecute(gui::TComponent*)
{
    std::unique_ptr<TfrmOptions> options(new TfrmOptions(gui::Application().MainForm(), skSkinData));
    options->SetOutputPath(settings_.OutputPath);
    if (options->ShowModal() == gui::mrOk) {
        // Only the folder is the dialog's: the window stays where the user put it.
        settings_.OutputPath = options->OutputPath();
        gui::TIniFile ini(SettingsFileName(gui::Application().Title()));
        WriteAppliedSettings(ini, settings_);
    }
}

void TfrmMain::HelpAboutExecute(gui::TComponent*)
{
    std::unique_ptr<TfrmAbout> about(new TfrmAbout(gui::Application().MainForm(), skSkinData));
    about->ShowModal();
}

void TfrmMain::HelpHelpExecute(gui::TComponent*)
{
    const std::string help = ProgramFolder() + "help.html";
    ::ShellExecuteA(Handle(), "open", help.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void TfrmMain::ShowException(const std::exception& error)
{
    try {
        skSkinMessage->MessageDlg(error.what(), gui::mtError, {gui::mbOK}, 0);
    } catch (...) {
        // A box that cannot be built still leaves the system's to say it.
        gui::Application().ShowException(error);
    }
}

void TfrmMain::FileExitExecute(gui::TComponent*) { ::PostMessageA(Handle(), WM_CLOSE, 0, 0); }

// ---- States ----

void TfrmMain::UpdateMenu()
{
    menuLinks_.Update();
    skSkinMainMenuBar1->Invalidate();
}

void TfrmMain::SetCommand(gui::TAction* action, sk::TskSkinButton* button, bool enabled)
{
    action->SetEnabled(enabled);
    button->SetEnabled(enabled);
    button->SetAlphaBlendValue(enabled ? 255 : 50);
}

void TfrmMain::EnterDiscState(bool present)
{
    SetCommand(CDGetDataFromCDDB, skSkinButton_CDDB, present);
    SetCommand(CDRip, skSkinButton_Rip, present);
    SetCommand(CDRefresh, skSkinButton_Refresh, present);
    SetCommand(CDStop, skSkinButton_Stop, present);
    SetCommand(CDCheckAllTracks, skSkinButton_SelectAll, present);
    SetCommand(CDUncheckAllTracks, skSkinButton_DeselectAll, present);
    UpdateMenu();
}

void TfrmMain::EnterRippingState()
{
    batchRunning_ = true;
    SetCommand(CDStop, skSkinButton_Stop, true);
    SetCommand(CDGetDataFromCDDB, skSkinButton_CDDB, false);
    SetCommand(CDRip, skSkinButton_Rip, false);
    SetCommand(CDRefresh, skSkinButton_Refresh, false);
    SetCommand(CDCheckAllTracks, skSkinButton_SelectAll, false);
    SetCommand(CDUncheckAllTracks, skSkinButton_DeselectAll, false);
    SetCommand(CDOpenCDTray, skSkinButton_OpenCDTray, false);
    SetCommand(CDCloseCDTray, skSkinButton_CloseCDTray, false);
    UpdateMenu();
}

void TfrmMain::EndBatch()
{
    EnterIdleState();
    skSkinGauge->SetValue(0);
    if (!HasAudioCD(Drive().Get()))
        EnterDiscState(false);
}

void TfrmMain::EnterIdleState()
{
    batchRunning_ = false;
    // Stop goes dim only by being disabled: its blend value stays.
    CDStop->SetEnabled(false);
    skSkinButton_Stop->SetEnabled(false);
    SetCommand(CDGetDataFromCDDB, skSkinButton_CDDB, true);
    SetCommand(CDRip, skSkinButton_Rip, true);
    SetCommand(CDRefresh, skSkinButton_Refresh, true);
    SetCommand(CDCheckAllTracks, skSkinButton_SelectAll, true);
    SetCommand(CDUncheckAllTracks, skSkinButton_DeselectAll, true);
    SetCommand(CDOpenCDTray, skSkinButton_OpenCDTray, true);
    SetCommand(CDCloseCDTray, skSkinButton_CloseCDTray, true);
    UpdateMenu();
}

}  // namespace brenvale

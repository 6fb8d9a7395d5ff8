// The control as a host creates and uses it: drives, tracks and their properties,
// collection rules, error texts, persisted state and lifetime.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <cwchar>
#include <functional>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "idl/event_ids.h"
#include "support/control_host.h"
#include "support/event_sink.h"
#include "support/sim_disc.h"
#include "support/test_encoder.h"
#include "support/thread_count.h"

using namespace testsupport;

namespace {

// A 12-track audio CD in a drive at adapter 0, target 1 and a write-once drive holding
// an enhanced CD at adapter 1, target 0.
void WriteTwoDrives()
{
    SimDevice first = AudioCd(12, 15000, 0, 1, 0);
    first.vendor = "VELSIM";
    first.product = "FIRST DRIVE";
    SimDevice second = EnhancedCd(10, 15000);
    second.adapter = 1;
    second.type = 4;
    second.vendor = "VELSIM";
    second.product = "SECOND DRIVE";
    WriteSimDrive(2, {first, second});
}

BOOL CALLBACK CountControlWindow(HWND window, LPARAM found)
{
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    if (std::wcscmp(name, L"VelCDRipperWindow") == 0)
        ++*reinterpret_cast<int*>(found);
    return TRUE;
}

// The control's windows that a thread owns.
int ControlWindowsOf(DWORD thread)
{
    int count = 0;
    ::EnumThreadWindows(thread, CountControlWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

}  // namespace

TEST(Control, ListsDrivesTracksAndTheirProperties)
{
    WriteTwoDrives();
    win::ComPtr<IVelCDRipper> control;
    ASSERT_EQ(CreateControl(control), S_OK);

    long drives = 0;
    ASSERT_EQ(control->GetDriveNumber(&drives), S_OK);
    EXPECT_EQ(drives, 2);
    win::ComPtr<IDrivesCollection> collection;
    ASSERT_EQ(control->get_Drives(collection.Put()), S_OK);
    long count = 0;
    collection->get_Count(&count);
    EXPECT_EQ(count, drives);

    auto first = DriveOf(control.Get(), 1);
    auto second = DriveOf(control.Get(), 2);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(DriveName(first.Get()), "VELSIM  FIRST DRIVE     ");
    EXPECT_EQ(DriveName(second.Get()), "VELSIM  SECOND DRIVE    ");

    EXPECT_EQ(TrackCount(first.Get()), 12);
    win::ComPtr<ITracksCollection> tracks;
    first->get_Tracks(tracks.Put());
    tracks->get_Count(&count);
    EXPECT_EQ(count, 12);

    auto track = TrackOf(first.Get(), 3);
    long duration = 0, size = 0;
    VARIANT_BOOL audio = VARIANT_FALSE;
    EXPECT_EQ(track->get_Duration(&duration), S_OK);
    EXPECT_EQ(track->get_Size(&size), S_OK);
    EXPECT_EQ(track->get_IsAudio(&audio), S_OK);
    EXPECT_EQ(duration, 15000 / 75);  // every sector up to the next track's start
    EXPECT_EQ(size, 15000 * 2352);
    EXPECT_EQ(audio, VARIANT_TRUE);

    VARIANT_BOOL hasAudio = VARIANT_FALSE;
    EXPECT_EQ(first->HasAudioCD(&hasAudio), S_OK);
    EXPECT_EQ(hasAudio, VARIANT_TRUE);

    // The enhanced CD: ten audio tracks and a data track after the session gap.
    EXPECT_EQ(TrackCount(second.Get()), 11);
    auto lastAudio = TrackOf(second.Get(), 10);
    lastAudio->get_Size(&size);
    EXPECT_EQ(size, (150000 - 135000) * 2352);
    auto data = TrackOf(second.Get(), 11);
    data->get_IsAudio(&audio);
    EXPECT_EQ(audio, VARIANT_FALSE);
}

TEST(Control, FreshSettingsAndEncoder)
{
    WriteSimDrive(1, {AudioCd(2, 1000)});
    win::ComPtr<IVelCDRipper> control;
    ASSERT_EQ(CreateControl(control), S_OK);
    VARIANT_BOOL value = 5;
    control->get_JitterCorrection(&value);
    EXPECT_EQ(value, 0);
    control->get_OverwritePrompt(&value);
    EXPECT_EQ(value, 1);
    control->put_JitterCorrection(VARIANT_TRUE);
    control->get_JitterCorrection(&value);
    EXPECT_EQ(value, VARIANT_TRUE);

    EXPECT_EQ(control->put_Encoder(nullptr), S_OK);
    IVelAudioEncoder* encoder = reinterpret_cast<IVelAudioEncoder*>(1);
    EXPECT_EQ(control->get_Encoder(&encoder), S_OK);
    EXPECT_EQ(encoder, nullptr);

    EXPECT_EQ(control->get_JitterCorrection(nullptr), E_POINTER);
    EXPECT_EQ(control->GetDriveNumber(nullptr), E_POINTER);
    EXPECT_EQ(control->get_Drives(nullptr), E_POINTER);
}

TEST(Control, CollectionsAreOneBased)
{
    WriteSimDrive(1, {AudioCd(3, 1000)});
    win::ComPtr<IVelCDRipper> control;
    ASSERT_EQ(CreateControl(control), S_OK);
    auto drive = DriveOf(control.Get());
    win::ComPtr<ITracksCollection> tracks;
    drive->get_Tracks(tracks.Put());

    win::ComPtr<ITrack> zero, one, minus, last, beyond;
    EXPECT_EQ(tracks->get_Item(0, zero.Put()), S_OK);
    EXPECT_EQ(tracks->get_Item(1, one.Put()), S_OK);
    EXPECT_EQ(tracks->get_Item(-7, minus.Put()), S_OK);
    EXPECT_EQ(zero.Get(), one.Get());
    EXPECT_EQ(minus.Get(), one.Get());
    EXPECT_EQ(tracks->get_Item(3, last.Put()), S_OK);
    EXPECT_NE(last.Get(), one.Get());
    ::SetErrorInfo(0, nullptr);
    EXPECT_EQ(tracks->get_Item(4, beyond.Put()), DISP_E_BADINDEX);
    EXPECT_EQ(beyond.Get(), nullptr);
    EXPECT_EQ(ErrorText(), "Index 4 is out of range: the tracks run from 1 to 3.");
    EXPECT_EQ(tracks->get_Item(1, nullptr), E_POINTER);

    win::ComPtr<IDrive> byIndex, byItem;
    win::ComPtr<IDrivesCollection> drives;
    control->get_Drives(drives.Put());
    control->GetDrive(1, byIndex.Put());
    drives->get_Item(1, byItem.Put());
    EXPECT_EQ(byIndex.Get(), byItem.Get());

    // Enumeration walks the same items in order.
    win::ComPtr<IUnknown> unknown;
    ASSERT_EQ(tracks->get__NewEnum(unknown.Put()), S_OK);
    win::ComPtr<IEnumVARIANT> items;
    ASSERT_EQ(unknown.As(items), S_OK);
    VARIANT item[4];
    ULONG fetched = 0;
    EXPECT_EQ(items->Next(4, item, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 3u);
    EXPECT_EQ(item[0].vt, VT_DISPATCH);
    EXPECT_EQ(static_cast<void*>(item[0].pdispVal), static_cast<void*>(one.Get()));
    for (ULONG i = 0; i < fetched; ++i)
        ::VariantClear(&item[i]);

    // Drives answer for their own interface's error information.
    win::ComPtr<ISupportErrorInfo> support;
    ASSERT_EQ(drive.As(support), S_OK);
    EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID_IDrive), S_OK);
}

TEST(Control, EmptyDriveHasNoTracks)
{
    SimDevice empty = AudioCd(3, 1000);
    empty.disc = false;
    WriteSimDrive(1, {empty});
    win::ComPtr<IVelCDRipper> control;
    ASSERT_EQ(CreateControl(control), S_OK);
    auto drive = DriveOf(control.Get());
    EXPECT_EQ(TrackCount(drive.Get()), 0);
    win::ComPtr<ITrack> track;
    EXPECT_EQ(drive->GetTrack(1, track.Put()), DISP_E_BADINDEX);
    EXPECT_EQ(ErrorText(), "Index 1 is out of range: there are no tracks.");
    VARIANT_BOOL audio = VARIANT_TRUE;
    EXPECT_EQ(drive->HasAudioCD(&audio), S_OK);
    EXPECT_EQ(audio, VARIANT_FALSE);
}

TEST(Control, DataOnlyDisc)
{
    SimDevice data;
    data.tracks = {{1, 0, true}};
    data.leadOut = 200000;
    WriteSimDrive(1, {data});
    win::ComPtr<IVelCDRipper> control;
    ASSERT_EQ(CreateControl(control), S_OK);
    auto drive = DriveOf(control.Get());
    ASSERT_EQ(TrackCount(drive.Get()), 1);
    VARIANT_BOOL audio = VARIANT_TRUE;
    TrackOf(drive.Get(), 1)->get_IsAudio(&audio);
    EXPECT_EQ(audio, VARIANT_FALSE);
    drive->HasAudioCD(&audio);
    EXPECT_EQ(audio, VARIANT_FALSE);
}

TEST(Control, TrackHeldAcrossADiscChangeAnswersForTheNewDisc)
{
    WriteSimDrive(1, {AudioCd(5, 1000)});
    win::ComPtr<IVelCDRipper> control;
    ASSERT_EQ(CreateControl(control), S_OK);
    auto drive = DriveOf(control.Get());
    drive->put_AutoRefresh(VARIANT_FALSE);
    auto second = TrackOf(drive.Get(), 2);
    auto fifth = TrackOf(drive.Get(), 5);

    // Refresh on an unchanged disc keeps the track objects.
    ASSERT_EQ(drive->Refresh(), S_OK);
    EXPECT_EQ(TrackOf(drive.Get(), 2).Get(), second.Get());

    WriteSimDrive(1, {AudioCd(3, 2000)});
    ASSERT_EQ(drive->Refresh(), S_OK);
    EXPECT_EQ(TrackCount(drive.Get()), 3);
    EXPECT_NE(TrackOf(drive.Get(), 2).Get(), second.Get());
    long size = 0;
    EXPECT_EQ(second->get_Size(&size), S_OK);
    EXPECT_EQ(size, 2000 * 2352);
    ::SetErrorInfo(0, nullptr);
    EXPECT_EQ(fifth->get_Size(&size), DISP_E_EXCEPTION);
    EXPECT_EQ(ErrorText(), "No such track on the disk");
    VARIANT_BOOL audio;
    EXPECT_EQ(fifth->get_IsAudio(&audio), DISP_E_EXCEPTION);
    EXPECT_EQ(fifth->get_Duration(&size), DISP_E_EXCEPTION);
}

TEST(Control, DriveWithFailingTestUnitReadyKeepsTheTableButNoTracks)
{
    SimDevice drive = AudioCd(4, 1000);
    drive.extra = {"fault tur fail"};
    WriteSimDrive(1, {drive});
    win::ComPtr<IVelCDRipper> control;
    ASSERT_EQ(CreateControl(control), S_OK);
    auto d = DriveOf(control.Get());
    EXPECT_EQ(TrackCount(d.Get()), 0);
    VARIANT_BOOL audio = VARIANT_FALSE;
    d->HasAudioCD(&audio);
    EXPECT_EQ(audio, VARIANT_TRUE);
}

TEST(Control, CreationFailsWithoutCdDrives)
{
    SimDevice disk = AudioCd(1, 1000);
    disk.type = 0;
    WriteSimDrive(1, {disk});
    win::ComPtr<IVelCDRipper> control;
    ::SetErrorInfo(0, nullptr);
    EXPECT_EQ(CreateControl(control), DISP_E_EXCEPTION);
    EXPECT_EQ(ErrorText(), "Seems like you don't have any CD drives...");

    // An ASPI layer that reports no adapters at all: the same, said the same way.
    WriteSimDriveText("adapters 0\n");
    ::SetErrorInfo(0, nullptr);
    EXPECT_EQ(CreateControl(control), E_FAIL);
    EXPECT_EQ(ErrorText(), "Seems like you don't have any CD drives...");
}

TEST(Control, PersistsVersionAndBothSettings)
{
    WriteSimDrive(1, {AudioCd(2, 1000)});
    win::ComPtr<IVelCDRipper> control;
    ASSERT_EQ(CreateControl(control), S_OK);
    win::ComPtr<IPersistStreamInit> persist;
    ASSERT_EQ(control.As(persist), S_OK);

    win::ComPtr<IStream> stream;
    ASSERT_EQ(::CreateStreamOnHGlobal(nullptr, TRUE, stream.Put()), S_OK);
    ASSERT_EQ(persist->Save(stream.Get(), TRUE), S_OK);
    HGLOBAL memory = nullptr;
    ::GetHGlobalFromStream(stream.Get(), &memory);
    STATSTG stat{};
    stream->Stat(&stat, STATFLAG_NONAME);
    ASSERT_EQ(stat.cbSize.QuadPart, 12u);
    const unsigned char expected[12] = {0x00, 0x03, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0};
    EXPECT_EQ(std::memcmp(::GlobalLock(memory), expected, 12), 0);
    ::GlobalUnlock(memory);

    // Loading a saved state with jitter correction on and the prompt off.
    const unsigned char saved[16] = {0x00, 0x03, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0xEE, 0xEE, 0xEE, 0xEE};
    win::ComPtr<IStream> in;
    ::CreateStreamOnHGlobal(nullptr, TRUE, in.Put());
    in->Write(saved, sizeof saved, nullptr);
    LARGE_INTEGER zero{};
    in->Seek(zero, STREAM_SEEK_SET, nullptr);
    ASSERT_EQ(persist->Load(in.Get()), S_OK);
    VARIANT_BOOL value;
    control->get_JitterCorrection(&value);
    EXPECT_EQ(value, VARIANT_TRUE);
    control->get_OverwritePrompt(&value);
    EXPECT_EQ(value, VARIANT_FALSE);

    // A newer version is refused and changes nothing.
    const unsigned char newer[12] = {0x01, 0x03, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0};
    win::ComPtr<IStream> future;
    ::CreateStreamOnHGlobal(nullptr, TRUE, future.Put());
    future->Write(newer, sizeof newer, nullptr);
    future->Seek(zero, STREAM_SEEK_SET, nullptr);
    EXPECT_EQ(persist->Load(future.Get()), E_FAIL);
    control->get_JitterCorrection(&value);
    EXPECT_EQ(value, VARIANT_TRUE);

    // The same bytes in the "Contents" stream of a storage.
    win::ComPtr<ILockBytes> bytes;
    ::CreateILockBytesOnHGlobal(nullptr, TRUE, bytes.Put());
    win::ComPtr<IStorage> storage;
    ASSERT_EQ(::StgCreateDocfileOnILockBytes(bytes.Get(),
                                             STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0,
                                             storage.Put()),
              S_OK);
    win::ComPtr<IPersistStorage> persistStorage;
    ASSERT_EQ(control.As(persistStorage), S_OK);
    ASSERT_EQ(persistStorage->Save(storage.Get(), FALSE), S_OK);
    win::ComPtr<IStream> contents;
    ASSERT_EQ(storage->OpenStream(L"Contents", nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0,
                                  contents.Put()),
              S_OK);
    unsigned char read[13] = {};
    ULONG got = 0;
    contents->Read(read, sizeof read, &got);
    EXPECT_EQ(got, 12u);
    const unsigned char stored[12] = {0x00, 0x03, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0};
    EXPECT_EQ(std::memcmp(read, stored, 12), 0);
}

// Whatever other value a stored state or a client gives, a setting reads back as
// True or False as automation knows them, and the worker acts on what is read.
TEST(Control, StoredAndPutBooleansReadBackCanonical)
{
    WriteSimDrive(1, {AudioCd(2, 1000)});
    win::ComPtr<IVelCDRipper> control;
    ASSERT_EQ(CreateControl(control), S_OK);
    win::ComPtr<IPersistStreamInit> persist;
    ASSERT_EQ(control.As(persist), S_OK);
    const DWORD values[] = {0x00010000, 5, 7, 1, 0xFFFFFFFF, 0x80000000, 0};
    for (DWORD stored : values) {
        SCOPED_TRACE(stored);
        const VARIANT_BOOL expected = stored ? VARIANT_TRUE : VARIANT_FALSE;
        unsigned char bytes[12] = {0x00, 0x03, 0, 0};
        for (int i = 0; i < 4; ++i)
            bytes[4 + i] = bytes[8 + i] = static_cast<unsigned char>(stored >> (8 * i));
        win::ComPtr<IStream> in;
        ::CreateStreamOnHGlobal(nullptr, TRUE, in.Put());
        in->Write(bytes, sizeof bytes, nullptr);
        LARGE_INTEGER zero{};
        in->Seek(zero, STREAM_SEEK_SET, nullptr);
        ASSERT_EQ(persist->Load(in.Get()), S_OK);
        VARIANT_BOOL jitter = 3, prompt = 3;
        control->get_JitterCorrection(&jitter);
        control->get_OverwritePrompt(&prompt);
        EXPECT_EQ(jitter, expected);
        EXPECT_EQ(prompt, expected);

        const VARIANT_BOOL put = static_cast<VARIANT_BOOL>(stored & 0xFFFF);
        control->put_JitterCorrection(put);
        control->put_OverwritePrompt(put);
        control->get_JitterCorrection(&jitter);
        control->get_OverwritePrompt(&prompt);
        EXPECT_EQ(jitter, put ? VARIANT_TRUE : VARIANT_FALSE);
        EXPECT_EQ(prompt, put ? VARIANT_TRUE : VARIANT_FALSE);
    }
}

TEST(Control, DrivesKeepTheModuleLoadedAfterTheControlIsReleased)
{
    WriteSimDrive(1, {AudioCd(2, 1000)});
    win::ComPtr<IVelCDRipper> control;
    ASSERT_EQ(CreateControl(control), S_OK);
    auto drive = DriveOf(control.Get());
    auto track = TrackOf(drive.Get(), 1);
    control.Reset();
    EXPECT_EQ(ControlCanUnloadNow(), S_FALSE);
    // What a client still holds answers without touching freed state.
    long size = 0;
    EXPECT_EQ(track->get_Size(&size), S_OK);
    EXPECT_EQ(DriveName(drive.Get()).size(), 24u);
    // What needs the drive itself fails, and says why.
    VARIANT_BOOL autoRefresh = VARIANT_TRUE;
    const std::pair<const char*, std::function<HRESULT()>> gone[] = {
        {"Refresh", [&] { return drive->Refresh(); }},
        {"OpenTray", [&] { return drive->OpenTray(); }},
        {"Eject", [&] { return drive->Eject(); }},
        {"CloseTray", [&] { return drive->CloseTray(); }},
        {"SetReadSpeed", [&] { return drive->SetReadSpeed(-1); }},
        {"AutoRefresh put", [&] { return drive->put_AutoRefresh(VARIANT_FALSE); }},
        {"AutoRefresh get", [&] { return drive->get_AutoRefresh(&autoRefresh); }},
    };
    ClearSimLog();
    for (const auto& call : gone) {
        ::SetErrorInfo(0, nullptr);
        EXPECT_EQ(call.second(), DISP_E_EXCEPTION) << call.first;
        EXPECT_EQ(ErrorText(), "The drive is no longer available.") << call.first;
    }
    EXPECT_TRUE(SimLog().empty());
    track.Reset();
    drive.Reset();
    EXPECT_EQ(ControlCanUnloadNow(), S_OK);
}

TEST(Control, DestructionLeavesNoThreadBehind)
{
    WriteTwoDrives();
    {
        win::ComPtr<IVelCDRipper> warmUp;
        ASSERT_EQ(CreateControl(warmUp), S_OK);
    }
    const int before = ThreadCount();
    for (int round = 0; round < 5; ++round) {
        win::ComPtr<IVelCDRipper> control;
        ASSERT_EQ(CreateControl(control), S_OK);
        EXPECT_EQ(ThreadCount(), before + 2);  // one disc-change thread per drive
        auto drive = DriveOf(control.Get(), 2);
        control.Reset();
        drive.Reset();
        EXPECT_EQ(ThreadCount(), before);
    }
}

// A host that releases the last reference on another thread than the one that made
// the control: the control's window closes on its own thread, and until it has, it
// keeps the module loaded; a thread that ends first takes the window with it.
TEST(Control, ReleasedOnAnotherThreadItsWindowClosesOnItsOwnThread)
{
    WriteSimDrive(1, {AudioCd(2, 1000)});
    auto releaseElsewhere = [](IVelCDRipper* control) {
        std::thread([control] {
            ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
            control->Release();
            ::CoUninitialize();
        }).join();
    };

    // Made on this thread, which pumps only later.
    win::ComPtr<IVelCDRipper> control;
    ASSERT_EQ(CreateControl(control), S_OK);
    const DWORD self = ::GetCurrentThreadId();
    ASSERT_EQ(ControlWindowsOf(self), 1);
    releaseElsewhere(control.Detach());
    EXPECT_EQ(ControlWindowsOf(self), 1);
    EXPECT_EQ(ControlCanUnloadNow(), S_FALSE);
    ::CoFreeUnusedLibraries();
    ASSERT_NE(::GetModuleHandleW(L"velmora.dll"), nullptr);
    ASSERT_TRUE(PumpUntil(10000, [&] { return ControlWindowsOf(self) == 0; }));
    EXPECT_EQ(ControlCanUnloadNow(), S_OK);
    ::CoFreeUnusedLibraries();  // the module goes; the next control loads it again

    // Made on a thread that ends without pumping again.
    HANDLE end = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    IVelCDRipper* made = nullptr;
    DWORD maker = 0;
    HANDLE ready = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread owner([&] {
        ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        win::ComPtr<IVelCDRipper> own;
        if (CreateControl(own) == S_OK)
            made = own.Detach();
        maker = ::GetCurrentThreadId();
        ::SetEvent(ready);
        ::WaitForSingleObject(end, 30000);
        ::CoUninitialize();
    });
    ::WaitForSingleObject(ready, 30000);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(ControlWindowsOf(maker), 1);
    releaseElsewhere(made);
    EXPECT_EQ(ControlCanUnloadNow(), S_FALSE);
    ::SetEvent(end);
    owner.join();
    EXPECT_EQ(ControlCanUnloadNow(), S_OK);
    ::CloseHandle(end);
    ::CloseHandle(ready);

    // The module works as before.
    ASSERT_EQ(CreateControl(control), S_OK);
    EXPECT_EQ(ControlWindowsOf(self), 1);
    control.Reset();
    EXPECT_EQ(ControlWindowsOf(self), 0);
}

TEST(Control, StandardControlInterfaces)
{
    WriteSimDrive(1, {AudioCd(2, 1000)});
    win::ComPtr<IVelCDRipper> control;
    ASSERT_EQ(CreateControl(control), S_OK);

    win::ComPtr<IOleObject> ole;
    ASSERT_EQ(control.As(ole), S_OK);
    DWORD status = 0;
    ole->GetMiscStatus(DVASPECT_CONTENT, &status);
    EXPECT_EQ(status, 132497u);
    SIZEL extent{};
    ASSERT_EQ(ole->GetExtent(DVASPECT_CONTENT, &extent), S_OK);
    HDC screen = ::GetDC(nullptr);
    EXPECT_EQ(extent.cx, ::MulDiv(32, 2540, ::GetDeviceCaps(screen, LOGPIXELSX)));
    ::ReleaseDC(nullptr, screen);
    SIZEL bigger{extent.cx * 2, extent.cy * 2};
    EXPECT_NE(ole->SetExtent(DVASPECT_CONTENT, &bigger), S_OK);  // it sizes itself

    win::ComPtr<IProvideClassInfo2> classInfo;
    ASSERT_EQ(control.As(classInfo), S_OK);
    GUID source{};
    classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &source);
    EXPECT_TRUE(::IsEqualGUID(source, DIID__IVelCDRipperEvents));
    win::ComPtr<ITypeInfo> info;
    EXPECT_EQ(classInfo->GetClassInfo(info.Put()), S_OK);

    const IID expected[] = {IID_IDispatch, IID_IViewObjectEx, IID_IViewObject2, IID_IViewObject,
                            IID_IOleInPlaceObjectWindowless, IID_IOleInPlaceObject, IID_IOleWindow,
                            IID_IOleInPlaceActiveObject, IID_IOleControl, IID_IPersistStreamInit,
                            IID_IPersist, IID_ISupportErrorInfo, IID_IConnectionPointContainer,
                            IID_ISpecifyPropertyPages, IID_IQuickActivate, IID_IPersistStorage,
                            IID_IDataObject, IID_IProvideClassInfo};
    for (const IID& iid : expected) {
        win::ComPtr<IUnknown> p;
        EXPECT_EQ(control->QueryInterface(iid, reinterpret_cast<void**>(p.Put())), S_OK);
    }

    // Drawing puts the icon at the top-left corner of the bounds.
    HDC dc = ::CreateCompatibleDC(nullptr);
    BITMAPINFO bmi{};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), 64, -64, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(dc, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    std::memset(bits, 0, 64 * 64 * 4);
    win::ComPtr<IViewObject> view;
    ASSERT_EQ(control.As(view), S_OK);
    RECTL bounds{16, 16, 48, 48};
    ASSERT_EQ(view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dc, &bounds, nullptr,
                         nullptr, 0),
              S_OK);
    const auto* pixels = static_cast<const uint32_t*>(bits);
    EXPECT_NE(pixels[20 * 64 + 32] & 0xFFFFFF, 0u);  // the disc, above its hole
    EXPECT_EQ(pixels[4 * 64 + 4], 0u);                // nothing outside the bounds
    ::SelectObject(dc, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
}

// The program and the control's window tell the events apart by the identifiers of
// event_ids.h: they must be the ones the type library gives the event interface, and
// the interface must have no event the table misses.
TEST(Control, EventIdentifiersAreTheTypeLibrarys)
{
    WriteSimDrive(1, {AudioCd(2, 1000)});
    win::ComPtr<IVelCDRipper> control;
    ASSERT_EQ(CreateControl(control), S_OK);
    win::ComPtr<IProvideClassInfo2> classInfo;
    ASSERT_EQ(control.As(classInfo), S_OK);
    win::ComPtr<ITypeInfo> coclass;
    ASSERT_EQ(classInfo->GetClassInfo(coclass.Put()), S_OK);
    win::ComPtr<ITypeLib> library;
    UINT index = 0;
    ASSERT_EQ(coclass->GetContainingTypeLib(library.Put(), &index), S_OK);
    win::ComPtr<ITypeInfo> events;
    ASSERT_EQ(library->GetTypeInfoOfGuid(DIID__IVelCDRipperEvents, events.Put()), S_OK);

    const struct {
        const wchar_t* name;
        DISPID id;
    } table[] = {
        {L"OnProgress", velmora::DISPID_ONPROGRESS},
        {L"OnExtractionStart", velmora::DISPID_ONEXTRACTIONSTART},
        {L"OnExtractionEnd", velmora::DISPID_ONEXTRACTIONEND},
        {L"OnExtractionError", velmora::DISPID_ONEXTRACTIONERROR},
        {L"OnJitterDetected", velmora::DISPID_ONJITTERDETECTED},
        {L"OnDiskChanged", velmora::DISPID_ONDISKCHANGED},
    };
    for (const auto& event : table) {
        LPOLESTR name = const_cast<LPOLESTR>(event.name);
        MEMBERID id = DISPID_UNKNOWN;
        EXPECT_EQ(events->GetIDsOfNames(&name, 1, &id), S_OK) << testing::PrintToString(event.name);
        EXPECT_EQ(id, event.id) << testing::PrintToString(event.name);
    }
    TYPEATTR* attributes = nullptr;
    ASSERT_EQ(events->GetTypeAttr(&attributes), S_OK);
    EXPECT_EQ(attributes->cFuncs, std::size(table));
    events->ReleaseTypeAttr(attributes);
}

TEST(Control, EveryInterfaceItAnswersForIsTheControlItself)
{
    WriteSimDrive(1, {AudioCd(2, 1000)});
    win::ComPtr<IVelCDRipper> control;
    ASSERT_EQ(CreateControl(control), S_OK);
    win::ComPtr<IUnknown> identity;
    ASSERT_EQ(control->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(identity.Put())), S_OK);

    const IID asked[] = {IID_IUnknown, IID_IDispatch, IID_IVelCDRipper, IID_IViewObjectEx, IID_IViewObject2,
                         IID_IViewObject, IID_IOleInPlaceObjectWindowless, IID_IOleInPlaceObject, IID_IOleWindow,
                         IID_IOleInPlaceActiveObject, IID_IOleControl, IID_IOleObject, IID_IPersistStreamInit,
                         IID_IPersist, IID_IPersistStorage, IID_ISupportErrorInfo,
                         IID_IConnectionPointContainer, IID_ISpecifyPropertyPages, IID_IQuickActivate,
                         IID_IDataObject, IID_IProvideClassInfo, IID_IProvideClassInfo2,
                         DIID__IVelAudioEncoderEvents, DIID__IVelCDRipperEvents, IID_IDrive, IID_IMarshal,
                         IID_IClassFactory};
    std::vector<win::ComPtr<IUnknown>> answered(std::size(asked));
    for (size_t i = 0; i < std::size(asked); ++i)
        control->QueryInterface(asked[i], reinterpret_cast<void**>(answered[i].Put()));
    ASSERT_TRUE(answered[22]);  // the encoder's events are answered for
    for (size_t i = 0; i < std::size(asked); ++i) {
        if (!answered[i])
            continue;
        SCOPED_TRACE(i);
        // The control's identity, from each interface.
        win::ComPtr<IUnknown> unknown;
        ASSERT_EQ(answered[i]->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(unknown.Put())), S_OK);
        EXPECT_EQ(unknown.Get(), identity.Get());
        // The same set of interfaces, and the same pointers, from each of them.
        for (size_t j = 0; j < std::size(asked); ++j) {
            win::ComPtr<IUnknown> again;
            const HRESULT hr = answered[i]->QueryInterface(asked[j], reinterpret_cast<void**>(again.Put()));
            EXPECT_EQ(SUCCEEDED(hr), bool(answered[j])) << j;
            EXPECT_EQ(again.Get(), answered[j].Get()) << j;
        }
    }

    // A reference taken through the encoder events' interface keeps the control.
    IUnknown* events = answered[22].Get();
    events->AddRef();
    answered.clear();
    identity.Reset();
    control.Reset();
    win::ComPtr<IVelCDRipper> back;
    ASSERT_EQ(events->QueryInterface(IID_IVelCDRipper, reinterpret_cast<void**>(back.Put())), S_OK);
    VARIANT_BOOL prompt = 0;
    EXPECT_EQ(back->get_OverwritePrompt(&prompt), S_OK);
    // An encoder's OnError through it reaches the control.
    win::ComPtr<IDispatch> sink;
    ASSERT_EQ(events->QueryInterface(DIID__IVelAudioEncoderEvents, reinterpret_cast<void**>(sink.Put())), S_OK);
    VARIANT text;
    text.vt = VT_BSTR;
    text.bstrVal = ::SysAllocString(L"full");
    DISPPARAMS args{&text, nullptr, 1, 0};
    EXPECT_EQ(sink->Invoke(1, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &args, nullptr, nullptr, nullptr), S_OK);
    ::VariantClear(&text);
    events->Release();
}

TEST(Control, ErrorsNameTheObjectAndInterfaceThatRaiseThem)
{
    WriteSimDrive(1, {AudioCd(2, 1000)});
    win::ComPtr<IVelCDRipper> control;
    ASSERT_EQ(CreateControl(control), S_OK);
    auto drive = DriveOf(control.Get());
    drive->put_AutoRefresh(VARIANT_FALSE);
    auto track = TrackOf(drive.Get(), 2);
    auto origin = [](const IID& iid, const wchar_t* source) {
        win::ComPtr<IErrorInfo> info;
        if (::GetErrorInfo(0, info.Put()) != S_OK)
            return std::string("no error information");
        GUID guid{};
        info->GetGUID(&guid);
        BSTR text = nullptr;
        info->GetSource(&text);
        const bool same = ::IsEqualGUID(guid, iid) && text && std::wcscmp(text, source) == 0;
        const std::string result = same ? "" : Narrow(text ? text : L"");
        ::SysFreeString(text);
        return result;
    };

    win::ComPtr<ITrack> none;
    EXPECT_EQ(drive->GetTrack(3, none.Put()), DISP_E_BADINDEX);
    EXPECT_EQ(origin(IID_IDrive, L"VELMORALib.Drive"), "");
    win::UniqueBstr name;
    EXPECT_EQ(track->GenerateFilename(win::UniqueBstr(L"%A").Get(), name.Put()), DISP_E_EXCEPTION);
    EXPECT_EQ(origin(IID_ITrack, L"VELMORALib.Track"), "");
    EXPECT_EQ(track->ExtractToEncoder(win::UniqueBstr(L"C:\\x").Get(), VARIANT_FALSE), DISP_E_EXCEPTION);
    EXPECT_EQ(origin(IID_ITrack, L"VELMORALib.Track"), "");
    win::ComPtr<IDrive> beyond;
    EXPECT_EQ(control->GetDrive(2, beyond.Put()), DISP_E_BADINDEX);
    EXPECT_EQ(origin(IID_IVelCDRipper, L"ORVEK.CDRipper.1"), "");
    EXPECT_EQ(control->RunQueue(), DISP_E_EXCEPTION);
    EXPECT_EQ(origin(IID_IVelCDRipper, L"ORVEK.CDRipper.1"), "");
}

TEST(Control, TheEncoderIsSetByValueOrByReferenceAndClearedByNothing)
{
    WriteSimDrive(1, {AudioCd(2, 1000)});
    win::ComPtr<IVelCDRipper> control;
    ASSERT_EQ(CreateControl(control), S_OK);
    auto* encoder = new TestEncoder;
    win::ComPtr<IVelAudioEncoder> got;
    // Through the vtable: the slot added last sets it as put does.
    ASSERT_EQ(control->putref_Encoder(encoder), S_OK);
    ASSERT_EQ(control->get_Encoder(got.Put()), S_OK);
    EXPECT_EQ(got.Get(), encoder);
    ASSERT_EQ(control->putref_Encoder(nullptr), S_OK);
    ASSERT_EQ(control->get_Encoder(got.Put()), S_OK);
    EXPECT_EQ(got.Get(), nullptr);

    // Late-bound, as script engines put it.
    win::ComPtr<IDispatch> dispatch;
    ASSERT_EQ(control.As(dispatch), S_OK);
    DISPID put = DISPID_PROPERTYPUT;
    auto set = [&](WORD flags, VARIANT value, EXCEPINFO* exception = nullptr) {
        DISPPARAMS args{&value, &put, 1, 1};
        UINT bad = 99;
        return dispatch->Invoke(4, IID_NULL, LOCALE_USER_DEFAULT, flags, &args, nullptr, exception, &bad);
    };
    VARIANT object;
    object.vt = VT_DISPATCH;
    object.pdispVal = static_cast<IVelAudioEncoder*>(encoder);
    VARIANT empty;
    empty.vt = VT_EMPTY;
    VARIANT null;
    null.vt = VT_NULL;
    VARIANT nothing;
    nothing.vt = VT_DISPATCH;
    nothing.pdispVal = nullptr;
    for (WORD flags : {WORD(DISPATCH_PROPERTYPUTREF), WORD(DISPATCH_PROPERTYPUT)}) {
        for (const VARIANT& clear : {empty, null, nothing}) {
            ASSERT_EQ(set(flags, object), S_OK);
            ASSERT_EQ(control->get_Encoder(got.Put()), S_OK);
            EXPECT_EQ(got.Get(), encoder);
            ASSERT_EQ(set(flags, clear), S_OK);
            ASSERT_EQ(control->get_Encoder(got.Put()), S_OK);
            EXPECT_EQ(got.Get(), nullptr);
        }
    }
    // By reference to a variant, as some hosts pass it.
    VARIANT inner = object;
    VARIANT byRef;
    byRef.vt = VT_VARIANT | VT_BYREF;
    byRef.pvarVal = &inner;
    ASSERT_EQ(set(DISPATCH_PROPERTYPUTREF, byRef), S_OK);
    ASSERT_EQ(control->get_Encoder(got.Put()), S_OK);
    EXPECT_EQ(got.Get(), encoder);

    // An object that is no encoder, or a number: refused, the encoder kept.
    win::ComPtr<IDrivesCollection> drives;
    control->get_Drives(drives.Put());
    VARIANT other;
    other.vt = VT_DISPATCH;
    other.pdispVal = drives.Get();
    EXCEPINFO exception{};
    EXPECT_EQ(set(DISPATCH_PROPERTYPUTREF, other, &exception), DISP_E_EXCEPTION);
    EXPECT_EQ(exception.scode, DISP_E_TYPEMISMATCH);
    EXPECT_EQ(Narrow(exception.bstrDescription),
              "The object is not an audio encoder: it has no IVelAudioEncoder interface.");
    ::SysFreeString(exception.bstrDescription);
    ::SysFreeString(exception.bstrSource);
    VARIANT number;
    number.vt = VT_I4;
    number.lVal = 5;
    EXPECT_EQ(set(DISPATCH_PROPERTYPUT, number), DISP_E_TYPEMISMATCH);
    ASSERT_EQ(control->get_Encoder(got.Put()), S_OK);
    EXPECT_EQ(got.Get(), encoder);

    control->put_Encoder(nullptr);
    got.Reset();
    encoder->Release();
}

TEST(Control, LateBoundCallsGetTheSameAnswersAndErrorTexts)
{
    WriteSimDrive(1, {AudioCd(3, 1000)});
    win::ComPtr<IVelCDRipper> control;
    ASSERT_EQ(CreateControl(control), S_OK);
    auto drive = DriveOf(control.Get());
    drive->put_AutoRefresh(VARIANT_FALSE);
    win::ComPtr<IDispatch> track;
    ASSERT_EQ(TrackOf(drive.Get(), 3).As(track), S_OK);

    LPOLESTR name = const_cast<LPOLESTR>(L"size");  // names are not case-sensitive
    DISPID id = 0;
    ASSERT_EQ(track->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id), S_OK);
    EXPECT_EQ(id, 2);
    DISPPARAMS none{};
    VARIANT result;
    ::VariantInit(&result);
    ASSERT_EQ(track->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &result,
                            nullptr, nullptr),
              S_OK);
    EXPECT_EQ(result.vt, VT_I4);
    EXPECT_EQ(result.lVal, 1000 * 2352);

    WriteSimDrive(1, {AudioCd(2, 1000)});
    drive->Refresh();
    EXCEPINFO exception{};
    EXPECT_EQ(track->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &result,
                            &exception, nullptr),
              DISP_E_EXCEPTION);
    EXPECT_EQ(Narrow(exception.bstrDescription), "No such track on the disk");
    ::SysFreeString(exception.bstrDescription);
    ::SysFreeString(exception.bstrSource);
    ::SysFreeString(exception.bstrHelpFile);

    // _NewEnum asked for as a method, as some script engines do.
    win::ComPtr<IDispatch> drives;
    win::ComPtr<IDrivesCollection> collection;
    control->get_Drives(collection.Put());
    ASSERT_EQ(collection.As(drives), S_OK);
    ::VariantInit(&result);
    ASSERT_EQ(drives->Invoke(DISPID_NEWENUM, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none,
                             &result, nullptr, nullptr),
              S_OK);
    EXPECT_EQ(result.vt, VT_UNKNOWN);
    ::VariantClear(&result);
}

// Late-bound calls with more arguments than a member takes are refused before the
// member runs; a property holding an object passes its arguments to the object's
// default member, and one holding no object refuses them.
TEST(Control, LateBoundCallsWithTooManyArgumentsAreRefused)
{
    WriteSimDrive(1, {AudioCd(2, 1000), AudioCd(2, 1000, 0, 1)});
    win::ComPtr<IVelCDRipper> control;
    ASSERT_EQ(CreateControl(control), S_OK);
    win::ComPtr<IDispatch> ripper, track;
    ASSERT_EQ(control.As(ripper), S_OK);
    ASSERT_EQ(TrackOf(DriveOf(control.Get()).Get(), 1).As(track), S_OK);
    VARIANT args[3];
    for (VARIANT& arg : args) {
        ::VariantInit(&arg);
        arg.vt = VT_I4;
        arg.lVal = 2;
    }
    auto call = [&](IDispatch* object, DISPID member, WORD flags, UINT count, VARIANT* result) {
        DISPPARAMS params{args, nullptr, count, 0};
        ::VariantInit(result);
        EXCEPINFO exception{};
        const HRESULT hr = object->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                                          result, &exception, nullptr);
        ::SysFreeString(exception.bstrDescription);
        ::SysFreeString(exception.bstrSource);
        ::SysFreeString(exception.bstrHelpFile);
        return hr;
    };
    const WORD either = DISPATCH_METHOD | DISPATCH_PROPERTYGET;
    VARIANT result;
    // ExtractToWav(name, extra): no worker starts, so a proper call still can.
    EXPECT_EQ(call(track.Get(), 4, DISPATCH_METHOD, 2, &result), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(call(track.Get(), 6, DISPATCH_METHOD, 3, &result), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(call(ripper.Get(), 3, DISPATCH_METHOD, 1, &result), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(call(ripper.Get(), 6, DISPATCH_METHOD, 1, &result), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(call(ripper.Get(), 9, DISPATCH_METHOD, 2, &result), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(call(ripper.Get(), 5, DISPATCH_PROPERTYPUT, 2, &result), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(call(track.Get(), 1, either, 1, &result), DISP_E_NOTACOLLECTION);
    // Encoder(2) while no encoder is set, also asked for as a method.
    EXPECT_EQ(call(ripper.Get(), 4, either, 1, &result), DISP_E_NOTACOLLECTION);
    EXPECT_EQ(call(ripper.Get(), 4, DISPATCH_METHOD, 1, &result), DISP_E_NOTACOLLECTION);
    // Drives(2) is Drives.Item(2).
    ASSERT_EQ(call(ripper.Get(), 2, either, 1, &result), S_OK);
    ASSERT_EQ(result.vt, VT_DISPATCH);
    win::ComPtr<IDrive> second;
    ASSERT_EQ(result.pdispVal->QueryInterface(IID_IDrive, reinterpret_cast<void**>(second.Put())), S_OK);
    ::VariantClear(&result);
    EXPECT_EQ(second.Get(), DriveOf(control.Get(), 2).Get());
    EXPECT_EQ(call(ripper.Get(), 2, either, 2, &result), DISP_E_BADPARAMCOUNT);
    ASSERT_EQ(call(ripper.Get(), 2, DISPATCH_METHOD, 1, &result), S_OK);
    EXPECT_EQ(result.vt, VT_DISPATCH);
    ::VariantClear(&result);

    // Nothing was started or queued by the refused calls.
    EXPECT_EQ(control->CancelExtraction(), S_FALSE);
    ::SetErrorInfo(0, nullptr);
    EXPECT_EQ(control->RunQueue(), DISP_E_EXCEPTION);
    EXPECT_EQ(ErrorText(), "Extraction queue is empty.");
}

// A stock ActiveX container (the system's ATL host window) sites the control,
// activates it in place, draws it, and releases it with the window.
TEST(Control, HostedByAnActiveXContainer)
{
    WriteSimDrive(1, {AudioCd(2, 1000)});
    HMODULE atl = ::LoadLibraryW(L"atl.dll");
    ASSERT_NE(atl, nullptr);
    auto init = reinterpret_cast<BOOL(WINAPI*)()>(reinterpret_cast<void*>(::GetProcAddress(atl, "AtlAxWinInit")));
    auto getControl = reinterpret_cast<HRESULT(WINAPI*)(HWND, IUnknown**)>(
        reinterpret_cast<void*>(::GetProcAddress(atl, "AtlAxGetControl")));
    ASSERT_TRUE(init && getControl);
    ASSERT_TRUE(init());

    // Far down the screen, out of the way of other test programs' windows.
    HWND frame = ::CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 900,
                                   750, 300, 200, nullptr, nullptr, nullptr, nullptr);
    HWND host = ::CreateWindowExW(0, L"AtlAxWin", L"ORVEK.CDRipper", WS_CHILD | WS_VISIBLE, 10, 10,
                                  64, 64, frame, nullptr, nullptr, nullptr);
    ASSERT_NE(host, nullptr);
    Pump(200);
    win::ComPtr<IUnknown> unknown;
    ASSERT_EQ(getControl(host, unknown.Put()), S_OK);
    win::ComPtr<IVelCDRipper> control;
    ASSERT_EQ(unknown.As(control), S_OK);
    long drives = 0;
    EXPECT_EQ(control->GetDriveNumber(&drives), S_OK);
    EXPECT_EQ(drives, 1);
    win::ComPtr<IOleObject> ole;
    ASSERT_EQ(control.As(ole), S_OK);
    win::ComPtr<IOleClientSite> site;
    EXPECT_EQ(ole->GetClientSite(site.Put()), S_OK);
    EXPECT_TRUE(site);
    win::ComPtr<IOleInPlaceObject> inPlace;
    ASSERT_EQ(control.As(inPlace), S_OK);
    HWND shown = nullptr;
    EXPECT_EQ(inPlace->GetWindow(&shown), S_OK);  // activated in place: its window is in the host
    EXPECT_TRUE(shown && ::IsChild(host, shown));
    inPlace.Reset();
    site.Reset();
    ole.Reset();
    control.Reset();
    unknown.Reset();

    ::DestroyWindow(frame);  // the container releases the control
    Pump(200);
    EXPECT_EQ(ControlCanUnloadNow(), S_OK);
}

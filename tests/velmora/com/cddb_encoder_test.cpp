// The CDDB side of the object model (lookups, records, file names, records dropped on
// a disc change) and the external encoder path (format, audio, tags, failures).
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "cddb_test_server.h"
#include "proxy_registry.h"
#include "support/control_host.h"
#include "support/event_sink.h"
#include "support/sim_disc.h"
#include "support/temp_dir.h"
#include "support/test_encoder.h"
#include "support/test_encoder_server.h"
#include "support/wav_expectation.h"

using namespace testsupport;

namespace {

// The demo disc: 12 tracks of 27750 sectors, disc id 9011580c.
SimDevice DemoDisc() { return AudioCd(12, 27750); }

std::string RecordText(const std::string& artistAlbum, const std::string& firstTitle)
{
    return "# xmcd\n#\nDISCID=9011580c\nDTITLE=" + artistAlbum + "\nDYEAR=2003\nDGENRE=Chamber Pop\n"
           "TTITLE0=" + firstTitle + "\nTTITLE1=Glass Harbour\nTTITLE11=Closing Time\n";
}

class CddbAndEncoder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.Start());
        proxy.Set("127.0.0.1:" + std::to_string(server.Port()));
        server.AddRecord({"rock", "9011580c", RecordText("The Velmora Ensemble / Demo Disc", "Opening")});
        server.AddRecord({"jazz", "9011580c", RecordText("Second Label/Other Take", "Overture")});
        server.AddRecord({"misc", "9011580c", RecordText("No Slash Here", "Prelude")});
        WriteSimDrive(1, {DemoDisc()});
        ASSERT_EQ(CreateControl(control), S_OK);
        drive = DriveOf(control.Get());
        drive->put_AutoRefresh(VARIANT_FALSE);
        sink = new EventSink(&log, "");
        ASSERT_EQ(sink->Connect(control.Get()), S_OK);
    }
    void TearDown() override
    {
        sink->Disconnect();
        sink->Release();
    }

    std::string Filename(long track, const wchar_t* templ, HRESULT* hr = nullptr)
    {
        win::UniqueBstr text(templ), name;
        ::SetErrorInfo(0, nullptr);
        const HRESULT result = TrackOf(drive.Get(), track)->GenerateFilename(text.Get(), name.Put());
        if (hr)
            *hr = result;
        return FAILED(result) ? ErrorText() : Narrow(name.Get());
    }

    // Pumps until the worker has finished. The queue stays empty in these tests, so
    // starting it is refused either for the running worker or for the empty queue.
    bool WaitIdle()
    {
        const bool idle = PumpUntil(30000, [&] {
            ::SetErrorInfo(0, nullptr);
            control->RunQueue();
            return ErrorText() == "Extraction queue is empty.";
        });
        Pump(0);  // what the worker posted before it finished
        return idle;
    }

    cddbtest::CDDBTestServer server;
    cddbtest::ScopedProxySetting proxy{""};
    win::ComPtr<IVelCDRipper> control;
    win::ComPtr<IDrive> drive;
    std::vector<std::string> log;
    EventSink* sink = nullptr;
};

}  // namespace

TEST_F(CddbAndEncoder, LookupGivesOneRecordPerMatchAndTheFirstIsActive)
{
    HRESULT hr = S_OK;
    EXPECT_EQ(Filename(1, L"%2", &hr), "No active CDDB record.");
    EXPECT_EQ(hr, DISP_E_EXCEPTION);

    ASSERT_EQ(drive->LoadCDDBData(), S_OK);
    long count = 0;
    ASSERT_EQ(drive->GetCDDBRecordNumber(&count), S_OK);
    EXPECT_EQ(count, 3);
    win::ComPtr<ICDDBRecord> second;
    ASSERT_EQ(drive->GetCDDBRecord(2, second.Put()), S_OK);
    win::UniqueBstr description, raw;
    ASSERT_EQ(second->get_Description(description.Put()), S_OK);
    EXPECT_EQ(Narrow(description.Get()), "Second Label/Other Take");
    ASSERT_EQ(second->get_RawData(raw.Put()), S_OK);
    EXPECT_EQ(Narrow(raw.Get()), RecordText("Second Label/Other Take", "Overture"));
    EXPECT_EQ(second->get_RawData(nullptr), E_POINTER);

    EXPECT_EQ(Filename(1, L"%2"), "Opening");
    EXPECT_EQ(Filename(12, L"%6 - %1 - %2"), "12 - The Velmora Ensemble - Closing Time");
    ASSERT_EQ(second->SetActive(), S_OK);
    EXPECT_EQ(Filename(1, L"%2"), "Overture");

    // A new disc drops the records.
    SimDevice other = AudioCd(3, 5000);
    WriteSimDrive(1, {other});
    ASSERT_EQ(drive->Refresh(), S_OK);
    drive->GetCDDBRecordNumber(&count);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(Filename(1, L"%2"), "No active CDDB record.");
    win::UniqueBstr gone;
    EXPECT_EQ(second->get_Description(gone.Put()), DISP_E_EXCEPTION);
}

TEST_F(CddbAndEncoder, ServerErrorsReachTheHostAsTexts)
{
    server.SetBehaviour(cddbtest::Behaviour::NotFound);
    ::SetErrorInfo(0, nullptr);
    EXPECT_EQ(drive->LoadCDDBData(), DISP_E_EXCEPTION);
    EXPECT_EQ(ErrorText(), "CDDB error #8: wrong server response.");
    server.SetBehaviour(cddbtest::Behaviour::NoMatch);
    EXPECT_EQ(drive->LoadCDDBData(), DISP_E_EXCEPTION);
    EXPECT_EQ(ErrorText(), "CDDB error #9: no records for your disk found.");
    long count = -1;
    drive->GetCDDBRecordNumber(&count);
    EXPECT_EQ(count, 0);
}

TEST_F(CddbAndEncoder, EncoderReceivesFormatAudioAndTags)
{
    ASSERT_EQ(drive->LoadCDDBData(), S_OK);
    auto* encoder = new TestEncoder();
    ASSERT_EQ(control->put_Encoder(encoder), S_OK);
    win::UniqueBstr name(L"C:\\nowhere\\first");
    ASSERT_EQ(TrackOf(drive.Get(), 1)->ExtractToEncoder(name.Get(), VARIANT_TRUE), S_OK);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(log.back(), "OnExtractionEnd");
    EXPECT_EQ(encoder->calls, (std::vector<std::string>{"Open", "SetInputFormatWFX", "Write", "Close"}));
    EXPECT_EQ(Narrow(encoder->openedName.c_str()), "C:\\nowhere\\first");  // no extension added
    EXPECT_EQ(encoder->format.wFormatTag, 1);
    EXPECT_EQ(encoder->format.nChannels, 2);
    EXPECT_EQ(encoder->format.nSamplesPerSec, 44100u);
    EXPECT_EQ(encoder->format.nAvgBytesPerSec, 176400u);
    EXPECT_EQ(encoder->format.nBlockAlign, 4);
    EXPECT_EQ(encoder->format.wBitsPerSample, 16);
    EXPECT_EQ(encoder->audio, ExpectedWav(0, 27750).substr(46));
    const std::map<std::string, std::string> tags = {
        {"Title", "Opening"}, {"Artist", "The Velmora Ensemble"}, {"Album", "Demo Disc"},
        {"Year", "2003"}, {"Genre", "Chamber Pop"}, {"TrackNo", "1"}};
    EXPECT_EQ(encoder->tags, tags);
    EXPECT_EQ(encoder->sinkConnections, 1);
    EXPECT_EQ(encoder->sink, nullptr);  // disconnected at the run's end

    // Without "/", the whole DTITLE is the artist; without a tag request, no tags.
    win::ComPtr<ICDDBRecord> third;
    drive->GetCDDBRecord(3, third.Put());
    third->SetActive();
    encoder->tags.clear();
    log.clear();
    ASSERT_EQ(TrackOf(drive.Get(), 2)->ExtractToEncoder(name.Get(), VARIANT_TRUE), S_OK);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(encoder->tags["Artist"], "No Slash Here");
    EXPECT_EQ(encoder->tags["Album"], "");
    EXPECT_EQ(encoder->tags["TrackNo"], "2");
    encoder->tags.clear();
    log.clear();
    ASSERT_EQ(TrackOf(drive.Get(), 2)->ExtractToEncoder(name.Get(), VARIANT_FALSE), S_OK);
    ASSERT_TRUE(WaitIdle());
    EXPECT_TRUE(encoder->tags.empty());
    control->put_Encoder(nullptr);
    encoder->Release();
}

TEST_F(CddbAndEncoder, EncoderFailuresBecomeTheirTexts)
{
    // A failure the encoder does not explain names the target, then the HRESULT the
    // encoder returned and the system's text for it.
    const std::string unexplained = " \"C:\\nowhere\\x\": 0x80004005 ";
    struct Case {
        TestEncoder::Fail fail;
        std::string text;
        bool whole;  // else the system's text follows
        bool started;
    };
    const Case cases[] = {
        {TestEncoder::Fail::Open, "The encoder cannot open that.", true, false},
        {TestEncoder::Fail::OpenQuietly, "Internal error #7653. External encoder was unable to start." + unexplained,
         false, false},
        {TestEncoder::Fail::Format, "Internal error #7654. Cannot start encoding.", true, false},
        {TestEncoder::Fail::Write, "The encoder ran out of space.", true, true},
        {TestEncoder::Fail::WriteQuietly, "Internal error #7655. Error writing to external encoder." + unexplained,
         false, true},
        {TestEncoder::Fail::Close, "Internal error #7656. External encoder problem.", true, true},
    };
    for (const Case& c : cases) {
        auto* encoder = new TestEncoder(false);  // no tags offered: encoded without them
        encoder->FailAt(c.fail, 2);
        control->put_Encoder(encoder);
        log.clear();
        win::UniqueBstr name(L"C:\\nowhere\\x");
        ASSERT_EQ(TrackOf(drive.Get(), 3)->ExtractToEncoder(name.Get(), VARIANT_TRUE), S_OK);
        ASSERT_TRUE(WaitIdle());
        Pump(100);
        const auto found = std::find_if(log.begin(), log.end(), [](const std::string& line) {
            return line.rfind("OnExtractionError ", 0) == 0;
        });
        ASSERT_NE(found, log.end()) << c.text;
        const std::string error = *found;
        const std::string expected = "OnExtractionError " + c.text;
        if (c.whole) {
            EXPECT_EQ(error, expected);
        } else {
            EXPECT_EQ(error.rfind(expected, 0), 0u) << error;
            EXPECT_GT(error.size(), expected.size()) << error;
        }
        EXPECT_EQ(std::find(log.begin(), log.end(), "OnExtractionStart") != log.end(), c.started) << c.text;
        if (c.fail == TestEncoder::Fail::Write || c.fail == TestEncoder::Fail::WriteQuietly) {
            // An error in a block: the error, then the end of the track.
            EXPECT_EQ(std::vector<std::string>(log.end() - 3, log.end()),
                      (std::vector<std::string>{error, "OnProgress 100", "OnExtractionEnd"}));
            EXPECT_EQ(encoder->audio.size(), 2u * 61152);
        }
        control->put_Encoder(nullptr);
        encoder->Release();
    }
}

// Where an encoder is called depends on where it lives: a plain object of the host
// belongs to the host's apartment and is called on its thread; one that aggregates
// the free-threaded marshaler is called on the worker. Its errors reach the host as
// events on the host's thread either way.
TEST_F(CddbAndEncoder, APlainEncoderIsCalledOnTheHostsThreadAFreeThreadedOneOnTheWorker)
{
    class ThreadedEncoder : public TestEncoder {
    public:
        explicit ThreadedEncoder(bool anyThread) : TestEncoder(false)
        {
            if (anyThread)
                ::CoCreateFreeThreadedMarshaler(static_cast<IVelAudioEncoder*>(this), &marshaler);
        }
        ~ThreadedEncoder() override
        {
            if (marshaler)
                marshaler->Release();
        }
        STDMETHODIMP QueryInterface(REFIID riid, void** object) override
        {
            if (riid == IID_IMarshal && marshaler)
                return marshaler->QueryInterface(riid, object);
            return TestEncoder::QueryInterface(riid, object);
        }
        STDMETHODIMP Write(unsigned char* data, LONG count) override
        {
            writer = ::GetCurrentThreadId();
            return TestEncoder::Write(data, count);
        }
        IUnknown* marshaler = nullptr;
        DWORD writer = 0;
    };
    class ThreadSink : public EventSink {
    public:
        using EventSink::EventSink;
        void OnEvent(DISPID) override { threads.push_back(::GetCurrentThreadId()); }
        std::vector<DWORD> threads;
    };
    const DWORD host = ::GetCurrentThreadId();
    for (bool anyThread : {false, true}) {
        SCOPED_TRACE(anyThread ? "free-threaded" : "plain");
        auto* watcher = new ThreadSink(&log, "");
        ASSERT_EQ(watcher->Connect(control.Get()), S_OK);
        auto* encoder = new ThreadedEncoder(anyThread);
        encoder->FailAt(TestEncoder::Fail::Write, 1);
        control->put_Encoder(encoder);
        log.clear();
        win::UniqueBstr name(L"C:\\nowhere\\x");
        ASSERT_EQ(TrackOf(drive.Get(), 2)->ExtractToEncoder(name.Get(), VARIANT_FALSE), S_OK);
        ASSERT_TRUE(WaitIdle());
        Pump(100);
        EXPECT_NE(std::find(log.begin(), log.end(), "OnExtractionError The encoder ran out of space."), log.end());
        EXPECT_NE(encoder->writer, 0u);
        EXPECT_EQ(encoder->writer == host, !anyThread);
        ASSERT_FALSE(watcher->threads.empty());
        for (DWORD thread : watcher->threads)
            EXPECT_EQ(thread, host);
        watcher->Disconnect();
        watcher->Release();
        control->put_Encoder(nullptr);
        encoder->Release();
    }
}

// The tests' encoder server registered under each threading model, made by the host
// on its own thread or on another thread with an apartment of its own: the control
// calls each in its own apartment (the host's, the multithreaded one, the other
// thread's), every block arrives whole, and its errors reach the host as events on
// the host's thread.
TEST_F(CddbAndEncoder, EncodersOfEveryThreadingModelAreCalledWhereTheyLive)
{
    class ThreadSink : public EventSink {
    public:
        using EventSink::EventSink;
        void OnEvent(DISPID) override { threads.push_back(::GetCurrentThreadId()); }
        std::vector<DWORD> threads;
    };
    // A thread with an apartment of its own that makes an encoder, hands it over and
    // then serves its calls until it is told to end.
    class EncoderThread {
    public:
        EncoderThread()
        {
            thread_ = std::thread([this] {
                ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
                id = ::GetCurrentThreadId();
                IVelAudioEncoder* encoder = nullptr;
                if (SUCCEEDED(::CoCreateInstance(CLSID_TestEncoder, nullptr, CLSCTX_INPROC_SERVER,
                                                 IID_IVelAudioEncoder, reinterpret_cast<void**>(&encoder)))) {
                    ::CoMarshalInterThreadInterfaceInStream(IID_IVelAudioEncoder, encoder, &stream_);
                    encoder->Release();
                }
                ::SetEvent(ready_);
                MSG msg;
                while (::GetMessageW(&msg, nullptr, 0, 0) > 0)
                    ::DispatchMessageW(&msg);
                ::CoUninitialize();
            });
            ::WaitForSingleObject(ready_, 30000);
        }
        ~EncoderThread()
        {
            ::PostThreadMessageW(id, WM_QUIT, 0, 0);
            thread_.join();
            ::CloseHandle(ready_);
        }
        win::ComPtr<IVelAudioEncoder> Take()
        {
            win::ComPtr<IVelAudioEncoder> encoder;
            if (stream_)
                ::CoGetInterfaceAndReleaseStream(stream_, IID_IVelAudioEncoder, reinterpret_cast<void**>(encoder.Put()));
            stream_ = nullptr;
            return encoder;
        }
        DWORD id = 0;

    private:
        HANDLE ready_ = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
        IStream* stream_ = nullptr;
        std::thread thread_;
    };
    enum class CalledOn { Host, Worker, OtherThread };
    struct Case {
        const char* model;
        bool madeOnOtherThread;
        CalledOn calledOn;
    };
    const Case cases[] = {
        {"Apartment", false, CalledOn::Host},
        {"Both", false, CalledOn::Host},
        {"Free", false, CalledOn::Worker},
        {"Apartment", true, CalledOn::OtherThread},
        {"Both", true, CalledOn::OtherThread},
    };
    WriteSimDrive(1, {AudioCd(2, 1500)});
    ASSERT_EQ(drive->Refresh(), S_OK);
    const DWORD host = ::GetCurrentThreadId();
    TempDir out;
    auto* watcher = new ThreadSink(&log, "");
    ASSERT_EQ(watcher->Connect(control.Get()), S_OK);
    for (const Case& c : cases) {
        const std::string name = std::string(c.model) + (c.madeOnOtherThread ? " elsewhere" : " here");
        SCOPED_TRACE(name);
        ScopedTestEncoderRegistration registration(c.model);
        ASSERT_TRUE(registration.Registered());
        std::unique_ptr<EncoderThread> other;
        win::ComPtr<IVelAudioEncoder> encoder;
        if (c.madeOnOtherThread) {
            other = std::make_unique<EncoderThread>();
            encoder = other->Take();
        } else {
            ::CoCreateInstance(CLSID_TestEncoder, nullptr, CLSCTX_INPROC_SERVER, IID_IVelAudioEncoder,
                               reinterpret_cast<void**>(encoder.Put()));
        }
        ASSERT_TRUE(encoder);
        ASSERT_EQ(control->put_Encoder(encoder.Get()), S_OK);

        // A whole track, every block as read, each call where the encoder lives.
        log.clear();
        watcher->threads.clear();
        const std::string target = out.File(name);
        win::UniqueBstr wideTarget(std::wstring(target.begin(), target.end()).c_str());
        ASSERT_EQ(TrackOf(drive.Get(), 2)->ExtractToEncoder(wideTarget.Get(), VARIANT_FALSE), S_OK);
        ASSERT_TRUE(WaitIdle());
        EXPECT_EQ(log.back(), "OnExtractionEnd");
        EXPECT_EQ(std::count_if(log.begin(), log.end(),
                                [](const std::string& line) { return line.rfind("OnExtractionError", 0) == 0; }),
                  0);
        EXPECT_TRUE(ReadFileText(target) == ExpectedWav(1500, 1500).substr(46)) << "the audio differs";
        std::set<std::string> methods;
        std::set<DWORD> callers;
        std::istringstream calls(ReadFileText(target + ".calls"));
        std::string method;
        DWORD thread = 0;
        while (calls >> method >> thread) {
            methods.insert(method);
            callers.insert(thread);
        }
        EXPECT_EQ(methods, (std::set<std::string>{"Open", "SetInputFormatWFX", "Write", "Close"}));
        ASSERT_EQ(callers.size(), 1u);
        const DWORD caller = *callers.begin();
        switch (c.calledOn) {
        case CalledOn::Host: EXPECT_EQ(caller, host); break;
        case CalledOn::Worker: EXPECT_NE(caller, host); break;
        case CalledOn::OtherThread: EXPECT_EQ(caller, other->id); break;
        }

        // Its error event becomes the host's, on the host's thread.
        log.clear();
        const std::string failing = out.File(name + " write-fails");
        win::UniqueBstr wideFailing(std::wstring(failing.begin(), failing.end()).c_str());
        ASSERT_EQ(TrackOf(drive.Get(), 1)->ExtractToEncoder(wideFailing.Get(), VARIANT_FALSE), S_OK);
        ASSERT_TRUE(WaitIdle());
        Pump(100);
        EXPECT_NE(std::find(log.begin(), log.end(), "OnExtractionError The encoder ran out of space."), log.end())
            << ::testing::PrintToString(log);
        ASSERT_FALSE(watcher->threads.empty());
        for (DWORD eventThread : watcher->threads)
            EXPECT_EQ(eventThread, host);

        ASSERT_EQ(control->put_Encoder(nullptr), S_OK);
        encoder.Reset();
        other.reset();
    }
    watcher->Disconnect();
    watcher->Release();
}

TEST_F(CddbAndEncoder, AnEncoderSetDuringATaskLeavesTheTaskWithTheOneItStartedWith)
{
    // A drive slow enough that the host's change lands in the middle of the track.
    SimDevice disc = AudioCd(2, 1500);
    disc.extra = {"fault readcd late 0 2999 delay 10"};
    WriteSimDrive(1, {disc});
    ASSERT_EQ(drive->Refresh(), S_OK);
    // Sets the control's encoder to `next` when the track reports its first progress.
    class ChangeOnProgress : public EventSink {
    public:
        using EventSink::EventSink;
        void OnEvent(DISPID id) override
        {
            if (id == 1 && control) {
                control->put_Encoder(next);
                control = nullptr;
                changedAt = lines->size();
            }
        }
        std::vector<std::string>* lines = nullptr;
        IVelCDRipper* control = nullptr;
        IVelAudioEncoder* next = nullptr;
        size_t changedAt = 0;
    };
    for (bool toNull : {false, true}) {
        auto* first = new TestEncoder(false);
        auto* second = new TestEncoder(false);
        ASSERT_EQ(control->put_Encoder(first), S_OK);
        auto* changer = new ChangeOnProgress(&log, "");
        changer->lines = &log;
        changer->control = control.Get();
        changer->next = toNull ? nullptr : second;
        ASSERT_EQ(changer->Connect(control.Get()), S_OK);
        log.clear();
        win::UniqueBstr name(L"C:\\nowhere\\changed");
        ASSERT_EQ(TrackOf(drive.Get(), 2)->ExtractToEncoder(name.Get(), VARIANT_FALSE), S_OK);
        ASSERT_TRUE(WaitIdle());
        // The change came while the track had most of its blocks still to read.
        ASSERT_GT(changer->changedAt, 0u) << toNull;
        EXPECT_GT(std::count_if(log.begin() + changer->changedAt, log.end(),
                                [](const std::string& line) {
                                    return line.rfind("OnProgress ", 0) == 0 && line != "OnProgress 100" &&
                                           std::stoi(line.substr(11)) < 50;
                                }),
                  0)
            << toNull;
        // The first encoder had the whole track and its Close; the second none of it.
        EXPECT_EQ(first->calls, (std::vector<std::string>{"Open", "SetInputFormatWFX", "Write", "Close"}))
            << toNull;
        EXPECT_EQ(first->audio, ExpectedWav(1500, 1500).substr(46)) << toNull;
        EXPECT_TRUE(second->calls.empty()) << toNull;
        EXPECT_EQ(std::count_if(log.begin(), log.end(),
                                [](const std::string& line) { return line.rfind("OnExtractionError", 0) == 0; }),
                  0)
            << toNull;
        EXPECT_EQ(log.back(), "OnExtractionEnd");
        changer->Disconnect();
        changer->Release();
        control->put_Encoder(nullptr);
        first->Release();
        second->Release();
    }
}

// The CDDB side of the object model (lookups, records, file names, records dropped on
// a disc change) and the external encoder path (format, audio, tags, failures).
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cddb_test_server.h"
#include "proxy_registry.h"
#include "support/control_host.h"
#include "support/event_sink.h"
#include "support/sim_disc.h"
#include "support/test_encoder.h"
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
    struct Case {
        TestEncoder::Fail fail;
        const char* text;
        bool started;
    };
    const Case cases[] = {
        {TestEncoder::Fail::Open, "The encoder cannot open that.", false},
        {TestEncoder::Fail::OpenQuietly, "Internal error #7653. External encoder was unable to start.", false},
        {TestEncoder::Fail::Format, "Internal error #7654. Cannot start encoding.", false},
        {TestEncoder::Fail::Write, "The encoder ran out of space.", true},
        {TestEncoder::Fail::WriteQuietly, "Internal error #7655. Error writing to external encoder.", true},
        {TestEncoder::Fail::Close, "Internal error #7656. External encoder problem.", true},
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
        const std::string error = std::string("OnExtractionError ") + c.text;
        EXPECT_NE(std::find(log.begin(), log.end(), error), log.end()) << c.text;
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

TEST_F(CddbAndEncoder, AnEncodersErrorReachesTheHostAsAnEventOnTheHostsThread)
{
    // The encoder is called on the control's worker thread and reports there.
    class ThreadedEncoder : public TestEncoder {
    public:
        using TestEncoder::TestEncoder;
        STDMETHODIMP Write(unsigned char* data, LONG count) override
        {
            writer = ::GetCurrentThreadId();
            return TestEncoder::Write(data, count);
        }
        DWORD writer = 0;
    };
    class ThreadSink : public EventSink {
    public:
        using EventSink::EventSink;
        void OnEvent(DISPID) override { threads.push_back(::GetCurrentThreadId()); }
        std::vector<DWORD> threads;
    };
    auto* watcher = new ThreadSink(&log, "");
    ASSERT_EQ(watcher->Connect(control.Get()), S_OK);
    auto* encoder = new ThreadedEncoder(false);
    encoder->FailAt(TestEncoder::Fail::Write, 1);
    control->put_Encoder(encoder);
    log.clear();
    win::UniqueBstr name(L"C:\\nowhere\\x");
    ASSERT_EQ(TrackOf(drive.Get(), 2)->ExtractToEncoder(name.Get(), VARIANT_FALSE), S_OK);
    ASSERT_TRUE(WaitIdle());
    Pump(100);
    EXPECT_NE(std::find(log.begin(), log.end(), "OnExtractionError The encoder ran out of space."), log.end());
    const DWORD host = ::GetCurrentThreadId();
    EXPECT_NE(encoder->writer, 0u);
    EXPECT_NE(encoder->writer, host);
    ASSERT_FALSE(watcher->threads.empty());
    for (DWORD thread : watcher->threads)
        EXPECT_EQ(thread, host);
    watcher->Disconnect();
    watcher->Release();
    control->put_Encoder(nullptr);
    encoder->Release();
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

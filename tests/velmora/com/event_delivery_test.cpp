// The events of queued tracks reach the host in the order the worker reports them,
// none lost or repeated, however the host's handlers behave: quick, slow (the worker
// then reports many times before the window answers), or running a message loop of
// their own, as a host that shows a dialog from an event does.
#include "ripping_fixture.h"

using namespace testsupport;

namespace {

constexpr int kTracks = 3;

class HandlerSink : public EventSink {
public:
    enum class Handler { Quick, Slow, Pumping };
    HandlerSink(std::vector<std::string>* log, Handler handler) : EventSink(log, ""), handler_(handler) {}
    void OnEvent(DISPID id) override
    {
        if (id != 1)  // progress
            return;
        if (handler_ == Handler::Slow)
            ::Sleep(1);
        else if (handler_ == Handler::Pumping)
            Pump(0);
    }

private:
    Handler handler_;
};

// Each track: start, progress from 0 rising to 100 without repeats, end.
void ExpectTracksInOrder(const std::vector<std::string>& log, int tracks)
{
    size_t at = 0;
    for (int track = 1; track <= tracks; ++track) {
        ASSERT_LT(at, log.size());
        EXPECT_EQ(log[at++], "OnExtractionStart") << "track " << track;
        int last = -1;
        while (at < log.size() && log[at].rfind("OnProgress ", 0) == 0) {
            const int percent = std::stoi(log[at++].substr(11));
            EXPECT_GT(percent, last) << "track " << track;
            last = percent;
        }
        EXPECT_EQ(last, 100) << "track " << track;
        ASSERT_LT(at, log.size());
        EXPECT_EQ(log[at++], "OnExtractionEnd") << "track " << track;
    }
    EXPECT_EQ(at, log.size());
}

}  // namespace

TEST_F(Ripping, EventsArriveInOrderWhateverTheHandlersDo)
{
    Start({AudioCd(kTracks, 3000)});
    for (HandlerSink::Handler handler :
         {HandlerSink::Handler::Quick, HandlerSink::Handler::Slow, HandlerSink::Handler::Pumping}) {
        std::vector<std::string> events;
        auto* busy = new HandlerSink(&events, handler);
        ASSERT_EQ(busy->Connect(control.Get()), S_OK);
        control->ClearQueue();
        for (int track = 1; track <= kTracks; ++track)
            ASSERT_EQ(Queue(track), S_OK);
        ASSERT_EQ(control->RunQueue(), S_OK);
        ASSERT_TRUE(WaitIdle());
        busy->Disconnect();
        busy->Release();
        SCOPED_TRACE("handler " + std::to_string(int(handler)));
        ExpectTracksInOrder(events, kTracks);
    }
}

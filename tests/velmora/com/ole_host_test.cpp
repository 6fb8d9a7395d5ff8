// The control on a form the way the application hosts it: created by class id from
// persisted bytes, its events reaching the form, its failures raised with its texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/ole/ole_control.h"
#include "support/control_host.h"
#include "support/event_sink.h"
#include "support/sim_disc.h"
#include "support/temp_dir.h"
#include "velmora.h"

using namespace testsupport;

namespace {

class HostedRipper : public gui::TOleControl {
public:
    using TOleControl::TOleControl;
    std::vector<std::string> events;

protected:
    void InvokeEvent(DISPID id, DISPPARAMS& params) override
    {
        std::string line = std::to_string(id);
        if (params.cArgs == 1 && params.rgvarg[0].vt == VT_BSTR)
            line += " " + Narrow(params.rgvarg[0].bstrVal);
        events.push_back(line);
    }
};

// Version 0x0300, jitter correction off, overwrite prompt off.
const std::string kFormState("\x00\x03\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00", 12);

}  // namespace

TEST(OleHost, CreatesTheControlFromItsPersistedStateAndReceivesItsEvents)
{
    WriteSimDrive(1, {AudioCd(2, 300)});
    TempDir out;
    HostedRipper ripper(nullptr);
    ripper.CreateControl(CLSID_VelCDRipper, DIID__IVelCDRipperEvents, kFormState);
    auto control = ripper.Interface<IVelCDRipper>(IID_IVelCDRipper);
    VARIANT_BOOL value = VARIANT_TRUE;
    control->get_OverwritePrompt(&value);
    EXPECT_EQ(value, VARIANT_FALSE);
    control->get_JitterCorrection(&value);
    EXPECT_EQ(value, VARIANT_FALSE);

    auto drive = DriveOf(control.Get());
    const std::string target = out.File("one");
    win::UniqueBstr name(std::wstring(target.begin(), target.end()).c_str());
    ASSERT_EQ(TrackOf(drive.Get(), 1)->ExtractToWav(name.Get()), S_OK);
    ASSERT_TRUE(PumpUntil(20000, [&] { return !ripper.events.empty() && ripper.events.back() == "3"; }));
    EXPECT_EQ(ripper.events.front(), "2");  // OnExtractionStart first, OnExtractionEnd last

    // The worker clears its busy flag only after it closed the file, a moment after the
    // end event; until then a new start is refused for that reason instead.
    // CancelExtraction answers S_FALSE once no worker runs (the run is over, nothing to cancel).
    ASSERT_TRUE(PumpUntil(5000, [&] { return control->CancelExtraction() == S_FALSE; }));
    // Bad calls come back as exceptions with the control's text.
    try {
        ::SetErrorInfo(0, nullptr);
        gui::OleCheck(control->RunQueue());
        FAIL() << "no exception";
    } catch (const gui::EOleSysError& e) {
        EXPECT_EQ(e.Message(), "Extraction queue is empty.");
        EXPECT_EQ(e.ErrorCode(), DISP_E_EXCEPTION);
    }
    drive.Reset();
    control.Reset();
    ripper.DestroyControl();
    EXPECT_EQ(ControlCanUnloadNow(), S_OK);
}

TEST(OleHost, FailedCreationRaisesTheControlsText)
{
    SimDevice disk = AudioCd(1, 100);
    disk.type = 0;
    WriteSimDrive(1, {disk});
    HostedRipper ripper(nullptr);
    try {
        ripper.CreateControl(CLSID_VelCDRipper, DIID__IVelCDRipperEvents, kFormState);
        FAIL() << "no exception";
    } catch (const gui::EOleSysError& e) {
        EXPECT_EQ(e.Message(), "Seems like you don't have any CD drives...");
    }
    EXPECT_FALSE(ripper.Created());
}

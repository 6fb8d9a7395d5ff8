#include "form_engine_fixture.h"

#include <algorithm>

#include "gui/controls/application.h"
#include "gui/core/strings.h"
#include "picture_fixtures.h"

namespace formenginetest {

namespace {

gui::TStringList Description(const std::vector<std::string>& extra)
{
    std::vector<std::string> ini = {
        "[VERSION]", "skinname=Frame test", "[PICTURES]", "activepicturescount=0", "[FORMINFO]",
        "lefttoppoint=20,20", "righttoppoint=80,20", "leftbottompoint=20,50", "rightbottompoint=80,50",
        "clientrect=4,20,96,56", "maskrectarea=4,4,96,56", "hittestlefttoppoint=8,8",
        "hittestrighttoppoint=92,8", "hittestleftbottompoint=8,52", "hittestrightbottompoint=92,52",
        "borderwidth=2", "captionrect=10,2,70,18", "buttonsrect=72,2,96,18"};
    // Keys before the first section of the extra lines replace the frame's own.
    auto line = extra.begin();
    for (; line != extra.end() && !line->empty() && line->front() != '['; ++line) {
        const std::string key = line->substr(0, line->find('=') + 1);
        auto same = std::find_if(ini.begin(), ini.end(), [&](const std::string& l) { return l.rfind(key, 0) == 0; });
        if (same != ini.end())
            *same = *line;
        else
            ini.push_back(*line);
    }
    ini.insert(ini.end(), line, extra.end());
    if (std::find(ini.begin(), ini.end(), "[SKINOBJECTS]") == ini.end())
        ini.insert(ini.end(), {"[SKINOBJECTS]", "count=0"});
    ini.insert(ini.end(), {"[SKINCONTROLS]", "count=0"});
    gui::TStringList lines;
    for (const std::string& line : ini)
        lines.Add(line);
    return lines;
}

}  // namespace

FormSkin::FormSkin(const std::vector<std::string>& extra, const std::vector<gui::TBitmap*>& active)
    : stored_(new sk::TskStoredSkin(&owner_)), data_(new sk::TskSkinData(&owner_))
{
    gui::TBitmap picture, mask;
    skintest::MakeRamp(picture, 100, 60);
    std::vector<std::string> rows(60, std::string(100, '#'));
    rows[0].replace(0, 3, "...");
    rows[1].replace(0, 2, "..");
    rows[2].replace(0, 1, ".");
    skintest::MakeMask(mask, rows);
    stored_->Pictures().Picture = picture.SaveToImage();
    stored_->Pictures().Mask = mask.SaveToImage();
    for (gui::TBitmap* bitmap : active)
        stored_->Pictures().ActivePictures.push_back(bitmap->SaveToImage());
    stored_->SetIniStrings(Description(extra));
    data_->SetStoredSkin(stored_);
}

void FormSkin::Reload(const std::vector<std::string>& extra)
{
    stored_->SetIniStrings(Description(extra));
    data_->LoadStoredSkin(*stored_);
}

FormEngineTest::FormEngineTest() : form(new gui::TForm(nullptr))
{
    form->SetBounds(120, 120, 200, 120);
    form->SetCaption("Frame");
    // The engine follows the real cursor over its frame: keep it off the form
    // unless a test puts it there.
    ::SetCursorPos(1270, 1010);
}

FormEngineTest::~FormEngineTest() { delete form; }

gui::TRect FormEngineTest::ClientInWindow()
{
    RECT wr, cr;
    ::GetWindowRect(form->Handle(), &wr);
    ::GetClientRect(form->Handle(), &cr);
    POINT origin{0, 0};
    ::ClientToScreen(form->Handle(), &origin);
    return gui::Rect(origin.x - wr.left, origin.y - wr.top, origin.x - wr.left + cr.right,
                     origin.y - wr.top + cr.bottom);
}

LRESULT FormEngineTest::HitTest(int x, int y)
{
    return ::SendMessageA(form->Handle(), WM_NCHITTEST, 0, ScreenParam(x, y));
}

COLORREF FormEngineTest::FramePixel(int x, int y)
{
    HDC dc = ::GetWindowDC(form->Handle());
    const COLORREF c = ::GetPixel(dc, x, y);
    ::ReleaseDC(form->Handle(), dc);
    return c;
}

LPARAM FormEngineTest::ScreenParam(int x, int y)
{
    RECT wr;
    ::GetWindowRect(form->Handle(), &wr);
    return MAKELPARAM(wr.left + x, wr.top + y);
}

}  // namespace formenginetest

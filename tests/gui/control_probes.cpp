#include "control_probes.h"

#include "gui/controls/application.h"
#include "gui/controls/control_messages.h"

namespace guitest {

ColourBox::ColourBox(gui::TComponent* owner, gui::TColor colour) : TGraphicControl(owner) { SetColor(colour); }

void ColourBox::Paint()
{
    ++paints;
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(ClientRect());
}

ColourPanel::ColourPanel(gui::TComponent* owner, gui::TColor colour) : TCustomControl(owner)
{
    SetControlStyle(ControlStyle() | gui::TControlStyle{gui::csAcceptsControls});
    SetColor(colour);
}

void ColourPanel::Paint()
{
    ++paints;
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(ClientRect());
}

std::string MessageName(UINT msg)
{
    switch (msg) {
    case gui::CM_MOUSEENTER:
        return "MOUSEENTER";
    case gui::CM_MOUSELEAVE:
        return "MOUSELEAVE";
    case gui::CM_VISIBLECHANGED:
        return "VISIBLECHANGED";
    case gui::CM_ENABLEDCHANGED:
        return "ENABLEDCHANGED";
    case gui::CM_TEXTCHANGED:
        return "TEXTCHANGED";
    case gui::CM_FONTCHANGED:
        return "FONTCHANGED";
    case gui::CM_PARENTFONTCHANGED:
        return "PARENTFONTCHANGED";
    case gui::CM_COLORCHANGED:
        return "COLORCHANGED";
    case gui::CN_COMMAND:
        return "CN_COMMAND";
    case gui::CN_NOTIFY:
        return "CN_NOTIFY";
    default:
        return msg >= gui::CN_BASE && msg < gui::CN_BASE + WM_USER ? "CN_" + std::to_string(msg - gui::CN_BASE) : "";
    }
}

void MessageLog::Watch(gui::TControl& control, const std::string& name)
{
    auto watcher = std::make_unique<Watcher>();
    Watcher* w = watcher.get();
    w->hook = std::make_unique<gui::TWndProcHook>(control.WindowProc(), [this, w, name](gui::TMessage& m) {
        const std::string message = MessageName(m.Msg);
        if (!message.empty())
            entries_.push_back(name + ":" + message);
        w->hook->CallNext(m);
    });
    watchers_.push_back(std::move(watcher));
}

std::vector<std::string> MessageLog::Take() { return std::exchange(entries_, {}); }

void Pump() { gui::Application().ProcessMessages(); }

}  // namespace guitest

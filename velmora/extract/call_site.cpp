#include "extract/call_site.h"

#include "extract/messages.h"

namespace velmora {

bool CallSite::Run(const std::function<void()>& call) const
{
    if (!window_ || ::GetWindowThreadProcessId(window_, nullptr) == ::GetCurrentThreadId()) {
        call();
        return true;
    }
    bool ran = false;
    const std::function<void()> marked = [&] {
        call();
        ran = true;
    };
    ::SendMessageW(window_, WM_RIPPER_CALL, 0, reinterpret_cast<LPARAM>(&marked));
    return ran;
}

}  // namespace velmora

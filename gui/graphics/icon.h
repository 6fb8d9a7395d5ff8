// An icon picture. It owns its icon: what it is given is copied or taken over,
// so a shared icon (the system's, another TIcon's) is never destroyed with it.
#pragma once

#include <windows.h>

#include "win/user_handles.h"

namespace gui {

class TIcon {
public:
    TIcon() = default;
    TIcon(const TIcon&) = delete;
    TIcon& operator=(const TIcon&) = delete;

    bool Empty() const { return !handle_; }
    HICON Handle() const { return handle_.Get(); }
    // Takes the icon over; the previous one is destroyed.
    void SetHandle(HICON value) { handle_.Reset(value); }
    // A copy of the other's icon; empty when it is empty.
    void Assign(const TIcon& other);
    // A copy of an icon that stays its owner's (a system icon, the program's).
    void AssignHandle(HICON shared);

    // The size of the icon's picture; 0 when empty.
    int Width() const;
    int Height() const;

private:
    win::UniqueIcon handle_;
};

}  // namespace gui

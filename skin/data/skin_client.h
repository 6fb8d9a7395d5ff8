// A control that draws from a skin data component. Before a skin is reloaded its
// pictures are freed, so every such control lets go of what it took from the old
// skin first, and reads the new one once it stands. A skin data component keeps
// the controls bound to it and makes sure each hears of a change exactly once,
// whichever form (if any) it sits on.
#pragma once

namespace sk {

class TskSkinClient {
public:
    // Before the skin changes: drop everything that points into it. Controls
    // that read their element anew before every use have nothing to drop.
    virtual void ReleaseSkin() {}
    // After the skin changed: read the element anew and show it.
    virtual void ApplySkin() = 0;

protected:
    TskSkinClient() = default;
    TskSkinClient(const TskSkinClient&) = default;
    TskSkinClient& operator=(const TskSkinClient&) = default;
    ~TskSkinClient() = default;
};

}  // namespace sk

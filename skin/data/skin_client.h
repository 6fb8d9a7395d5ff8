// A control that draws from a skin data component. Before a skin is reloaded its
// pictures are freed, so every such control lets go of what it took from the old
// skin first, and reads the new one once it stands. A skin data component keeps
// the controls bound to it and makes sure each hears of a change exactly once,
// whichever form (if any) it sits on. The form skinning engine walks its form's
// controls through this interface too, and places those that name an area of the
// form's skin on that area.
#pragma once

#include <string>

namespace sk {

class TskSkinData;

class TskSkinClient {
public:
    // The skin data the control draws from, or none.
    virtual TskSkinData* SkinData() const = 0;
    // The area of its form's skin that the control is placed on; empty for none.
    virtual const std::string& AreaName() const
    {
        static const std::string none;
        return none;
    }
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

// A component's reference to another component that it does not own. The two
// are linked both ways, so the holder hears (through Notification) when the
// other goes and can clear the reference.
#pragma once

#include "gui/core/component.h"

namespace gui {

// Points `field` of `holder` at `value` and links the two; the link to the
// component referred to before goes.
template <typename T>
void SetReference(TComponent& holder, T*& field, T* value)
{
    if (field && field != value)
        holder.RemoveFreeNotification(field);
    field = value;
    if (value)
        holder.FreeNotification(value);
}

}  // namespace gui

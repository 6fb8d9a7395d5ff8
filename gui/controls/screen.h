// The program's screen: the list of its forms in creation order, and the mouse
// cursors by number (cursor.h).
#pragma once

#include <windows.h>

#include <map>
#include <vector>

#include "gui/controls/cursor.h"
#include "gui/core/types.h"
#include "win/user_handles.h"

namespace gui {

class TForm;

class TScreen {
public:
    int FormCount() const { return int(forms_.size()); }
    TForm* Forms(int index) const;  // raises EListError outside the list
    int IndexOfForm(const TForm* form) const;  // -1 when it is not listed
    // The form the user works in: that of the active window, or, in a
    // multiple-document program, its active child. None when no window of the
    // program is active.
    TForm* ActiveForm() const;
    TForm* ActiveCustomForm() const { return ActiveForm(); }

    // A cursor other than crDefault shows over every window of the program (an
    // hourglass while it is busy), whatever the controls ask for.
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor value);
    // The cursor of a number: the system's for the negative ones, the arrow for
    // crDefault and for numbers without a cursor.
    HCURSOR Cursors(TCursor index) const;
    // Gives a number a cursor; the screen owns it from then on and destroys the
    // one it replaces. A null cursor frees the number.
    void SetCursors(TCursor index, HCURSOR cursor);

private:
    friend class TForm;
    void AddForm(TForm* form);
    void RemoveForm(TForm* form);

    std::vector<TForm*> forms_;
    TCursor cursor_ = crDefault;
    std::map<TCursor, win::UniqueCursor> cursors_;
};

// The one screen of the program.
TScreen& Screen();

// Bounds at which a top-level window can be seen and taken by its caption: the
// bounds themselves while their top edge lies on the work area of a monitor and
// they are no larger than it; otherwise (saved on a monitor removed since, or on a
// larger one, say) moved onto the work area of the nearest monitor and made no
// larger than it.
TRect BoundsOnWorkArea(const TRect& bounds);

}  // namespace gui

// Multiple-document forms. The engine of the parent (the application's main form)
// paints the background of the client window and takes its border away, names a
// maximized child in its caption and has its menu bar show the child's buttons;
// the engines of the children park minimized children inside the client window,
// let a maximized one fill it without a frame of its own (and hand that state
// to the child activated after it), and keep the window list under the parent's
// WindowMenu: an item per shown child, with a check mark on the active one.
#pragma once

#include <windows.h>

#include <memory>

#include "gui/controls/message.h"
#include "gui/controls/wnd_proc_chain.h"
#include "gui/core/types.h"

namespace gui {
class TComponent;
class TMenuItem;
}  // namespace gui

namespace sk {

class TskEngineParts;
class TskFormSkinEngine;

class TskMDISupport {
public:
    explicit TskMDISupport(TskEngineParts& parts) : parts_(parts) {}
    ~TskMDISupport();
    TskMDISupport(const TskMDISupport&) = delete;
    TskMDISupport& operator=(const TskMDISupport&) = delete;

    bool IsChild() const;
    bool IsParent() const;
    // An MDI child that the engine keeps maximized: it has no frame of its own,
    // and its parent's caption and menu bar stand for it.
    bool IsMaximizedChild() const;
    // The last WM_NCACTIVATE state of an MDI form; the MDI procedures send it
    // to the parent and the active child alike.
    bool Active() const { return active_; }
    void SetActive(bool value) { active_ = value; }
    // A parent: one of its children is maximized.
    bool ChildMaximized() const { return childMaximized_; }
    // The engine of the application's main form, when it has one and it is not
    // this one.
    TskFormSkinEngine* MainFormEngine() const;
    // The engine of the main form's maximized child: the active child when it
    // is maximized, else the first maximized one in the system's order.
    static TskFormSkinEngine* FindMaximizedChild();
    // The space the main form's client window takes: its client area less the
    // visible aligned controls, in its client coordinates.
    static gui::TRect ClientArea();
    // The size the children have to live in.
    static gui::TSize ChildSpace();
    // Sends a message to the application's main form, when it has a window.
    void SendToMainForm(UINT message) const;

    // ---- Messages ----
    // The parent's first show: its handler goes in front of the client window's.
    void HookClient();
    void UnhookClient() { clientHook_.reset(); }
    // Maximized children fill the client area anew; minimized ones park anew.
    void RefitChildren();
    // The messages between the engines of the parent and its children.
    void ChildRefit();
    void ChildWasMaximized();
    void ChildWasRestored();
    // WM_MDIACTIVATE of this child: while another child is maximized, this one
    // takes the maximized state over, or ends it when it cannot be maximized.
    void ChildActivated();
    // WM_MOUSEACTIVATE: a child the main form has active looks active at once.
    void MouseActivate();
    // A child leaves its parent: window list, maximized state.
    void Leave();

    // ---- The window list ----
    void AddWindowListItem();
    void RemoveWindowListItem();
    void RenameWindowListItem();
    void CheckWindowListItems(bool active);
    void ComponentRemoved(gui::TComponent* component);

private:
    void ClientWndProc(gui::TMessage& message);
    void PaintClientBackground(HWND client, HDC dc);

    TskEngineParts& parts_;
    bool active_ = false;
    bool childMaximized_ = false;
    // An activated child is taking the maximized state over from another.
    bool takingOverMaximized_ = false;
    // A parent: the engine's handler in front of the client window's procedure,
    // put there once, when the form first shows.
    std::unique_ptr<gui::TWndProcHook> clientHook_;
    // A child: its item in the parent's window list, while it shows.
    gui::TMenuItem* windowListItem_ = nullptr;
};

}  // namespace sk

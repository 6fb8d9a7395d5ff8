// A control's window procedure as a chain: the control's own WndProc at the
// bottom and, above it, handlers that other components put in front of it (a form
// skinning engine, a tray icon). Every message of the control, from its window or
// by Perform, enters at the top; each handler answers it or passes it on with
// CallNext. Handlers can be added and removed in any order without breaking the
// chain for the others.
#pragma once

#include <functional>
#include <vector>

#include "gui/message.h"

namespace gui {

using TWndMethod = std::function<void(TMessage&)>;

class TWndProcHook;

class TWndProcChain {
public:
    explicit TWndProcChain(TWndMethod bottom) : bottom_(std::move(bottom)) {}
    ~TWndProcChain();  // hooks still in place are let go: their CallNext does nothing
    TWndProcChain(const TWndProcChain&) = delete;
    TWndProcChain& operator=(const TWndProcChain&) = delete;

    void Dispatch(TMessage& message);
    bool Hooked() const { return !hooks_.empty(); }
    // Called when the first handler comes and when the last one goes: an owner
    // that has to catch a foreign window's messages for its handlers does so
    // only while there are some.
    std::function<void()> OnHookedChanged;

private:
    friend class TWndProcHook;
    void CallBelow(const TWndProcHook* hook, TMessage& message);

    TWndMethod bottom_;
    std::vector<TWndProcHook*> hooks_;  // the oldest first
};

class TWndProcHook {
public:
    // Puts the handler on top of the chain until this hook is destroyed.
    TWndProcHook(TWndProcChain& chain, TWndMethod handler);
    ~TWndProcHook();
    TWndProcHook(const TWndProcHook&) = delete;
    TWndProcHook& operator=(const TWndProcHook&) = delete;

    // Passes a message on to the handlers below this one and finally the
    // control's own WndProc. A hook already taken out of its chain passes the
    // message straight to the control.
    void CallNext(TMessage& message);

private:
    friend class TWndProcChain;
    TWndProcChain* chain_;
    TWndMethod handler_;
};

}  // namespace gui

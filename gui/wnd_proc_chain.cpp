#include "gui/wnd_proc_chain.h"

#include <algorithm>

namespace gui {

TWndProcChain::~TWndProcChain()
{
    for (TWndProcHook* hook : hooks_)
        hook->chain_ = nullptr;
}

void TWndProcChain::Dispatch(TMessage& message)
{
    if (hooks_.empty())
        bottom_(message);
    else
        hooks_.back()->handler_(message);
}

void TWndProcChain::CallBelow(const TWndProcHook* hook, TMessage& message)
{
    // Looked up at every call: handlers may come and go while a message is on
    // its way down.
    const auto it = std::find(hooks_.begin(), hooks_.end(), hook);
    if (it == hooks_.end() || it == hooks_.begin())
        bottom_(message);
    else
        (*(it - 1))->handler_(message);
}

TWndProcHook::TWndProcHook(TWndProcChain& chain, TWndMethod handler) : chain_(&chain), handler_(std::move(handler))
{
    chain.hooks_.push_back(this);
    if (chain.hooks_.size() == 1 && chain.OnHookedChanged)
        chain.OnHookedChanged();
}

TWndProcHook::~TWndProcHook()
{
    if (chain_) {
        auto& hooks = chain_->hooks_;
        hooks.erase(std::remove(hooks.begin(), hooks.end(), this), hooks.end());
        if (hooks.empty() && chain_->OnHookedChanged)
            chain_->OnHookedChanged();
    }
}

void TWndProcHook::CallNext(TMessage& message)
{
    if (chain_)
        chain_->CallBelow(this, message);
}

}  // namespace gui

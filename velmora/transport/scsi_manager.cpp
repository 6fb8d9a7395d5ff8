#include "transport/scsi_manager.h"

#include <string>

namespace velmora {

ScsiManager::ScsiManager(SystemCalls& calls) : calls_(calls), emulation_(calls) {}

ScsiManager::~ScsiManager() { Release(); }

HMODULE ScsiManager::LoadAspiLibrary()
{
    static const char kLibrary[] = "wnaspi32.dll";
    if (HMODULE module = calls_.LoadLibraryA(kLibrary))
        return module;

    char folder[MAX_PATH + 1] = {};
    UINT length = calls_.GetSystemDirectoryA(folder, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        std::string path = std::string(folder, length) + "\\" + kLibrary;
        if (HMODULE module = calls_.LoadLibraryA(path.c_str()))
            return module;
    }
    length = calls_.GetWindowsDirectoryA(folder, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        std::string path = std::string(folder, length) + "\\" + kLibrary;
        if (HMODULE module = calls_.LoadLibraryA(path.c_str()))
            return module;
    }
    return nullptr;
}

bool ScsiManager::Load()
{
    if (bound_)
        return true;
    if (HMODULE module = LoadAspiLibrary()) {
        auto info = reinterpret_cast<GetASPI32SupportInfoFn>(
            reinterpret_cast<void*>(calls_.GetProcAddress(module, "GetASPI32SupportInfo")));
        auto send = reinterpret_cast<SendASPI32CommandFn>(
            reinterpret_cast<void*>(calls_.GetProcAddress(module, "SendASPI32Command")));
        if (!info || !send) {
            // A library without both entry points is not ASPI; the emulation is
            // not a fall-back for a broken installation.
            calls_.FreeLibrary(module);
            return false;
        }
        library_ = module;
        supportInfo_ = info;
        sendCommand_ = send;
        bound_ = true;
        emulated_ = false;
        return true;
    }
    if (emulation_.BuildLetterMap() > 0) {
        bound_ = true;
        emulated_ = true;
        return true;
    }
    return false;
}

DWORD ScsiManager::SupportInfo()
{
    if (!bound_)
        return DWORD(SS_NO_ADAPTERS) << 8;
    return emulated_ ? emulation_.SupportInfo() : supportInfo_();
}

DWORD ScsiManager::SendSrb(void* srb)
{
    if (!bound_)
        return SS_ERR;
    return emulated_ ? emulation_.SendSrb(srb) : sendCommand_(srb);
}

void ScsiManager::Abandon(std::unique_ptr<PendingBlock> block)
{
    std::lock_guard<std::mutex> guard(abandonedLock_);
    abandoned_.push_back(std::move(block));
    ReapAbandoned();
}

size_t ScsiManager::AbandonedCount()
{
    std::lock_guard<std::mutex> guard(abandonedLock_);
    ReapAbandoned();
    return abandoned_.size();
}

void ScsiManager::ReapAbandoned()
{
    for (auto it = abandoned_.begin(); it != abandoned_.end();) {
        if ((*it)->Status() != SS_PENDING)
            it = abandoned_.erase(it);
        else
            ++it;
    }
}

void ScsiManager::Release()
{
    bool stillPending = false;
    {
        std::lock_guard<std::mutex> guard(abandonedLock_);
        ReapAbandoned();
        stillPending = !abandoned_.empty();
        if (stillPending) {
            // The layer may still write into these blocks; they must outlive it, so
            // neither they nor the library go away.
            for (auto& block : abandoned_)
                block.release();
            abandoned_.clear();
        }
    }
    if (library_ && !stillPending)
        calls_.FreeLibrary(library_);
    library_ = nullptr;
    supportInfo_ = nullptr;
    sendCommand_ = nullptr;
    if (emulated_)
        emulation_.Release();
    bound_ = false;
    emulated_ = false;
}

}  // namespace velmora

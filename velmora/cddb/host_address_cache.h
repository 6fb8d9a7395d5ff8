// The addresses of host names resolved so far, shared by every lookup in the process
// (so a later lookup does not wait for the name service again), behind a lock since
// connect threads of different lookups may use it at once.
#pragma once

#include <map>
#include <mutex>
#include <string>

namespace velmora {

class HostAddressCache {
public:
    // The dotted-decimal address last stored for the host; false when there is none.
    bool Find(const std::string& host, std::string& address) const;
    // Adds the host's address or replaces the one stored.
    void Store(const std::string& host, const std::string& address);

    // The process's one cache: made when the library loads, emptied when it unloads.
    static HostAddressCache& Instance();

private:
    mutable std::mutex lock_;
    std::map<std::string, std::string> addresses_;
};

}  // namespace velmora

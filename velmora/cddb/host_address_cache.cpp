#include "cddb/host_address_cache.h"

namespace velmora {
namespace {

HostAddressCache theCache;

}  // namespace

bool HostAddressCache::Find(const std::string& host, std::string& address) const
{
    std::lock_guard<std::mutex> guard(lock_);
    const auto found = addresses_.find(host);
    if (found == addresses_.end())
        return false;
    address = found->second;
    return true;
}

void HostAddressCache::Store(const std::string& host, const std::string& address)
{
    std::lock_guard<std::mutex> guard(lock_);
    addresses_[host] = address;
}

HostAddressCache& HostAddressCache::Instance()
{
    return theCache;
}

}  // namespace velmora

#include "cddb/host_resolver.h"

#include <ws2tcpip.h>

#include "cddb/host_address_cache.h"

namespace velmora {
namespace {

bool ParseDotted(const std::string& text, in_addr& address)
{
    return inet_pton(AF_INET, text.c_str(), &address) == 1;
}

}  // namespace

bool ResolveHost(const std::string& host, in_addr& address)
{
    if (ParseDotted(host, address))
        return true;
    HostAddressCache& cache = HostAddressCache::Instance();
    std::string cached;
    if (cache.Find(host, cached) && ParseDotted(cached, address))
        return true;

    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || !found)
        return false;
    address = reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr;
    freeaddrinfo(found);

    char dotted[INET_ADDRSTRLEN] = {};
    if (inet_ntop(AF_INET, &address, dotted, sizeof dotted))
        cache.Store(host, dotted);
    return true;
}

}  // namespace velmora

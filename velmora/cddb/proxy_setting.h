// The HTTP proxy named by the system's internet settings.
#pragma once

#include <cstdint>
#include <string>

namespace velmora {

struct ProxySetting {
    bool use = false;
    std::string host;
    uint16_t port = 0;
};

// Reads the system's proxy setting. When the settings cannot be read, shows the
// system's text for the error in a message box and uses no proxy.
ProxySetting QueryProxySetting();

// Splits a proxy text at its first ":" into the host and the decimal port after it.
// A text without a port gets port 80.
ProxySetting ParseProxyText(const std::string& text);

}  // namespace velmora

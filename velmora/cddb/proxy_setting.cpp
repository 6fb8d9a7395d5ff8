#include "cddb/proxy_setting.h"

#include <windows.h>
#include <wininet.h>

#include <cctype>

#include "win/system_message.h"

namespace velmora {
namespace {

constexpr DWORD kProxyInfoBufferSize = 4108;
constexpr uint16_t kDefaultHttpPort = 80;

// The system's text for the thread's last error, without its closing period and
// line end.
std::string LastErrorText()
{
    std::string result = win::SystemMessageAnsi(GetLastError());
    result.erase(result.size() >= 3 ? result.size() - 3 : 0);
    return result;
}

}  // namespace

ProxySetting ParseProxyText(const std::string& text)
{
    ProxySetting proxy;
    proxy.use = true;
    const size_t colon = text.find(':');
    proxy.host = text.substr(0, colon);
    proxy.port = kDefaultHttpPort;
    if (colon == std::string::npos)
        return proxy;
    // The decimal digits directly after the colon; what follows them (another
    // protocol's entry) is not read. A missing or out-of-range number keeps port 80.
    unsigned long port = 0;
    size_t at = colon + 1;
    for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])); ++at) {
        port = port * 10 + static_cast<unsigned long>(text[at] - '0');
        if (port > 65535)
            break;
    }
    if (at > colon + 1 && port >= 1 && port <= 65535)
        proxy.port = static_cast<uint16_t>(port);
    return proxy;
}

ProxySetting QueryProxySetting()
{
    alignas(INTERNET_PROXY_INFO) char buffer[kProxyInfoBufferSize] = {};
    DWORD size = sizeof buffer;
    if (!InternetQueryOptionA(nullptr, INTERNET_OPTION_PROXY, buffer, &size)) {
        MessageBoxA(nullptr, LastErrorText().c_str(), nullptr, MB_OK);
        return ProxySetting();
    }
    const auto* info = reinterpret_cast<const INTERNET_PROXY_INFO*>(buffer);
    if (info->dwAccessType != INTERNET_OPEN_TYPE_PROXY || !info->lpszProxy)
        return ProxySetting();
    return ParseProxyText(reinterpret_cast<const char*>(info->lpszProxy));
}

}  // namespace velmora

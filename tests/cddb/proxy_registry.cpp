#include "proxy_registry.h"

#include <windows.h>

namespace cddbtest {
namespace {

constexpr char kSettingsKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

HKEY OpenSettings()
{
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                    &key, nullptr);
    return key;
}

}  // namespace

ScopedProxySetting::ScopedProxySetting(const std::string& server)
{
    // The proxy named by the environment would stand in for a registry without one.
    SetEnvironmentVariableA("http_proxy", nullptr);
    SetEnvironmentVariableA("HTTP_PROXY", nullptr);
    HKEY key = OpenSettings();
    DWORD value = 0, size = sizeof value;
    hadEnable_ = RegQueryValueExA(key, "ProxyEnable", nullptr, nullptr,
                                  reinterpret_cast<BYTE*>(&value), &size) == ERROR_SUCCESS;
    enable_ = value;
    char text[1024] = {};
    size = sizeof text - 1;
    hadServer_ = RegQueryValueExA(key, "ProxyServer", nullptr, nullptr,
                                  reinterpret_cast<BYTE*>(text), &size) == ERROR_SUCCESS;
    server_ = text;
    RegCloseKey(key);
    Set(server);
}

ScopedProxySetting::~ScopedProxySetting()
{
    HKEY key = OpenSettings();
    if (hadEnable_) {
        DWORD value = enable_;
        RegSetValueExA(key, "ProxyEnable", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                       sizeof value);
    } else {
        RegDeleteValueA(key, "ProxyEnable");
    }
    if (hadServer_)
        RegSetValueExA(key, "ProxyServer", 0, REG_SZ, reinterpret_cast<const BYTE*>(server_.c_str()),
                       static_cast<DWORD>(server_.size() + 1));
    else
        RegDeleteValueA(key, "ProxyServer");
    RegCloseKey(key);
}

void ScopedProxySetting::Set(const std::string& server)
{
    HKEY key = OpenSettings();
    DWORD enable = server.empty() ? 0 : 1;
    RegSetValueExA(key, "ProxyEnable", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&enable),
                   sizeof enable);
    if (!server.empty())
        RegSetValueExA(key, "ProxyServer", 0, REG_SZ, reinterpret_cast<const BYTE*>(server.c_str()),
                       static_cast<DWORD>(server.size() + 1));
    RegCloseKey(key);
}

}  // namespace cddbtest

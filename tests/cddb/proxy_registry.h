// Points the system proxy setting (the current user's Internet Settings) at a proxy
// for one test and puts the earlier values back afterwards.
#pragma once

#include <string>

namespace cddbtest {

class ScopedProxySetting {
public:
    // `server` "host:port" with the proxy switched on; an empty text switches it off.
    explicit ScopedProxySetting(const std::string& server);
    ~ScopedProxySetting();
    ScopedProxySetting(const ScopedProxySetting&) = delete;
    ScopedProxySetting& operator=(const ScopedProxySetting&) = delete;

    void Set(const std::string& server);

private:
    bool hadEnable_ = false;
    unsigned long enable_ = 0;
    bool hadServer_ = false;
    std::string server_;
};

}  // namespace cddbtest

// Turning a host text into an IPv4 address: dotted-decimal as it stands, else from
// the process's cache of earlier look-ups, else from the system's resolver.
#pragma once

#include <winsock2.h>

#include <string>

namespace velmora {

// False when the name cannot be resolved. Windows Sockets must be started.
bool ResolveHost(const std::string& host, in_addr& address);

}  // namespace velmora

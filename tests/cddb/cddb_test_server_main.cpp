// Serves the fixture records of a folder as a CDDB server on 127.0.0.1 until it is
// stopped. Usage: cddb_test_server PORT FOLDER (port 0: any free one). Prints the
// port it listens on, alone on a line.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "cddb_test_server.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: cddb_test_server PORT FIXTURE-FOLDER\n");
        return 2;
    }
    const long port = std::strtol(argv[1], nullptr, 10);
    if (port < 0 || port > 65535) {
        std::fprintf(stderr, "cddb_test_server: bad port %s\n", argv[1]);
        return 2;
    }
    cddbtest::CDDBTestServer server;
    const size_t records = server.LoadFixtures(argv[2]);
    if (records == 0)
        std::fprintf(stderr, "cddb_test_server: no records in %s\n", argv[2]);
    if (!server.Start(static_cast<uint16_t>(port))) {
        std::fprintf(stderr, "cddb_test_server: cannot listen on port %ld\n", port);
        return 1;
    }
    std::printf("%u\n", static_cast<unsigned>(server.Port()));
    std::fflush(stdout);
    for (;;)
        Sleep(INFINITE);
}

// A small CDDB server over HTTP/1.0 on 127.0.0.1 for the tests and the demo run: it
// answers "cddb query" and "cddb read" from fixture records and misbehaves on demand.
// Clients reach it through the system proxy setting, so it serves any request path.
#pragma once

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "win/unique_socket.h"

namespace cddbtest {

enum class Behaviour {
    Normal,
    NotHttp,         // a status line that is not HTTP
    NotFound,        // HTTP status 404
    NoMatch,         // CDDB code 202
    ExactList,       // a query answered 210 and the list, however many records match
    UnknownCode,     // CDDB code 403
    CloseBeforeEnd,  // the list or record without its final ".", then a clean close
    Silent,          // reads the request and never answers
    Raw,             // the raw bytes given, then a clean close
    Drip,            // the normal answer a byte at a time, 20 ms apart, while the client listens
};

struct Record {
    std::string category;
    std::string discId;
    std::string text;  // lines ended by LF
    Behaviour readBehaviour = Behaviour::Normal;
};

class CDDBTestServer {
public:
    CDDBTestServer();
    ~CDDBTestServer();
    CDDBTestServer(const CDDBTestServer&) = delete;
    CDDBTestServer& operator=(const CDDBTestServer&) = delete;

    // Listens on 127.0.0.1 (port 0: one the system chooses) and serves on a thread.
    bool Start(uint16_t port = 0);
    void Stop();
    uint16_t Port() const { return port_; }

    void AddRecord(const Record& record);
    // Reads <folder>\<category>\<disc id> files; returns how many were taken.
    size_t LoadFixtures(const std::string& folder);

    // How every request is answered, unless a disc or a record says otherwise.
    void SetBehaviour(Behaviour behaviour, const std::string& raw = std::string());
    // How requests (query and reads) about one disc id are answered.
    void SetDiscBehaviour(const std::string& discId, Behaviour behaviour);

    // The request bytes received, in order.
    std::vector<std::string> Requests() const;
    // Connections that ended without sending a request.
    int EmptyConnections() const { return emptyConnections_; }
    // Bytes of Drip answers sent, and the bytes those answers have in all.
    size_t DrippedBytes() const { return drippedBytes_; }
    size_t DripAnswerBytes() const { return dripAnswerBytes_; }

private:
    void AcceptLoop();
    void Serve(win::UniqueSocket client);
    std::string Answer(const std::string& command, Behaviour& behaviour);
    std::string QueryAnswer(const std::string& discId, Behaviour behaviour);
    std::string ReadAnswer(const std::string& category, const std::string& discId,
                           Behaviour behaviour);

    win::WinsockSession winsock_{MAKEWORD(2, 2)};
    win::UniqueSocket listener_;
    uint16_t port_ = 0;
    std::atomic<bool> stopping_{false};
    std::thread acceptThread_;

    mutable std::mutex lock_;
    std::vector<std::thread> connections_;
    std::vector<Record> records_;
    Behaviour behaviour_ = Behaviour::Normal;
    std::string raw_;
    std::map<std::string, Behaviour> discBehaviours_;
    std::vector<std::string> requests_;
    std::atomic<int> emptyConnections_{0};
    std::atomic<size_t> drippedBytes_{0};
    std::atomic<size_t> dripAnswerBytes_{0};
};

// A query's text as the server decodes it from a request ("+" as a blank, %XX).
std::string CommandOfRequest(const std::string& request);

}  // namespace cddbtest

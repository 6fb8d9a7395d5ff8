#include "cddb_test_server.h"

#include <ws2tcpip.h>

#include <fstream>
#include <sstream>

#include "loopback.h"

namespace cddbtest {
namespace {

constexpr size_t kMaxRequestBytes = 64 * 1024;
constexpr char kHttpOk[] = "HTTP/1.0 200 OK\r\nServer: cddb-test\r\nContent-Type: text/plain\r\n\r\n";

bool Readable(SOCKET socket, long ms)
{
    return SocketReady(socket, false, ms);
}

std::vector<std::string> Words(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

std::string WithCrLf(const std::string& text)
{
    std::string out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out += line + "\r\n";
    return out;
}

std::string DiscTitle(const std::string& text)
{
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (line.compare(0, 7, "DTITLE=") == 0)
            return line.substr(7);
    return std::string();
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string CommandOfRequest(const std::string& request)
{
    const size_t cmd = request.find("cmd=");
    if (cmd == std::string::npos)
        return std::string();
    std::string command;
    for (size_t at = cmd + 4; at < request.size(); ++at) {
        const char c = request[at];
        if (c == '&' || c == ' ' || c == '\n' || c == '\r')
            break;
        if (c == '+') {
            command += ' ';
        } else if (c == '%' && at + 2 < request.size() && HexValue(request[at + 1]) >= 0 &&
                   HexValue(request[at + 2]) >= 0) {
            command += static_cast<char>(HexValue(request[at + 1]) * 16 + HexValue(request[at + 2]));
            at += 2;
        } else {
            command += c;
        }
    }
    return command;
}

CDDBTestServer::CDDBTestServer() = default;

CDDBTestServer::~CDDBTestServer()
{
    Stop();
}

bool CDDBTestServer::Start(uint16_t port)
{
    if (!winsock_.Started())
        return false;
    listener_.Reset(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
    if (!listener_)
        return false;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (bind(listener_.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener_.Get(), SOMAXCONN) != 0)
        return false;
    int length = sizeof address;
    getsockname(listener_.Get(), reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    stopping_ = false;
    acceptThread_ = std::thread(&CDDBTestServer::AcceptLoop, this);
    return true;
}

void CDDBTestServer::Stop()
{
    stopping_ = true;
    if (acceptThread_.joinable())
        acceptThread_.join();
    std::vector<std::thread> connections;
    {
        std::lock_guard<std::mutex> guard(lock_);
        connections.swap(connections_);
    }
    for (auto& connection : connections)
        connection.join();
    listener_.Reset();
}

void CDDBTestServer::AddRecord(const Record& record)
{
    std::lock_guard<std::mutex> guard(lock_);
    records_.push_back(record);
}

size_t CDDBTestServer::LoadFixtures(const std::string& folder)
{
    size_t taken = 0;
    WIN32_FIND_DATAA category;
    HANDLE categories = FindFirstFileA((folder + "\\*").c_str(), &category);
    if (categories == INVALID_HANDLE_VALUE)
        return 0;
    do {
        if (!(category.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || category.cFileName[0] == '.')
            continue;
        const std::string categoryFolder = folder + "\\" + category.cFileName;
        WIN32_FIND_DATAA entry;
        HANDLE entries = FindFirstFileA((categoryFolder + "\\*").c_str(), &entry);
        if (entries == INVALID_HANDLE_VALUE)
            continue;
        do {
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                continue;
            std::ifstream in(categoryFolder + "\\" + entry.cFileName, std::ios::binary);
            std::ostringstream text;
            text << in.rdbuf();
            AddRecord({category.cFileName, entry.cFileName, text.str()});
            ++taken;
        } while (FindNextFileA(entries, &entry));
        FindClose(entries);
    } while (FindNextFileA(categories, &category));
    FindClose(categories);
    return taken;
}

void CDDBTestServer::SetBehaviour(Behaviour behaviour, const std::string& raw)
{
    std::lock_guard<std::mutex> guard(lock_);
    behaviour_ = behaviour;
    raw_ = raw;
}

void CDDBTestServer::SetDiscBehaviour(const std::string& discId, Behaviour behaviour)
{
    std::lock_guard<std::mutex> guard(lock_);
    discBehaviours_[discId] = behaviour;
}

std::vector<std::string> CDDBTestServer::Requests() const
{
    std::lock_guard<std::mutex> guard(lock_);
    return requests_;
}

void CDDBTestServer::AcceptLoop()
{
    while (!stopping_) {
        if (!Readable(listener_.Get(), 50))
            continue;
        win::UniqueSocket client(accept(listener_.Get(), nullptr, nullptr));
        if (!client)
            continue;
        std::lock_guard<std::mutex> guard(lock_);
        connections_.emplace_back(
            [this](SOCKET s) { Serve(win::UniqueSocket(s)); }, client.Release());
    }
}

void CDDBTestServer::Serve(win::UniqueSocket client)
{
    std::string request;
    char buffer[4096];
    while (!stopping_ && request.find("\n\n") == std::string::npos &&
           request.find("\r\n\r\n") == std::string::npos && request.size() < kMaxRequestBytes) {
        if (!Readable(client.Get(), 50))
            continue;
        const int got = recv(client.Get(), buffer, sizeof buffer, 0);
        if (got <= 0)
            break;
        request.append(buffer, static_cast<size_t>(got));
    }
    if (request.empty()) {
        ++emptyConnections_;
        return;
    }
    {
        std::lock_guard<std::mutex> guard(lock_);
        requests_.push_back(request);
    }

    Behaviour behaviour = Behaviour::Normal;
    const std::string answer = Answer(CommandOfRequest(request), behaviour);
    if (behaviour == Behaviour::Silent) {
        // Hold the connection until the client gives up on it.
        while (!stopping_) {
            if (Readable(client.Get(), 50) && recv(client.Get(), buffer, sizeof buffer, 0) <= 0)
                break;
        }
        return;
    }
    if (behaviour == Behaviour::Drip) {
        // Never silent for long, never done soon: only the client's own limit ends it.
        dripAnswerBytes_ += answer.size();
        for (char byte : answer) {
            if (stopping_ || !SendWhileTaken(client.Get(), std::string(1, byte)))
                break;
            ++drippedBytes_;
            if (Readable(client.Get(), 20) && recv(client.Get(), buffer, sizeof buffer, 0) <= 0)
                break;  // the client has gone
        }
    } else {
        SendWhileTaken(client.Get(), answer);  // a client that gives up stops it
    }
    // A clean close: our side first, then wait for the client to close its side.
    shutdown(client.Get(), SD_SEND);
    for (int i = 0; i < 100 && !stopping_; ++i) {
        if (Readable(client.Get(), 50) && recv(client.Get(), buffer, sizeof buffer, 0) <= 0)
            break;
    }
}

std::string CDDBTestServer::Answer(const std::string& command, Behaviour& behaviour)
{
    const std::vector<std::string> words = Words(command);
    const bool query = words.size() >= 3 && words[0] == "cddb" && words[1] == "query";
    const bool read = words.size() >= 4 && words[0] == "cddb" && words[1] == "read";
    const std::string discId = query ? words[2] : read ? words[3] : std::string();
    std::string raw;
    {
        std::lock_guard<std::mutex> guard(lock_);
        behaviour = behaviour_;
        raw = raw_;
        const auto disc = discBehaviours_.find(discId);
        if (disc != discBehaviours_.end())
            behaviour = disc->second;
        if (read && behaviour == Behaviour::Normal) {
            for (const Record& record : records_)
                if (record.category == words[2] && record.discId == discId)
                    behaviour = record.readBehaviour;
        }
    }
    switch (behaviour) {
    case Behaviour::NotHttp:
        return "CDDBP/1.0 200 OK\r\n\r\n200 misc " + discId + " Not over HTTP\r\n";
    case Behaviour::NotFound:
        return "HTTP/1.0 404 Not Found\r\nContent-Type: text/html\r\n\r\n<h1>Not Found</h1>\r\n";
    case Behaviour::NoMatch:
        return std::string(kHttpOk) + "202 No match for disc ID " + discId + ".\r\n";
    case Behaviour::UnknownCode:
        return std::string(kHttpOk) + "403 Database entry is corrupt.\r\n";
    case Behaviour::Raw:
        return raw;
    case Behaviour::Silent:
        return std::string();
    default:
        break;
    }
    if (query)
        return QueryAnswer(discId, behaviour);
    if (read)
        return ReadAnswer(words[2], discId, behaviour);
    return std::string(kHttpOk) + "500 Unrecognized command.\r\n";
}

std::string CDDBTestServer::QueryAnswer(const std::string& discId, Behaviour behaviour)
{
    std::vector<std::string> lines;
    {
        std::lock_guard<std::mutex> guard(lock_);
        for (const Record& record : records_)
            if (record.discId == discId)
                lines.push_back(record.category + " " + record.discId + " " + DiscTitle(record.text));
    }
    std::string answer = kHttpOk;
    if (lines.empty())
        return answer + "202 No match for disc ID " + discId + ".\r\n";
    if (lines.size() == 1 && behaviour != Behaviour::ExactList)
        return answer + "200 " + lines[0] + "\r\n";
    answer += behaviour == Behaviour::ExactList
                  ? "210 Found exact matches, list follows (until terminating `.')\r\n"
                  : "211 Found inexact matches, list follows (until terminating `.')\r\n";
    for (const std::string& line : lines)
        answer += line + "\r\n";
    if (behaviour != Behaviour::CloseBeforeEnd)
        answer += ".\r\n";
    return answer;
}

std::string CDDBTestServer::ReadAnswer(const std::string& category, const std::string& discId,
                                       Behaviour behaviour)
{
    std::string text;
    bool found = false;
    {
        std::lock_guard<std::mutex> guard(lock_);
        for (const Record& record : records_)
            if (record.category == category && record.discId == discId) {
                text = record.text;
                found = true;
                break;
            }
    }
    std::string answer = kHttpOk;
    if (!found)
        return answer + "401 " + category + " " + discId + " No such CD entry in database.\r\n";
    answer += "210 " + category + " " + discId + " CD database entry follows (until terminating `.')\r\n";
    answer += WithCrLf(text);
    if (behaviour != Behaviour::CloseBeforeEnd)
        answer += ".\r\n";
    return answer;
}

}  // namespace cddbtest

#include "cddb/cddb_response.h"

#include <cstdlib>

#include "cddb/ansi_text.h"
#include "cddb/cddb_errors.h"

namespace velmora {
namespace {

void TrimLeft(std::string& text)
{
    text.erase(0, text.find_first_not_of(' '));
}

void Trim(std::string& text)
{
    TrimLeft(text);
    text.erase(text.find_last_not_of(' ') + 1);
}

// Reads one line; on failure gives the error text for the reader's result.
bool NextLine(const LineSource& nextLine, std::string& line, std::wstring& error)
{
    line.clear();
    const int result = nextLine(line);
    if (result == 0)
        return true;
    error = result == -2 ? kErrReceiveTimedOut : kErrReceiveFailed;
    return false;
}

CDDBMatch MatchFromLine(std::string line)
{
    TrimLeft(line);
    CDDBMatch match;
    match.category = TakeFirstWord(line);
    match.discId = TakeFirstWord(line);
    match.description = line;
    return match;
}

// The integer value of the first three characters, as atoi reads them.
int CddbCode(const std::string& line)
{
    return static_cast<int>(std::strtol(line.substr(0, 3).c_str(), nullptr, 10));
}

std::wstring ReadMatchList(const LineSource& nextLine, std::vector<CDDBMatch>& matches)
{
    std::wstring error;
    std::string line;
    size_t taken = 0;
    auto take = [&](const std::string& matchLine) {
        if (taken++ < kMaxMatches)
            matches.push_back(MatchFromLine(matchLine));
    };
    // The first line after the code is a match whatever it holds.
    if (!NextLine(nextLine, line, error))
        return error;
    take(line);
    for (;;) {
        if (!NextLine(nextLine, line, error))
            return error;
        TrimLeft(line);
        if (!line.empty() && line[0] == '.')
            return std::wstring();
        take(line);
    }
}

std::wstring ReadRecord(const LineSource& nextLine, std::wstring& recordText)
{
    std::wstring error;
    std::string line;
    std::string text;
    if (!NextLine(nextLine, line, error))
        return error;
    text += line + "\n";
    for (;;) {
        if (!NextLine(nextLine, line, error))
            return error;
        if (!line.empty() && line[0] == '.')
            break;
        text += line + "\n";
    }
    recordText = AnswerTextToWide(text);
    return std::wstring();
}

}  // namespace

std::string TakeFirstWord(std::string& line)
{
    const size_t blank = line.find(' ');
    std::string word;
    if (blank == std::string::npos) {
        word.swap(line);
        return word;
    }
    word = line.substr(0, blank);
    line.erase(0, blank + 1);
    Trim(line);
    return word;
}

std::wstring ParseCDDBAnswer(const LineSource& nextLine, CDDBRequestMode mode,
                             std::vector<CDDBMatch>& matches, std::wstring& recordText)
{
    std::wstring error;
    std::string line;
    if (!NextLine(nextLine, line, error))
        return error;
    if (line.compare(0, 4, "HTTP") != 0)
        return kErrNotHttp;
    if (line.size() <= 9 || line.compare(9, 3, "200") != 0)
        return kErrHttpStatus;

    do {  // the headers, through the empty line that ends them
        if (!NextLine(nextLine, line, error))
            return error;
    } while (!line.empty());

    if (!NextLine(nextLine, line, error))
        return error;
    switch (CddbCode(line)) {
    case 200:
        // A single exact match. As the answer to a read it carries no record: the
        // read succeeds with an empty record rather than adding a match to the list
        // being read, which a server answering every read so would make endless.
        if (mode == CDDBRequestMode::Query)
            matches.push_back(MatchFromLine(line.substr(3)));
        return std::wstring();
    case 202:
        return kErrNoMatch;
    case 210:
    case 211:
        if (mode == CDDBRequestMode::Query)
            return ReadMatchList(nextLine, matches);
        return ReadRecord(nextLine, recordText);
    default:
        return kErrUnknownCode;
    }
}

}  // namespace velmora

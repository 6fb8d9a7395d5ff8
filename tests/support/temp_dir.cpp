#include "support/temp_dir.h"

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace testsupport {
namespace {

// Works on "\\?\" names, so that folders deeper than MAX_PATH and names Windows
// would change (a final dot) go too.
void RemoveTree(const std::wstring& path)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring child = path + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(child.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(path.c_str());
}

}  // namespace

TempDir::TempDir()
{
    static std::atomic<int> serial{0};
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    for (;;) {
        char name[MAX_PATH + 64];
        std::snprintf(name, sizeof name, "%svelmora-test-%lu-%d", base, GetCurrentProcessId(),
                      serial++);
        if (CreateDirectoryA(name, nullptr)) {
            path_ = name;
            break;
        }
    }
}

TempDir::~TempDir()
{
    wchar_t wide[MAX_PATH + 64] = {};
    MultiByteToWideChar(CP_ACP, 0, path_.c_str(), -1, wide, MAX_PATH + 63);
    RemoveTree(std::wstring(L"\\\\?\\") + wide);
}

std::string ReadFileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFileText(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

std::string MissingDrive()
{
    for (char letter = 'Q'; letter <= 'Y'; ++letter) {
        const std::string root = std::string(1, letter) + ":\\";
        if (::GetDriveTypeA(root.c_str()) == DRIVE_NO_ROOT_DIR)
            return std::string(1, letter) + ":";
    }
    return "Q:";
}

}  // namespace testsupport

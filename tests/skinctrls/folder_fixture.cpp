#include "folder_fixture.h"

#include <windows.h>

#include "gui/controls/screen.h"
#include "skinctrls/controls/skin_std_label.h"
#include "skinctrls/dialogs/skin_message.h"

namespace foldertest {

namespace {

// Paths beyond MAX_PATH need the long form.
std::wstring Long(const std::wstring& path) { return L"\\\\?\\" + path; }

void RemoveAll(const std::wstring& folder)
{
    WIN32_FIND_DATAW entry;
    HANDLE found = ::FindFirstFileW(Long(folder + L"\\*").c_str(), &entry);
    if (found != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring full = folder + L"\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveAll(full);
            else
                ::DeleteFileW(Long(full).c_str());
        } while (::FindNextFileW(found, &entry));
        ::FindClose(found);
    }
    ::RemoveDirectoryW(Long(folder).c_str());
}

std::vector<std::string> texts;
UINT_PTR timer = 0;

void CALLBACK AnswerBoxes(HWND, UINT, UINT_PTR, DWORD)
{
    for (int i = 0; i < gui::Screen().FormCount(); ++i)
        if (auto* box = dynamic_cast<sk::TskMessageForm*>(gui::Screen().Forms(i)))
            if (box->Visible() && box->ModalResult() == gui::mrNone) {
                texts.push_back(box->MessageLabel()->Caption());
                box->SetModalResult(gui::mrOk);
            }
}

}  // namespace

TempFolderTree::TempFolderTree()
{
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    std::string base = temp;
    if (!base.empty() && base.back() == '\\')
        base.pop_back();
    // The long form of the temporary folder, so that paths compare as the tree
    // builds them.
    char full[MAX_PATH] = {};
    if (::GetLongPathNameA(base.c_str(), full, MAX_PATH))
        base = full;
    root_ = base + "\\foldertest" + std::to_string(::GetCurrentProcessId()) + "_" + std::to_string(::GetTickCount());
    ::CreateDirectoryA(root_.c_str(), nullptr);
    const int size = ::MultiByteToWideChar(CP_ACP, 0, root_.c_str(), -1, nullptr, 0);
    wideRoot_.assign(size_t(size), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, root_.c_str(), -1, &wideRoot_[0], size);
    wideRoot_.pop_back();
}

TempFolderTree::~TempFolderTree() { RemoveAll(wideRoot_); }

bool TempFolderTree::MakeFolder(const std::wstring& relative)
{
    for (size_t at = relative.find(L'\\'); at != std::wstring::npos; at = relative.find(L'\\', at + 1))
        ::CreateDirectoryW(Long(wideRoot_ + L"\\" + relative.substr(0, at)).c_str(), nullptr);
    return ::CreateDirectoryW(Long(wideRoot_ + L"\\" + relative).c_str(), nullptr) != 0;
}

bool TempFolderTree::MakeFile(const std::wstring& relative)
{
    HANDLE file = ::CreateFileW(Long(wideRoot_ + L"\\" + relative).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    ::CloseHandle(file);
    return true;
}

MessageBoxWatcher::MessageBoxWatcher()
{
    texts.clear();
    timer = ::SetTimer(nullptr, 0, 30, &AnswerBoxes);
}

MessageBoxWatcher::~MessageBoxWatcher() { ::KillTimer(nullptr, timer); }

const std::vector<std::string>& MessageBoxWatcher::Texts() const { return texts; }

}  // namespace foldertest

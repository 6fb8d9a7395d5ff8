// Targets made absolute, the names the file functions take at any length, and the
// folders made for a target.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <utility>

#include "extract/directory_path.h"
#include "extract/target_path.h"
#include "support/temp_dir.h"

using namespace velmora;
using testsupport::TempDir;

namespace {

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

bool IsFolder(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(FileSystemName(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

TEST(TargetPath, FoldersAreResolvedAndTheFilesNameKept)
{
    TempDir dir;
    const std::wstring base = Wide(dir.Path());
    const std::pair<std::wstring, std::wstring> targets[] = {
        // "/" separates as "\" does: blanks around folders and devices are seen per part.
        {base + L"/a/ b /c", base + L"\\a\\b\\c"},
        {base + L"/x/CON/y", base + L"\\x\\CON_\\y"},
        {base + L"/a/../b", base + L"\\b"},
        {base + L"\\sub. \\f", base + L"\\sub\\f"},
        // The file's name keeps what the extension makes part of it.
        {base + L"\\P.S.", base + L"\\P.S."},
        {base + L"\\Rock ", base + L"\\Rock "},
        {base + L"\\ lead", base + L"\\ lead"},
        // Folders only.
        {base + L"\\Music\\", base + L"\\Music\\"},
        {base + L"\\Music\\..", base + L"\\Music\\"},
        // Taken as they stand.
        {L"\\\\?\\C:\\x.\\y.", L"\\\\?\\C:\\x.\\y."},
    };
    for (const auto& target : targets)
        EXPECT_EQ(ResolveTarget(target.first), target.second);

    // A name the system cannot take is not handed to it.
    const std::wstring huge = base + L"\\" + std::wstring(kMaxSystemPath, L'a');
    EXPECT_EQ(ResolveTarget(huge), huge);
}

TEST(TargetPath, LongNamesTakeThePrefixFromMaxPathOnAndHaveALimit)
{
    auto name = [](size_t length) { return L"C:\\" + std::wstring(length - 3, L'n'); };
    EXPECT_EQ(FileSystemName(name(MAX_PATH - 1)), name(MAX_PATH - 1));
    EXPECT_EQ(FileSystemName(name(MAX_PATH)), L"\\\\?\\" + name(MAX_PATH));
    const std::wstring share = L"\\\\server\\share\\" + std::wstring(MAX_PATH, L's');
    EXPECT_EQ(FileSystemName(share), L"\\\\?\\UNC\\" + share.substr(2));
    EXPECT_EQ(FileSystemName(L"\\\\?\\" + name(MAX_PATH)), L"\\\\?\\" + name(MAX_PATH));

    // The limit counts the prefix.
    EXPECT_TRUE(WithinPathLimit(name(kMaxSystemPath - 4)));
    EXPECT_FALSE(WithinPathLimit(name(kMaxSystemPath - 3)));
    EXPECT_TRUE(WithinPathLimit(name(MAX_PATH - 1)));
}

TEST(DirectoryPath, MakesTheMissingLevelsOnlyUntilACancel)
{
    TempDir dir;
    const std::wstring base = Wide(dir.Path());
    std::wstring deep = base;
    for (int i = 0; i < 40; ++i)
        deep += L"\\level " + std::to_wstring(i);
    // Deeper than MAX_PATH, half of it there already.
    ASSERT_TRUE(CreateDirectoryW((base + L"\\level 0").c_str(), nullptr));
    CreateDirectoryPath(deep + L"\\");
    EXPECT_TRUE(IsFolder(deep));

    // A cancel before the first level makes nothing.
    const LONG cancelled = 1;
    CreateDirectoryPath(base + L"\\never\\below", &cancelled);
    EXPECT_FALSE(IsFolder(base + L"\\never"));

    // A file in the way ends it; so does a name the system would cut.
    ASSERT_TRUE(CloseHandle(CreateFileW((base + L"\\file").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr)));
    CreateDirectoryPath(base + L"\\file\\sub");
    EXPECT_FALSE(IsFolder(base + L"\\file\\sub"));
    CreateDirectoryPath(base + L"\\long\\" + std::wstring(kMaxSystemPath, L'x'));
    EXPECT_FALSE(IsFolder(base + L"\\long"));
}

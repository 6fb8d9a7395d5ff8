// Reading folders for the folder tree: only folders are listed, and every name
// listed leads back to the folder it stands for, whatever its name (long,
// dotted, outside the code page) and whatever text the caller passes.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "folder_fixture.h"
#include "skinctrls/folders/folder_scan.h"

namespace {

using foldertest::TempFolderTree;
using sk::DirectoryExists;
using sk::HasSubFolders;
using sk::SubFolders;

std::vector<std::string> Sorted(std::vector<std::string> names)
{
    std::sort(names.begin(), names.end());
    return names;
}

// The canonical long path of an existing folder.
std::string Canonical(const std::string& path)
{
    char full[MAX_PATH * 2] = {};
    const DWORD size = ::GetFullPathNameA(path.c_str(), sizeof(full), full, nullptr);
    std::string text(full, size < sizeof(full) ? size : 0);
    char longer[MAX_PATH * 2] = {};
    if (::GetLongPathNameA(text.c_str(), longer, sizeof(longer)))
        text = longer;
    while (!text.empty() && text.back() == '\\')
        text.pop_back();
    return text;
}

TEST(FolderScanTest, ListsFoldersOnlyWithOrWithoutTrailingBackslash)
{
    TempFolderTree tree;
    ASSERT_TRUE(tree.MakeFolder(L"one\\inner"));
    ASSERT_TRUE(tree.MakeFolder(L"two"));
    ASSERT_TRUE(tree.MakeFile(L"file.txt"));
    ASSERT_TRUE(tree.MakeFile(L"two\\only a file"));

    const std::vector<std::string> expected{"one", "two"};
    EXPECT_EQ(Sorted(SubFolders(tree.Root())), expected);
    EXPECT_EQ(Sorted(SubFolders(tree.Root() + "\\")), expected);
    EXPECT_TRUE(HasSubFolders(tree.Path("one")));
    EXPECT_FALSE(HasSubFolders(tree.Path("two")));  // a file is no subfolder
    EXPECT_FALSE(HasSubFolders(tree.Path("one\\inner")));

    EXPECT_TRUE(DirectoryExists(tree.Root()));
    EXPECT_TRUE(DirectoryExists(tree.Path("one\\inner\\")));
    EXPECT_FALSE(DirectoryExists(tree.Path("file.txt")));
    EXPECT_FALSE(DirectoryExists(tree.Path("missing")));
    EXPECT_TRUE(SubFolders(tree.Path("missing")).empty());
    EXPECT_TRUE(SubFolders(tree.Path("file.txt")).empty());
}

TEST(FolderScanTest, OddNamesLeadBackToTheirOwnFolderInsideTheTree)
{
    TempFolderTree tree;
    const std::wstring names[] = {
        L"a.b",
        L".starts with a dot",
        L"caf\u00e9",                      // in most code pages
        L"\u65e5\u672c\u8a9e",             // in few: shown by its short name or not at all
        L"\u0416\u0443\u043a \u0440\u0438\u043f",
        std::wstring(200, L'L'),
        L"semi;colon, comma+plus^caret",
        L"...",                            // the system cuts such names down
        L"trailing dot.",
        L"trailing blank ",
    };
    for (const std::wstring& name : names)
        if (tree.MakeFolder(name))
            tree.MakeFolder(name + L"\\own child");
    ASSERT_TRUE(tree.MakeFolder(L"zz\\other"));

    const std::string root = Canonical(tree.Root());
    const std::vector<std::string> listed = SubFolders(tree.Root());
    EXPECT_NE(std::find(listed.begin(), listed.end(), "a.b"), listed.end());
    EXPECT_NE(std::find(listed.begin(), listed.end(), std::string(200, 'L')), listed.end());
    for (const std::string& name : listed) {
        SCOPED_TRACE(name);
        const std::string path = tree.Path(name);
        EXPECT_EQ(name.find_first_of("?*"), std::string::npos);
        EXPECT_TRUE(DirectoryExists(path));
        // It names a folder inside the tree, not the tree or anything above it.
        const std::string full = Canonical(path);
        EXPECT_EQ(full.compare(0, root.size() + 1, root + "\\"), 0) << full;
        EXPECT_NE(full, root);
        const std::vector<std::string> children = SubFolders(path);
        if (name == "zz") {
            EXPECT_EQ(children, std::vector<std::string>{"other"});
        } else {
            EXPECT_EQ(children, std::vector<std::string>{"own child"});
        }
    }
}

TEST(FolderScanTest, PathsTooLongOrMalformedListNothingAndDoNotCrash)
{
    TempFolderTree tree;
    std::wstring deep;
    for (int i = 0; i < 6; ++i)
        deep += (i ? L"\\" : L"") + std::wstring(60, wchar_t(L'a' + i));
    ASSERT_TRUE(tree.MakeFolder(deep + L"\\leaf"));
    std::string deepPath = tree.Root();
    for (int i = 0; i < 6; ++i)
        deepPath += "\\" + std::string(60, char('a' + i));
    ASSERT_GT(deepPath.size(), size_t(MAX_PATH));
    EXPECT_TRUE(SubFolders(deepPath).empty());
    EXPECT_FALSE(HasSubFolders(deepPath));

    for (const std::string& odd : {std::string(), std::string("\\"), std::string("?"), std::string(":::"),
                                   std::string("*"), std::string(5000, 'x'), tree.Root() + "\\*",
                                   tree.Root() + "\\z?", std::string("\\\\?\\") + tree.Root()}) {
        SubFolders(odd);
        HasSubFolders(odd);
        DirectoryExists(odd);
    }
    // A wildcard in the folder's name matches nothing: the tree's own folders stay unlisted.
    EXPECT_TRUE(SubFolders(tree.Root() + "\\z?").empty());

    std::mt19937 random(1234);
    for (int round = 0; round < 200; ++round) {
        std::string text(random() % 300, '\0');
        for (char& c : text)
            c = char(1 + random() % 255);
        SubFolders(text);
        DirectoryExists(text);
    }
}

}  // namespace

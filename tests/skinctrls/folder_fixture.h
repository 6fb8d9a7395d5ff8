// A folder tree of the test's own under the temporary folder, removed with
// everything in it when the test ends; and a watcher that answers the skinned
// message boxes a test expects, remembering their texts.
#pragma once

#include <string>
#include <vector>

namespace foldertest {

class TempFolderTree {
public:
    TempFolderTree();
    ~TempFolderTree();
    TempFolderTree(const TempFolderTree&) = delete;
    TempFolderTree& operator=(const TempFolderTree&) = delete;

    // The root, without a trailing backslash, in the system's code page.
    const std::string& Root() const { return root_; }
    std::string Path(const std::string& relative) const { return root_ + "\\" + relative; }
    // Folders and files by paths relative to the root ("a\\b"), in UTF-16 so
    // that any name can be made; parents are made as needed. False when the
    // system refuses the name.
    bool MakeFolder(const std::wstring& relative);
    bool MakeFile(const std::wstring& relative);

private:
    std::string root_;
    std::wstring wideRoot_;
};

// Answers every skinned message box that shows while it lives with Enter, and
// keeps the boxes' texts in order.
class MessageBoxWatcher {
public:
    MessageBoxWatcher();
    ~MessageBoxWatcher();
    const std::vector<std::string>& Texts() const;
};

}  // namespace foldertest

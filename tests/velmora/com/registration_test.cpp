// Self-registration: the exact registry entries, and what unregistration leaves.
#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <string>

#include "support/event_sink.h"

using namespace testsupport;

namespace {

const wchar_t kClsid[] = L"{AA52A508-9901-49DB-9E53-13E18F395865}";
const wchar_t kLibid[] = L"{B02AF707-90F6-4CDB-9B3F-BB6334F3702F}";

// Every value below a key, as "path|name" -> data (name "@" for the default value).
void ReadTree(HKEY parent, const std::wstring& path, std::map<std::string, std::string>& out)
{
    HKEY key;
    if (::RegOpenKeyExW(parent, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    out[Narrow(path.c_str()) + "|"] = "(key)";
    for (DWORD i = 0;; ++i) {
        wchar_t name[256];
        DWORD nameLength = 256, type = 0;
        BYTE data[1024];
        DWORD dataLength = sizeof data;
        if (::RegEnumValueW(key, i, name, &nameLength, nullptr, &type, data, &dataLength) !=
            ERROR_SUCCESS)
            break;
        const std::string valueName = nameLength ? Narrow(name) : "@";
        out[Narrow(path.c_str()) + "|" + valueName] = Narrow(reinterpret_cast<wchar_t*>(data));
    }
    for (DWORD i = 0;; ++i) {
        wchar_t name[256];
        DWORD nameLength = 256;
        if (::RegEnumKeyExW(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        ReadTree(parent, path + L"\\" + name, out);
    }
    ::RegCloseKey(key);
}

bool KeyExists(const std::wstring& path)
{
    HKEY key;
    if (::RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(key);
    return true;
}

using ServerEntry = HRESULT(WINAPI*)();

ServerEntry Entry(HMODULE module, const char* name)
{
    return reinterpret_cast<ServerEntry>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

}  // namespace

TEST(Registration, WritesExactlyTheControlsEntriesAndRemovesThem)
{
    HMODULE module = ::LoadLibraryW(L"velmora.dll");
    ASSERT_NE(module, nullptr);
    wchar_t path[MAX_PATH];
    ::GetModuleFileNameW(module, path, MAX_PATH);
    const std::string modulePath = Narrow(path);

    ASSERT_EQ(Entry(module, "DllRegisterServer")(), S_OK);

    std::map<std::string, std::string> tree;
    ReadTree(HKEY_CLASSES_ROOT, std::wstring(L"CLSID\\") + kClsid, tree);
    const std::string c = "CLSID\\{AA52A508-9901-49DB-9E53-13E18F395865}";
    const std::map<std::string, std::string> expected = {
        {c + "|", "(key)"},
        {c + "|@", "CDRipper Class"},
        {c + "\\ProgID|", "(key)"},
        {c + "\\ProgID|@", "ORVEK.CDRipper.1"},
        {c + "\\VersionIndependentProgID|", "(key)"},
        {c + "\\VersionIndependentProgID|@", "ORVEK.CDRipper"},
        {c + "\\Programmable|", "(key)"},
        {c + "\\InprocServer32|", "(key)"},
        {c + "\\InprocServer32|@", modulePath},
        {c + "\\InprocServer32|ThreadingModel", "Apartment"},
        {c + "\\Control|", "(key)"},
        {c + "\\Insertable|", "(key)"},
        {c + "\\ToolboxBitmap32|", "(key)"},
        {c + "\\ToolboxBitmap32|@", modulePath + ", 101"},
        {c + "\\MiscStatus|", "(key)"},
        {c + "\\MiscStatus|@", "0"},
        {c + "\\MiscStatus\\1|", "(key)"},
        {c + "\\MiscStatus\\1|@", "132497"},
        {c + "\\TypeLib|", "(key)"},
        {c + "\\TypeLib|@", Narrow(kLibid)},
        {c + "\\Version|", "(key)"},
        {c + "\\Version|@", "1.0"},
    };
    EXPECT_EQ(tree, expected);

    std::map<std::string, std::string> progIds;
    ReadTree(HKEY_CLASSES_ROOT, L"ORVEK.CDRipper.1", progIds);
    ReadTree(HKEY_CLASSES_ROOT, L"ORVEK.CDRipper", progIds);
    const std::map<std::string, std::string> expectedProgIds = {
        {"ORVEK.CDRipper.1|", "(key)"},
        {"ORVEK.CDRipper.1|@", "CDRipper Class"},
        {"ORVEK.CDRipper.1\\CLSID|", "(key)"},
        {"ORVEK.CDRipper.1\\CLSID|@", Narrow(kClsid)},
        {"ORVEK.CDRipper|", "(key)"},
        {"ORVEK.CDRipper|@", "CDRipper Class"},
        {"ORVEK.CDRipper\\CLSID|", "(key)"},
        {"ORVEK.CDRipper\\CLSID|@", Narrow(kClsid)},
        {"ORVEK.CDRipper\\CurVer|", "(key)"},
        {"ORVEK.CDRipper\\CurVer|@", "ORVEK.CDRipper.1"},
    };
    EXPECT_EQ(progIds, expectedProgIds);
    EXPECT_TRUE(KeyExists(std::wstring(L"TypeLib\\") + kLibid));

    // The ProgID resolves through CurVer to the control's class.
    CLSID clsid{};
    EXPECT_EQ(::CLSIDFromProgID(L"ORVEK.CDRipper", &clsid), S_OK);
    wchar_t text[64];
    ::StringFromGUID2(clsid, text, 64);
    EXPECT_STREQ(text, kClsid);

    ASSERT_EQ(Entry(module, "DllUnregisterServer")(), S_OK);
    EXPECT_FALSE(KeyExists(L"ORVEK.CDRipper"));
    EXPECT_FALSE(KeyExists(L"ORVEK.CDRipper.1"));
    EXPECT_FALSE(KeyExists(std::wstring(L"CLSID\\") + kClsid));
    EXPECT_TRUE(KeyExists(L"CLSID"));
    EXPECT_FALSE(KeyExists(std::wstring(L"TypeLib\\") + kLibid));

    // Registration again restores everything (other tests rely on it).
    ASSERT_EQ(Entry(module, "DllRegisterServer")(), S_OK);
    EXPECT_TRUE(KeyExists(std::wstring(L"CLSID\\") + kClsid + L"\\InprocServer32"));

    // No class but the control's is served.
    auto getClassObject = reinterpret_cast<HRESULT(WINAPI*)(REFCLSID, REFIID, void**)>(
        reinterpret_cast<void*>(::GetProcAddress(module, "DllGetClassObject")));
    void* factory = nullptr;
    EXPECT_EQ(getClassObject(IID_IUnknown, IID_IClassFactory, &factory), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(Entry(module, "DllCanUnloadNow")(), S_OK);
    ::FreeLibrary(module);
}

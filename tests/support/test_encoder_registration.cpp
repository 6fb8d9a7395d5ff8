#include "support/test_encoder_server.h"

namespace testsupport {

namespace {

constexpr char kClassKey[] = "CLSID\\{6C0E7F52-3D1A-4B8E-9F27-5A4C2B8D9E13}";

bool SetDefault(const std::string& key, const std::string& value, const char* name = nullptr)
{
    HKEY handle = nullptr;
    if (::RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const LONG result = ::RegSetValueExA(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                         DWORD(value.size() + 1));
    ::RegCloseKey(handle);
    return result == ERROR_SUCCESS;
}

}  // namespace

ScopedTestEncoderRegistration::ScopedTestEncoderRegistration(const char* threadingModel)
{
    char path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string server(path, length);
    server = server.substr(0, server.find_last_of("\\/") + 1) + "test_encoder_server.dll";
    const std::string classKey = kClassKey;
    registered_ = SetDefault(classKey, "Velmora test encoder") &&
                  SetDefault(classKey + "\\InprocServer32", server) &&
                  SetDefault(classKey + "\\InprocServer32", threadingModel, "ThreadingModel") &&
                  SetDefault(std::string(kTestEncoderProgID) + "\\CLSID", "{6C0E7F52-3D1A-4B8E-9F27-5A4C2B8D9E13}");
}

ScopedTestEncoderRegistration::~ScopedTestEncoderRegistration()
{
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, kClassKey);
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, kTestEncoderProgID);
}

}  // namespace testsupport

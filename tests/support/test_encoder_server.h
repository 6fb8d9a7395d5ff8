// The class of the tests' encoder server (test_encoder_server.dll) and its
// registration, for the length of a test: hosts then make encoders with
// CreateObject("VelmoraTest.Encoder") or by the class identifier.
#pragma once

#include <windows.h>

#include <string>

namespace testsupport {

// {6C0E7F52-3D1A-4B8E-9F27-5A4C2B8D9E13}
constexpr CLSID CLSID_TestEncoder = {0x6c0e7f52, 0x3d1a, 0x4b8e, {0x9f, 0x27, 0x5a, 0x4c, 0x2b, 0x8d, 0x9e, 0x13}};
constexpr char kTestEncoderProgID[] = "VelmoraTest.Encoder";

// Registers the server found beside the running program under a threading model
// ("Apartment", "Free", "Both"); the destructor removes the entries again.
class ScopedTestEncoderRegistration {
public:
    explicit ScopedTestEncoderRegistration(const char* threadingModel = "Both");
    ~ScopedTestEncoderRegistration();
    ScopedTestEncoderRegistration(const ScopedTestEncoderRegistration&) = delete;
    ScopedTestEncoderRegistration& operator=(const ScopedTestEncoderRegistration&) = delete;

    bool Registered() const { return registered_; }

private:
    bool registered_ = false;
};

}  // namespace testsupport

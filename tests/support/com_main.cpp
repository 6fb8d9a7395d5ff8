// The entry point of test programs that use COM: the tests run in a
// single-threaded apartment, as the control's hosts do.
#include <gtest/gtest.h>

#include <ole2.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (FAILED(::OleInitialize(nullptr)))
        return 2;
    const int result = RUN_ALL_TESTS();
    ::OleUninitialize();
    return result;
}

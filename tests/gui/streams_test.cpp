// Memory and file streams: positions, short reads, copying, files.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "gui/core/exceptions.h"
#include "gui/core/file_stream.h"
#include "gui/core/memory_stream.h"

using namespace gui;

namespace {

std::string TempName(const char* stem)
{
    return std::string(::testing::TempDir()) + stem + std::to_string(::testing::UnitTest::GetInstance()->random_seed());
}

}  // namespace

TEST(MemoryStream, WritesReadsAndSeeks)
{
    TMemoryStream s;
    s.WriteBuffer("abcdef", 6);
    EXPECT_EQ(s.Size(), 6);
    EXPECT_EQ(s.Position(), 6);
    s.SetPosition(2);
    char buf[8] = {};
    EXPECT_EQ(s.Read(buf, 8), 4);  // only what is left
    EXPECT_EQ(std::string(buf, 4), "cdef");
    EXPECT_EQ(s.Seek(-3, TSeekOrigin::soEnd), 3);
    EXPECT_EQ(s.Seek(1, TSeekOrigin::soCurrent), 4);
    EXPECT_EQ(s.Seek(-10, TSeekOrigin::soCurrent), 0);  // never before the start
}

TEST(MemoryStream, WritingPastTheEndFillsTheGapWithZeros)
{
    TMemoryStream s;
    s.SetPosition(3);
    s.WriteBuffer("x", 1);
    ASSERT_EQ(s.Size(), 4);
    const auto* p = static_cast<const char*>(s.Memory());
    EXPECT_EQ(std::string(p, 4), std::string("\0\0\0x", 4));
    s.SetSize(2);
    EXPECT_EQ(s.Size(), 2);
    EXPECT_EQ(s.Position(), 2);
}

TEST(MemoryStream, ShortReadsRaiseAndLeaveTheBufferAlone)
{
    TMemoryStream s;
    s.WriteBuffer("ab", 2);
    s.SetPosition(0);
    char buf[4] = {'-', '-', '-', '-'};
    EXPECT_THROW(s.ReadBuffer(buf, 3), EReadError);
    s.SetPosition(2);
    EXPECT_EQ(s.Read(buf, 4), 0);
    EXPECT_NO_THROW(s.ReadBuffer(buf, 0));
}

TEST(MemoryStream, CopyFromZeroCopiesTheWholeSource)
{
    TMemoryStream source, target;
    source.WriteBuffer("hello world", 11);
    source.SetPosition(5);
    EXPECT_EQ(target.CopyFrom(source, 0), 11);
    EXPECT_EQ(std::string(static_cast<const char*>(target.Memory()), 11), "hello world");

    source.SetPosition(6);
    TMemoryStream part;
    EXPECT_EQ(part.CopyFrom(source, 5), 5);
    EXPECT_EQ(std::string(static_cast<const char*>(part.Memory()), 5), "world");
    EXPECT_THROW(part.CopyFrom(source, 1), EReadError);  // source exhausted
}

TEST(FileStream, CreatesWritesAndReadsBack)
{
    const std::string name = TempName("gui_file_stream");
    {
        TFileStream f(name, fmCreate);
        f.WriteBuffer("0123456789", 10);
        f.SetPosition(4);
        char c = 0;
        f.ReadBuffer(&c, 1);  // read after write on the same file
        EXPECT_EQ(c, '4');
        f.WriteBuffer("X", 1);
    }
    {
        TFileStream f(name, fmOpenRead);
        EXPECT_EQ(f.Size(), 10);
        char buf[10];
        f.ReadBuffer(buf, 10);
        EXPECT_EQ(std::string(buf, 10), "01234X6789");
        EXPECT_EQ(f.Write("z", 1), 0);  // opened for reading only
    }
    TMemoryStream m;
    m.LoadFromFile(name);
    EXPECT_EQ(m.Size(), 10);
    EXPECT_EQ(m.Position(), 0);
    std::remove(name.c_str());
}

TEST(FileStream, MissingFilesRaise)
{
    EXPECT_THROW(TFileStream("/nonexistent/dir/file.bin", fmOpenRead), EFOpenError);
    EXPECT_THROW(TFileStream("/nonexistent/dir/file.bin", fmCreate), EFCreateError);
}

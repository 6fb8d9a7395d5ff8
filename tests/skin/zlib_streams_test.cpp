// The zlib streams: round trips across their buffers, the seek rules, and damaged
// input that must end in an error, never in a loop.
#include <gtest/gtest.h>

#include <zlib.h>

#include <random>
#include <string>

#include "gui/core/exceptions.h"
#include "gui/core/memory_stream.h"
#include "skin/model/zlib_streams.h"
#include "test_skin_files.h"

using namespace sk;

namespace {

std::vector<uint8_t> Bytes(gui::TMemoryStream& s)
{
    const auto* p = static_cast<const uint8_t*>(s.Memory());
    return std::vector<uint8_t>(p, p + s.Size());
}

void Load(gui::TMemoryStream& s, const std::vector<uint8_t>& bytes)
{
    s.Clear();
    if (!bytes.empty())
        s.WriteBuffer(bytes.data(), int32_t(bytes.size()));
    s.SetPosition(0);
}

// Half noise (which deflate cannot shrink), half text.
std::vector<uint8_t> Sample(size_t size)
{
    std::mt19937 random(7);
    std::vector<uint8_t> data(size);
    for (size_t i = 0; i < size; ++i)
        data[i] = i % 2 ? uint8_t(random()) : uint8_t("skin "[i / 2 % 5]);
    return data;
}

std::vector<uint8_t> Compress(const std::vector<uint8_t>& data, TCompressionLevel level = clMax)
{
    gui::TMemoryStream target;
    TCompressionStream c(level, target);
    c.WriteBuffer(data.data(), int32_t(data.size()));
    c.Finish();
    return Bytes(target);
}

std::vector<uint8_t> Inflate(const std::vector<uint8_t>& blob)
{
    gui::TMemoryStream source, target;
    Load(source, blob);
    DecompressSkinStream(target, source);
    return Bytes(target);
}

void ExpectCompressionError(const std::vector<uint8_t>& blob)
{
    skintest::RunWithin(5, [&] {
        try {
            Inflate(blob);
            ADD_FAILURE() << "no error";
        } catch (const EDecompressionError& e) {
            EXPECT_EQ(e.Message(), "compression error");
        }
    });
}

}  // namespace

TEST(ZlibStreams, RoundTripsAcrossTheBuffersAtEveryLevel)
{
    const std::vector<uint8_t> data = Sample(200000);
    for (TCompressionLevel level : {clNone, clFastest, clDefault, clMax}) {
        gui::TMemoryStream target;
        TCompressionStream c(level, target);
        for (size_t at = 0; at < data.size(); at += 7001)  // uneven pieces
            c.WriteBuffer(data.data() + at, int32_t(std::min<size_t>(7001, data.size() - at)));
        EXPECT_EQ(c.Position(), int64_t(data.size()));
        c.Finish();

        target.SetPosition(0);
        TDecompressionStream d(target);
        int refills = 0;
        d.OnProgress = [&](TCustomZlibStream&) { ++refills; };
        std::vector<uint8_t> read(data.size() + 10);
        size_t got = 0;
        while (int32_t n = d.Read(read.data() + got, int32_t(std::min<size_t>(3000, read.size() - got))))
            got += size_t(n);
        read.resize(got);
        EXPECT_EQ(read, data) << level;
        EXPECT_EQ(refills, int((target.Size() + 65535) / 65536)) << level;
    }
}

TEST(ZlibStreams, TheSkinHelpersUseTheBestLevel)
{
    gui::TMemoryStream source, packed;
    const std::vector<uint8_t> data = Sample(70000);
    Load(source, data);
    source.SetPosition(500);  // packs from the beginning whatever the position
    CompressSkinStream(source, packed);
    const std::vector<uint8_t> blob = Bytes(packed);
    EXPECT_EQ(blob[0], 0x78);
    EXPECT_EQ(blob[1], 0xDA);
    EXPECT_EQ(Inflate(blob), data);
}

TEST(ZlibStreams, CompressionSeeksOnlyToTellThePosition)
{
    gui::TMemoryStream target;
    TCompressionStream c(clMax, target);
    c.WriteBuffer("0123456789", 10);
    EXPECT_EQ(c.Seek(0, gui::TSeekOrigin::soCurrent), 10);
    try {
        c.Seek(5, gui::TSeekOrigin::soBeginning);
        ADD_FAILURE() << "no error";
    } catch (const ECompressionError& e) {
        EXPECT_EQ(e.Message(), "Invalid stream operation");
    }
    char buffer[4];
    EXPECT_THROW(c.Read(buffer, 4), ECompressionError);
    c.Finish();
    EXPECT_THROW(c.Write("x", 1), ECompressionError);
    EXPECT_EQ(Inflate(Bytes(target)), (std::vector<uint8_t>{'0', '1', '2', '3', '4', '5', '6', '7', '8', '9'}));
}

TEST(ZlibStreams, DestructionFinishesQuietly)
{
    gui::TMemoryStream target;
    {
        TCompressionStream c(clDefault, target);
        c.WriteBuffer("abc", 3);
    }
    EXPECT_EQ(Inflate(Bytes(target)), (std::vector<uint8_t>{'a', 'b', 'c'}));

    // A target that takes nothing: Finish raises, the destructor does not.
    struct Refusing : gui::TMemoryStream {
        int32_t Write(const void*, int32_t) override { return 0; }
    } refusing;
    {
        TCompressionStream c(clMax, refusing);
        c.WriteBuffer("abc", 3);
        EXPECT_THROW(c.Finish(), gui::EWriteError);
    }
    { TCompressionStream quiet(clMax, refusing); }
}

TEST(ZlibStreams, DecompressionSeekRules)
{
    const std::vector<uint8_t> data = Sample(20000);
    gui::TMemoryStream source;
    Load(source, std::vector<uint8_t>{'p', 'r', 'e'});
    source.SetPosition(3);
    const std::vector<uint8_t> blob = Compress(data);
    source.WriteBuffer(blob.data(), int32_t(blob.size()));
    source.SetPosition(3);  // the zlib stream starts after three other bytes

    TDecompressionStream d(source);
    uint8_t first[100], again[100];
    ASSERT_EQ(d.Read(first, 100), 100);
    EXPECT_EQ(d.Seek(0, gui::TSeekOrigin::soBeginning), 0);  // restarts
    ASSERT_EQ(d.Read(again, 100), 100);
    EXPECT_EQ(std::vector<uint8_t>(first, first + 100), std::vector<uint8_t>(again, again + 100));
    EXPECT_EQ(std::vector<uint8_t>(first, first + 100), std::vector<uint8_t>(data.begin(), data.begin() + 100));

    EXPECT_EQ(d.Seek(9000, gui::TSeekOrigin::soCurrent), 9100);  // forward by reading
    EXPECT_EQ(d.Seek(15000, gui::TSeekOrigin::soBeginning), 15000);
    ASSERT_EQ(d.Read(first, 1), 1);
    EXPECT_EQ(first[0], data[15000]);
    EXPECT_EQ(d.Seek(1000000, gui::TSeekOrigin::soCurrent), 20000);  // stops at the end
    for (auto origin : {gui::TSeekOrigin::soEnd, gui::TSeekOrigin::soCurrent, gui::TSeekOrigin::soBeginning}) {
        try {
            d.Seek(origin == gui::TSeekOrigin::soEnd ? 0 : -1, origin);
            ADD_FAILURE() << "no error";
        } catch (const EDecompressionError& e) {
            EXPECT_EQ(e.Message(), "Invalid stream operation");
        }
    }
    EXPECT_THROW(d.Seek(10, gui::TSeekOrigin::soBeginning), EDecompressionError);  // backwards
    EXPECT_THROW(d.Write("x", 1), EDecompressionError);
}

TEST(ZlibStreams, DamagedInputEndsInAnErrorInTime)
{
    const std::vector<uint8_t> blob = Compress(Sample(100000));

    std::vector<uint8_t> truncated(blob.begin(), blob.begin() + long(blob.size() / 2));
    ExpectCompressionError(truncated);
    ExpectCompressionError(std::vector<uint8_t>(blob.begin(), blob.end() - 1));
    ExpectCompressionError({});

    std::vector<uint8_t> corrupt = blob;
    corrupt[blob.size() / 3] ^= 0x5A;
    ExpectCompressionError(corrupt);
    ExpectCompressionError({0x78, 0xDA, 0xFF, 0xFF, 0xFF});

    // Deflated with a preset dictionary: the program never packs one.
    std::vector<uint8_t> withDictionary(200);
    {
        z_stream z{};
        ASSERT_EQ(deflateInit(&z, 9), Z_OK);
        const Bytef dictionary[] = "brenvale skin dictionary";
        deflateSetDictionary(&z, dictionary, sizeof dictionary);
        Bytef input[] = "skin skin skin";
        z.next_in = input;
        z.avail_in = sizeof input;
        z.next_out = withDictionary.data();
        z.avail_out = uInt(withDictionary.size());
        ASSERT_EQ(deflate(&z, Z_FINISH), Z_STREAM_END);
        withDictionary.resize(z.total_out);
        deflateEnd(&z);
    }
    ExpectCompressionError(withDictionary);
}

TEST(ZlibStreams, ReadingStopsAtTheEndOfTheZlibStream)
{
    const std::vector<uint8_t> data = Sample(1000);
    std::vector<uint8_t> blob = Compress(data);
    std::vector<uint8_t> trailing(70000, 'J');  // more than a buffer of junk after it
    blob.insert(blob.end(), trailing.begin(), trailing.end());
    skintest::RunWithin(5, [&] { EXPECT_EQ(Inflate(blob), data); });

    gui::TMemoryStream source;
    Load(source, blob);
    TDecompressionStream d(source);
    std::vector<uint8_t> read(5000);
    EXPECT_EQ(d.Read(read.data(), 5000), 1000);
    EXPECT_EQ(d.Read(read.data(), 5000), 0);
}

namespace {

// A blob that inflates to a gigabyte of zeros from about a megabyte: the same
// self-contained deflate block again and again, never finished.
std::vector<uint8_t> InflationBomb()
{
    const std::vector<uint8_t> zeros(16 << 20);
    std::vector<uint8_t> block(64 << 10);
    z_stream z{};
    EXPECT_EQ(deflateInit(&z, 9), Z_OK);
    std::vector<uint8_t> blob;
    z.next_in = const_cast<Bytef*>(zeros.data());
    z.avail_in = uInt(zeros.size());
    z.next_out = block.data();
    z.avail_out = uInt(block.size());
    EXPECT_EQ(deflate(&z, Z_FULL_FLUSH), Z_OK);
    EXPECT_EQ(z.avail_in, 0u);
    deflateEnd(&z);
    const size_t header = 2;
    blob.assign(block.begin(), block.begin() + header);
    for (int i = 0; i < 64; ++i)
        blob.insert(blob.end(), block.begin() + header, block.begin() + long(block.size() - z.avail_out));
    return blob;
}

// Streams that count the work done through them and stop it at a bound: a loop
// that runs away ends in RanAway after a known number of bytes or calls, however
// slow the machine, instead of in a wall-clock limit.
struct RanAway {
    std::string what;
};

// Keeps no bytes, only their count.
class CountingSink : public gui::TStream {
public:
    explicit CountingSink(int64_t bound) : bound_(bound) {}
    int32_t Read(void*, int32_t) override { return 0; }
    int32_t Write(const void*, int32_t count) override
    {
        if (count > bound_ - written_)
            throw RanAway{"more than " + std::to_string(bound_) + " bytes written"};
        written_ += count;
        return count;
    }
    int64_t Seek(int64_t, gui::TSeekOrigin) override { return written_; }
    int64_t Size() override { return written_; }

private:
    int64_t bound_;
    int64_t written_ = 0;
};

// Reads a memory stream, counting the calls and the bytes.
class CountingSource : public gui::TStream {
public:
    CountingSource(gui::TStream& source, int64_t byteBound, int64_t callBound)
        : source_(source), byteBound_(byteBound), callBound_(callBound)
    {
    }
    int32_t Read(void* buffer, int32_t count) override
    {
        if (++calls_ > callBound_)
            throw RanAway{"more than " + std::to_string(callBound_) + " reads"};
        const int32_t got = source_.Read(buffer, count);
        bytes_ += got;
        if (bytes_ > byteBound_)
            throw RanAway{"more than " + std::to_string(byteBound_) + " bytes read"};
        return got;
    }
    int32_t Write(const void*, int32_t) override { return 0; }
    int64_t Seek(int64_t offset, gui::TSeekOrigin origin) override { return source_.Seek(offset, origin); }

private:
    gui::TStream& source_;
    int64_t byteBound_, callBound_;
    int64_t calls_ = 0, bytes_ = 0;
};

}  // namespace

TEST(ZlibStreams, ASkinThatInflatesWithoutEndIsRefusedInTimeAndMemory)
{
    const std::vector<uint8_t> bomb = InflationBomb();
    ASSERT_LT(bomb.size(), 4u << 20);
    gui::TMemoryStream source;
    Load(source, bomb);
    // Refused in time: it reads the blob once at most, in pieces; in memory: it
    // writes no more than the limit.
    CountingSource counted(source, int64_t(bomb.size()), int64_t(bomb.size()));
    CountingSink target(kMaxInflatedSkinSize);
    try {
        DecompressSkinStream(target, counted);
        ADD_FAILURE() << "no error";
    } catch (const EDecompressionError& e) {
        EXPECT_NE(e.Message().find("128 MB"), std::string::npos) << e.Message();
    } catch (const RanAway& e) {
        ADD_FAILURE() << "the inflation ran away: " << e.what;
    }
    EXPECT_LE(target.Size(), kMaxInflatedSkinSize);

    // The limit itself still inflates; one byte more does not.
    const std::vector<uint8_t> data = Sample(5000);
    Load(source, Compress(data));
    gui::TMemoryStream exact;
    DecompressSkinStream(exact, source, 5000);
    EXPECT_EQ(Bytes(exact), data);
    gui::TMemoryStream over;
    EXPECT_THROW(DecompressSkinStream(over, source, 4999), EDecompressionError);
}

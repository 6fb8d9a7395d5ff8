// A test of the sector reader against the simulated drive: a described disc put in
// the drive, whole tracks read block by block with what each delivered, compared
// with the disc's audio, and the READ CD requests the drive received.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "extract/sector_reader.h"
#include "support/sim_disc.h"
#include "transport/drive_commands.h"
#include "transport/scsi_manager.h"

namespace testsupport {

using velmora::Block;
using velmora::DriveRecord;
using velmora::kSectorSize;
using velmora::SectorReader;

struct Rip {
    std::vector<uint8_t> audio;
    int blocks = 0;
    int jitters = 0;
    int rereads = 0;
    bool error = false;
    std::wstring status;
};

class Reading : public ::testing::Test {
protected:
    void Insert(const SimDevice& disc)
    {
        disc_ = disc;
        WriteSimDrive(1, {disc});
        ClearSimLog();
        if (!manager.Bound()) {
            ASSERT_TRUE(manager.Load());
        }
        record = std::make_unique<DriveRecord>(0, 0, 0, &manager);
        uint8_t answer[velmora::kTocAnswerSize] = {};
        ASSERT_EQ(velmora::ReadToc(*record, answer), velmora::SS_COMP);
        velmora::ParseTocAnswer(answer, record->toc);
    }

    // Reads track `index` (0-based) to its end, or to an error, or gives up after
    // far more blocks than any track needs.
    Rip Read(int index, bool correction, SectorReader* shared = nullptr)
    {
        Rip rip;
        SectorReader own;
        SectorReader& reader = shared ? *shared : own;
        if (!reader.SetUp(*record, index)) {
            rip.error = true;
            rip.status = reader.StatusText();
            return rip;
        }
        const int bound = (reader.LastLba() - reader.FirstLba()) / 10 + 10;
        for (;; ++rip.blocks) {
            if (rip.blocks > bound) {
                ADD_FAILURE() << "the track does not end";
                break;
            }
            const Block block = reader.ReadBlock(correction);
            if (block.result == Block::Result::Done)
                break;
            if (block.result == Block::Result::Error) {
                rip.error = true;
                rip.status = reader.StatusText();
                break;
            }
            EXPECT_GT(block.length, 0u);
            rip.jitters += block.jitter;
            rip.audio.insert(rip.audio.end(), block.data, block.data + block.length);
        }
        rip.rereads = reader.Rereads();
        reader.FreeBuffers();
        return rip;
    }

    // "" when `rip` holds exactly sectors [first, last) of the disc's audio.
    std::string Compare(const Rip& rip, int32_t first, int32_t last) const
    {
        std::vector<uint8_t> expected(size_t(last - first) * kSectorSize);
        disc_.Audio().Fill(int64_t(first) * kSectorSize, expected.data(), expected.size());
        if (rip.audio.size() != expected.size())
            return std::to_string(rip.audio.size()) + " bytes, expected " + std::to_string(expected.size());
        for (size_t i = 0; i < expected.size(); ++i)
            if (rip.audio[i] != expected[i])
                return "first difference in sector " + std::to_string(first + int32_t(i / kSectorSize)) +
                       " at byte " + std::to_string(i % kSectorSize);
        return std::string();
    }

    // The READ CD requests of the log as (first sector, count).
    static std::vector<std::pair<int32_t, int>> Reads()
    {
        std::vector<std::pair<int32_t, int>> reads;
        for (const std::string& line : SimLog()) {
            unsigned b[12];
            if (line.rfind("CDB ", 0) != 0 || line.size() < 14 ||
                std::sscanf(line.c_str() + line.find(' ', 4) + 1, "%x %x %x %x %x %x %x %x %x", &b[0],
                            &b[1], &b[2], &b[3], &b[4], &b[5], &b[6], &b[7], &b[8]) != 9 ||
                b[0] != 0xBE)
                continue;
            reads.push_back({int32_t((b[2] << 24) | (b[3] << 16) | (b[4] << 8) | b[5]),
                             int((b[7] << 8) | b[8])});
        }
        return reads;
    }

    velmora::ScsiManager manager;
    std::unique_ptr<DriveRecord> record;
    SimDevice disc_;
};

}  // namespace testsupport

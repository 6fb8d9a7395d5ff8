// The WAV files of a rip, to clear away the one a rip left unfinished: the file of
// the track being ripped when the user stops, the disc goes or the rip fails holds
// the track's start under the track's own name, with a header that makes it look
// whole, and nothing would tell it from a finished one later.
//
// Which files the rip wrote is told by the files themselves: each target is
// looked at before the rip starts, and a file that differs afterwards was
// written by it. The control writes the tracks one after the other, so the last
// written is the one it was on; that one goes when it holds less than its track.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace brenvale {

class TBatchFiles {
public:
    // The file a rip to `target` writes (the control adds ".wav" unless the
    // target ends with it), looked at now, and the bytes of the track's audio.
    void Add(const std::wstring& target, int64_t trackBytes);
    void Clear() { files_.clear(); }
    bool Empty() const { return files_.empty(); }

    // Once the control has let go of every file of the rip: deletes the last file
    // it wrote when that holds less than its header and its track's audio.
    void RemoveUnfinished() const;

    // The file name a target gives.
    static std::wstring WavFile(const std::wstring& target);

private:
    struct State {
        bool exists = false;
        uint64_t size = 0;
        FILETIME created{}, written{};
        bool operator==(const State& other) const;
    };
    static State StateOf(const std::wstring& file);
    struct File {
        std::wstring name;
        uint64_t wholeSize;  // header and audio
        State before;
    };
    std::vector<File> files_;
};

}  // namespace brenvale

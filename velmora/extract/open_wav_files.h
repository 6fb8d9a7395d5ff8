// The WAV files being written, known to the module so that a host process that ends
// during a rip (without releasing the control, as a script host that quits does)
// still leaves each one a valid file of the audio written so far: the process's end
// stops the worker and copy threads before the sizes are filled in.
#pragma once

#include <windows.h>

namespace velmora {

// A file whose "data" chunk starts at `dataOffset` is being written through `file`.
// Without a free place the file is not kept (it is then only finished by its writer).
void KeepOpenWavFile(HANDLE file, DWORD dataOffset);
// The writer finishes the file itself; called before the handle is closed.
void ForgetOpenWavFile(HANDLE file);
// Fills in the RIFF and data sizes of every file still being written, its audio cut
// to whole sample frames. Only for the end of the process, when no other thread runs.
void FinishOpenWavFilesAtExit();

}  // namespace velmora

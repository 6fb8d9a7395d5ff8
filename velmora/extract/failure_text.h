// Error texts that say what failed, on which file, and why the system refused it.
#pragma once

#include <windows.h>

#include <string>

namespace velmora {

// The system's text for an error code, without its final period and line break.
std::wstring SystemMessage(DWORD error);

// `words` first, then the file name in quotes (the start and end of a name longer
// than MAX_PATH) and the system's reason: the HRESULT and the system's text for it,
// as in
//   Cannot create wav-file "C:\Rips\Track 01.wav": 0x80070005 Access is denied.
std::wstring FailureText(const std::wstring& words, const std::wstring& fileName, HRESULT reason);

}  // namespace velmora

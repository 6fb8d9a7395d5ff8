// The texts a CDDB lookup fails with, as the host sees them.
#pragma once

namespace velmora {

constexpr wchar_t kErrWinsock[] = L"CDDB error #1: Cannot initalise WinSock.";
constexpr wchar_t kErrInternal[] = L"CDDB error #3: internal error.";
constexpr wchar_t kErrConnectTimedOut[] = L"CDDB error #4: cannot connect, timed out.";
constexpr wchar_t kErrServerNotFound[] = L"CDDB error #5: server not found.";
constexpr wchar_t kErrCannotSend[] = L"CDDB error #6: cannot send cddb request.";
constexpr wchar_t kErrReceiveFailed[] = L"Socket error: failed to receive data.";
constexpr wchar_t kErrReceiveTimedOut[] = L"Socket error: timed out.";
constexpr wchar_t kErrNotHttp[] = L"CDDB error #7: wrong server response.";
constexpr wchar_t kErrHttpStatus[] = L"CDDB error #8: wrong server response.";
constexpr wchar_t kErrNoMatch[] = L"CDDB error #9: no records for your disk found.";
constexpr wchar_t kErrUnknownCode[] = L"CDDB error #10: CDDB request failed for unknown reason.";

}  // namespace velmora

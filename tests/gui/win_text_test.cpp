// Code-page text and the system's error texts, as every layer converts them.
#include <gtest/gtest.h>

#include "win/ansi_text.h"
#include "win/system_message.h"

TEST(WinText, ExactAnsiGivesOnlyTextThatReadsBackAsItself)
{
    const std::wstring samples[] = {
        L"",
        L"Track 01.wav",
        std::wstring(L"a\0b", 3),    // an embedded null is a character like any other
        L"caf\u00e9",                 // in most code pages
        L"\u0100ndrea",               // best fit to 'A' in some
        L"\u65e5\u672c\u8a9e",        // in few
        L"\u0416\u0443\u043a",
        std::wstring(5000, L'x'),
    };
    for (const std::wstring& text : samples) {
        SCOPED_TRACE(win::WideToAnsi(text));
        const std::string loose = win::WideToAnsi(text);
        const std::optional<std::string> exact = win::ExactAnsi(text);
        if (exact) {
            EXPECT_EQ(*exact, loose);
            EXPECT_EQ(win::AnsiToWide(*exact), text);
        } else {
            EXPECT_NE(win::AnsiToWide(loose), text);  // refused only when it would change
        }
    }
    EXPECT_EQ(win::ExactAnsi(L"plain ascii").value_or("?"), "plain ascii");
    EXPECT_EQ(win::AnsiToWide(std::string()), L"");
}

TEST(WinText, SystemMessagesComeWhole)
{
    for (const DWORD code : {DWORD(ERROR_FILE_NOT_FOUND), DWORD(ERROR_ACCESS_DENIED)}) {
        const std::string ansi = win::SystemMessageAnsi(code);
        const std::wstring wide = win::SystemMessageWide(code);
        ASSERT_GE(ansi.size(), 3u) << code;
        EXPECT_EQ(ansi.substr(ansi.size() - 2), "\r\n");
        EXPECT_EQ(win::AnsiToWide(ansi), wide);
    }
    EXPECT_EQ(win::SystemMessageAnsi(0x2FFFFFFF), "");
    EXPECT_EQ(win::SystemMessageWide(0x2FFFFFFF), L"");
}

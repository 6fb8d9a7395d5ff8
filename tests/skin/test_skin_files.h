// The files of the tests' skin (drawn and packed at build time), and a guard for
// work that must end within a time limit.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace gui {
class TMemoryStream;
class TMemIniFile;
}  // namespace gui

namespace skintest {

std::string TestSkinPath(const std::string& name);
std::vector<uint8_t> ReadTestSkinFile(const std::string& name);
void LoadTestSkinFile(gui::TMemoryStream& stream, const std::string& name);

// An INI file of the given lines.
void SetIniLines(gui::TMemIniFile& ini, const std::vector<std::string>& lines);
gui::TMemIniFile Ini(const std::vector<std::string>& lines);

// Runs work on a thread of its own; a test fails, and the program ends, when it
// has not returned within the limit (a loop that never ends must not hang the run).
void RunWithin(double seconds, const std::function<void()>& work);

}  // namespace skintest

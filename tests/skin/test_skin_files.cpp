#include "test_skin_files.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <future>
#include <memory>
#include <thread>

#include "gui/core/file_stream.h"
#include "gui/core/mem_ini_file.h"
#include "gui/core/memory_stream.h"
#include "gui/core/strings.h"

namespace skintest {

std::string TestSkinPath(const std::string& name) { return std::string(TEST_SKIN_DIR) + "/" + name; }

std::vector<uint8_t> ReadTestSkinFile(const std::string& name)
{
    gui::TMemoryStream stream;
    LoadTestSkinFile(stream, name);
    const auto* p = static_cast<const uint8_t*>(stream.Memory());
    return std::vector<uint8_t>(p, p + stream.Size());
}

void LoadTestSkinFile(gui::TMemoryStream& stream, const std::string& name)
{
    stream.LoadFromFile(TestSkinPath(name));
}

void SetIniLines(gui::TMemIniFile& ini, const std::vector<std::string>& lines)
{
    gui::TStringList list;
    for (const std::string& line : lines)
        list.Add(line);
    ini.SetStrings(list);
}

gui::TMemIniFile Ini(const std::vector<std::string>& lines)
{
    gui::TMemIniFile ini;
    SetIniLines(ini, lines);
    return ini;
}

void RunWithin(double seconds, const std::function<void()>& work)
{
    auto done = std::make_shared<std::promise<std::exception_ptr>>();
    std::future<std::exception_ptr> finished = done->get_future();
    std::thread([done, work] {
        try {
            work();
            done->set_value(nullptr);
        } catch (...) {
            done->set_value(std::current_exception());
        }
    }).detach();
    if (finished.wait_for(std::chrono::duration<double>(seconds)) != std::future_status::ready) {
        ADD_FAILURE() << "still running after " << seconds << " s";
        std::fflush(stdout);
        std::_Exit(1);
    }
    if (std::exception_ptr failure = finished.get())
        std::rethrow_exception(failure);
}

}  // namespace skintest

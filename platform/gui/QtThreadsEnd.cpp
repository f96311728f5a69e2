#include "platform/gui/QtThreadsEnd.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <thread>

namespace {
// How many of this process's threads are Qt pool threads.
int QtPoolThreadsRunning()
{
    int count = 0;
    std::error_code ec;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task", ec)) {
        std::ifstream comm(task.path() / "comm");
        std::string name;
        // The name Qt gives every thread of a QThreadPool.
        if (std::getline(comm, name) && name == "Thread (pooled)")
            ++count;
    }
    return count;
}
} // namespace

void WaitForQtPoolThreadsToEnd()
{
    using namespace std::chrono_literals;
    for (int i = 0; i < 500 && QtPoolThreadsRunning() > 0; ++i)
        std::this_thread::sleep_for(10ms);
}

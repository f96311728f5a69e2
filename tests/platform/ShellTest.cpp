#include "platform/shell/Shell.h"
#include "tests/support/RecordingPrompter.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <thread>

namespace {
bool waitForFile(const std::string& path)
{
    for (int i = 0; i < 200 && !std::filesystem::exists(path); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return std::filesystem::exists(path);
}
} // namespace

TEST(Shell, OpensThroughXdgOpenWithoutWaitingForIt)
{
    TempDir dir;
    // A stand-in xdg-open that waits until the test has got control back: if
    // the shell waited for it, it would give up and say so.
    std::string script =
        dir.write("bin/xdg-open", "#!/bin/sh\n"
                                  "for i in $(seq 100); do\n"
                                  "  [ -e \"" +
                                      dir.file("go") +
                                      "\" ] && break; sleep 0.1\n"
                                      "done\n"
                                      "[ -e \"" +
                                      dir.file("go") + "\" ] || { echo waited > \"" + dir.file("out.tmp") +
                                      "\"; }\n"
                                      "printf '%s' \"$1\" >> \"" +
                                      dir.file("out.tmp") +
                                      "\"\n"
                                      "mv \"" +
                                      dir.file("out.tmp") + "\" \"" + dir.file("out") + "\"\n");
    chmod(script.c_str(), 0755);
    const char* old = std::getenv("PATH");
    const ScopedEnv path("PATH", dir.file("bin") + ":" + (old ? old : ""));
    RecordingPrompter prompter;
    const std::string target = "file:///tmp/a b/Lib_x'$(y)#1.html";
    RunShellExecute(prompter, target);
    dir.write("go", "");
    ASSERT_TRUE(waitForFile(dir.file("out")));
    EXPECT_EQ(dir.read("out"), target);
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST(Shell, MissingOpenerIsReported)
{
    TempDir dir;
    std::filesystem::create_directory(dir.file("empty"));
    const ScopedEnv path("PATH", dir.file("empty"));
    RecordingPrompter prompter;
    RunShellExecute(prompter, "/tmp/x.txt");
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_NE(prompter.boxes[0].text.find("xdg-open is not installed"), std::string::npos);
    EXPECT_NE(prompter.boxes[0].text.find("modShell32.RunShellExecute"), std::string::npos);
}

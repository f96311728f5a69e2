#pragma once
// What this process has read from files so far, sparse holes included: for
// the tests that hold a reading to fewer bytes than it could waste.

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>

inline std::uint64_t BytesReadSoFar()
{
    std::ifstream io("/proc/self/io");
    std::string name;
    std::uint64_t count = 0;
    while (io >> name >> count)
        if (name == "rchar:")
            return count;
    ADD_FAILURE() << "no rchar in /proc/self/io";
    return 0;
}

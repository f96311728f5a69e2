#pragma once
// One of the two user-chosen fonts: skin labels and window titles.

#include <cstdint>
#include <string>

struct FontSetting {
    std::string Name = "Arial";
    bool Bold = false;
    bool Italic = false;
    std::uint32_t Color = 16777215; // stored order: red in the low byte
    int Size = 7;                   // points
};

#pragma once
// The description file of the default skin, byte for byte.

#include <string>

inline constexpr const char* SkinDescriptionName = "CorvaneDisk.ini";

// Every line ends with CR LF; each section ends with one empty line.
std::string DefaultSkinDescription();

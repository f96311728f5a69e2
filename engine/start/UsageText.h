#pragma once

#include <string_view>

// The command-line help, every line ended by CR LF.
extern const std::string_view UsageText;

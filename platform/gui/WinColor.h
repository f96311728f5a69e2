#pragma once
// Stored colours keep the classic order: red in the low byte, then green and
// blue; a value with the top bit set names a system colour by its index.

#include <QColor>
#include <cstdint>

QColor FromWinColor(std::uint32_t value);
std::uint32_t ToWinColor(const QColor& color);

inline constexpr std::uint32_t SysColorButtonFace = 0x8000000Fu;

#include "platform/gui/WinColor.h"

#include <QGuiApplication>
#include <QPalette>

namespace {
QPalette::ColorRole roleFor(std::uint32_t index)
{
    switch (index) {
    case 0x05:
        return QPalette::Base; // window background
    case 0x08:
        return QPalette::Text; // window text
    case 0x0D:
        return QPalette::Highlight;
    case 0x0E:
        return QPalette::HighlightedText;
    case 0x12:
        return QPalette::ButtonText;
    case 0x0F:
        return QPalette::Button; // button face
    default:
        return QPalette::Window;
    }
}
} // namespace

QColor FromWinColor(std::uint32_t value)
{
    if (value & 0x80000000u)
        return QGuiApplication::palette().color(roleFor(value & 0xFF));
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

std::uint32_t ToWinColor(const QColor& color)
{
    return std::uint32_t(color.red()) | (std::uint32_t(color.green()) << 8) | (std::uint32_t(color.blue()) << 16);
}

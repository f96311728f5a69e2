#include "engine/report/HtmlText.h"

#include "platform/prompter/ErrorBox.h"

#include <cstdio>
#include <cstring>

std::string HtmlColor(std::int64_t colour)
{
    if (colour < 0 || colour > 0xFFFFFF)
        throw AppError(ErrInvalidArgument,
                       std::string(ErrorDescription(ErrInvalidArgument)) + " (colour " + std::to_string(colour) + ")");
    char bgr[8];
    std::snprintf(bgr, sizeof bgr, "%06X", unsigned(colour));
    return {bgr[4], bgr[5], bgr[2], bgr[3], bgr[0], bgr[1]};
}

namespace {
// The entity of each character that needs one; nullptr for the others.
struct EntityTable {
    const char* entity[256] = {};
    constexpr EntityTable()
    {
        entity[int('&')] = "&amp;";
        entity[int('<')] = "&lt;";
        entity[int('>')] = "&gt;";
        entity[int('"')] = "&quot;";
        entity[int('\'')] = "&#39;";
    }
};
constexpr EntityTable Entities;

constexpr std::uint64_t OneInEachByte = 0x0101010101010101ULL;

// True when one of the eight bytes of word is c.
constexpr bool holdsByte(std::uint64_t word, unsigned char c)
{
    std::uint64_t x = word ^ (OneInEachByte * c);
    return ((x - OneInEachByte) & ~x & (OneInEachByte * 0x80)) != 0;
}

bool holdsSpecial(const char* p)
{
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return holdsByte(word, '&') || holdsByte(word, '<') || holdsByte(word, '>') || holdsByte(word, '"') ||
           holdsByte(word, '\'');
}
} // namespace

void AppendHtmlText(std::string& out, std::string_view text)
{
    const char* run = text.data();
    const char* end = run + text.size();
    for (const char* p = run; p < end;) {
        // Most names hold nothing to escape: skip them eight bytes at a time.
        if (end - p >= 8 && !holdsSpecial(p)) {
            p += 8;
            continue;
        }
        const char* entity = Entities.entity[static_cast<unsigned char>(*p)];
        if (entity) {
            out.append(run, std::size_t(p - run));
            out += entity;
            run = p + 1;
        }
        ++p;
    }
    out.append(run, std::size_t(end - run));
}

#include "platform/text/TextCase.h"

#include "platform/text/Ascii.h"
#include "platform/text/Encoding.h"

#include <locale.h>
#include <wctype.h>

namespace {
// The case tables of the C.UTF-8 locale, independent of the process's own
// locale and safe to use from any thread.
locale_t caseLocale()
{
    static const locale_t loc = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
    return loc;
}
} // namespace

void AppendLowerText(std::string_view utf8, std::string& out)
{
    const locale_t loc = caseLocale();
    const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
    const auto* end = p + utf8.size();
    while (p < end) {
        if (*p < 0x80) {
            out += AsciiLower(char(*p++));
            continue;
        }
        int len = *p < 0xE0 ? 2 : *p < 0xF0 ? 3 : 4;
        if (end - p < len) { // not UTF-8 after all: keep the bytes
            out.append(reinterpret_cast<const char*>(p), std::size_t(end - p));
            break;
        }
        char32_t cp = *p & (0x7F >> len);
        for (int i = 1; i < len; ++i)
            cp = (cp << 6) | (p[i] & 0x3F);
        char32_t lower = loc ? char32_t(towlower_l(wint_t(cp), loc)) : cp;
        if (lower < 0x80)
            lower = cp;
        AppendUtf8(out, lower);
        p += len;
    }
}

std::string LowerText(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    AppendLowerText(utf8, out);
    return out;
}

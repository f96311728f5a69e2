#include "platform/text/Messages.h"

#include "platform/ini/ProfileIni.h"

#include <array>
#include <cstddef>
#include <mutex>

extern const unsigned char EnglishLanguageFile[];
extern const std::size_t EnglishLanguageFileSize;

namespace {
constexpr std::size_t Count = LastMessageNumber - FirstMessageNumber + 1;
using Texts = std::array<std::string, Count>;

const Texts& english()
{
    static const Texts texts = [] {
        Texts t;
        const ProfileIni file = ProfileIni::Parse(EnglishLanguageBytes());
        for (const MessageId id : AllMessageIds)
            t[std::size_t(int(id) - FirstMessageNumber)] = file.get("Text", std::to_string(int(id)), "");
        return t;
    }();
    return texts;
}

// The texts in use; a language may change them while a worker puts a message together.
struct Current {
    std::mutex mutex;
    Texts texts = english();
};

Current& current()
{
    static Current c;
    return c;
}
} // namespace

std::string_view EnglishLanguageBytes()
{
    return {reinterpret_cast<const char*>(EnglishLanguageFile), EnglishLanguageFileSize};
}

bool IsMessageNumber(int number)
{
    return number >= FirstMessageNumber && number <= LastMessageNumber;
}

std::string MessageText(MessageId id, std::initializer_list<std::string_view> args)
{
    std::string pattern;
    {
        Current& c = current();
        const std::lock_guard lock(c.mutex);
        pattern = c.texts[std::size_t(int(id) - FirstMessageNumber)];
    }
    // %1 to %9; any other "%" stays as written.
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t n = std::size_t(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && n < args.size()) {
            text += *(args.begin() + n);
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string MessagePiece(MessageId id, std::size_t piece)
{
    const std::string text = MessageText(id);
    std::size_t start = 0;
    for (std::size_t i = 0; i < piece; ++i) {
        start = text.find('|', start);
        if (start == std::string::npos)
            return "";
        ++start;
    }
    return text.substr(start, text.find('|', start) - start);
}

void SetMessageText(int number, std::string_view text)
{
    if (!IsMessageNumber(number))
        return;
    const std::size_t at = std::size_t(number - FirstMessageNumber);
    Current& c = current();
    const std::lock_guard lock(c.mutex);
    c.texts[at] = text.empty() ? english()[at] : std::string(text);
}

void UseEnglishMessages()
{
    Current& c = current();
    const std::lock_guard lock(c.mutex);
    c.texts = english();
}

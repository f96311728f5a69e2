#include "platform/prompter/ConsolePrompter.h"

#include <cctype>

namespace {
// Line breaks of a multi-line box become " / " so that one message is one line.
std::string oneLine(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            out += " / ";
        } else {
            out += c;
        }
    }
    return out;
}
} // namespace

ConsolePrompter::ConsolePrompter(std::FILE* in, std::FILE* out, std::FILE* err) : in_(in), out_(out), err_(err) {}

void ConsolePrompter::message(std::string_view text, std::string_view title, MsgIcon)
{
    std::string line = oneLine(text);
    if (!title.empty())
        std::fprintf(err_, "%.*s: %s\n", int(title.size()), title.data(), line.c_str());
    else
        std::fprintf(err_, "%s\n", line.c_str());
    std::fflush(err_);
}

std::optional<std::string> ConsolePrompter::readLine()
{
    std::string line;
    int c;
    bool any = false;
    while ((c = std::fgetc(in_)) != EOF) {
        any = true;
        if (c == '\n')
            break;
        line += char(c);
    }
    if (!any)
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

bool ConsolePrompter::askYesNo(std::string_view text, std::string_view, MsgIcon)
{
    std::fprintf(err_, "%s [y/N]? ", oneLine(text).c_str());
    std::fflush(err_);
    auto answer = readLine();
    if (!answer)
        return false;
    std::string a;
    for (char c : *answer)
        if (c != ' ')
            a += char(std::tolower(static_cast<unsigned char>(c)));
    return a == "y" || a == "yes";
}

std::optional<std::string> ConsolePrompter::askText(std::string_view prompt, std::string_view,
                                                    std::string_view defaultText)
{
    std::fprintf(err_, "%s [%.*s]: ", oneLine(prompt).c_str(), int(defaultText.size()), defaultText.data());
    std::fflush(err_);
    auto answer = readLine();
    if (!answer)
        return std::nullopt;
    if (answer->empty())
        return std::string(defaultText);
    return answer;
}

void ConsolePrompter::showUsage(std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), out_);
    if (!text.empty() && text.back() != '\n')
        std::fputc('\n', out_);
    std::fflush(out_);
}

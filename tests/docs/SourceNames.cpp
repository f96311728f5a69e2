#include "tests/docs/SourceNames.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {
bool identifierChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// name as a whole word followed by "(", blanks allowed between.
bool mentionsCall(const std::string& text, const std::string& name)
{
    for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + 1)) {
        if (at > 0 && identifierChar(text[at - 1]))
            continue;
        std::size_t after = at + name.size();
        while (after < text.size() && text[after] == ' ')
            ++after;
        if (after < text.size() && text[after] == '(')
            return true;
    }
    return false;
}

std::string contents(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

template <class Iterator>
bool anyFileMentions(const std::string& folder, const char* extension, const std::string& name)
{
    for (const fs::directory_entry& e : Iterator(folder))
        if (e.is_regular_file() && e.path().extension() == extension && mentionsCall(contents(e.path()), name))
            return true;
    return false;
}

// The top folders of the program, lowest layer first.
std::vector<std::string> programFolders(const std::string& sourceRoot)
{
    std::vector<std::string> folders;
    std::ifstream layers(sourceRoot + "scripts/layers.txt");
    std::string line;
    while (std::getline(layers, line)) {
        if (line.starts_with('#'))
            continue;
        std::istringstream words(line);
        for (std::string folder; words >> folder;)
            if (folder != "tests" && folder != "bench")
                folders.push_back(folder);
    }
    return folders;
}

std::string trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(' ') - first + 1);
}
} // namespace

std::vector<std::string> RowCells(const std::string& row)
{
    std::vector<std::string> cells;
    std::size_t bar = row.find('|');
    while (bar != std::string::npos) {
        const std::size_t next = row.find('|', bar + 1);
        if (next == std::string::npos)
            break;
        cells.push_back(trimmed(row.substr(bar + 1, next - bar - 1)));
        bar = next;
    }
    return cells;
}

std::vector<std::string> CodeNames(const std::string& cell)
{
    std::vector<std::string> names;
    for (std::size_t open = cell.find('`'); open != std::string::npos; open = cell.find('`', open + 1)) {
        const std::size_t close = cell.find('`', open + 1);
        if (close == std::string::npos)
            break;
        names.push_back(cell.substr(open + 1, close - open - 1));
        open = close;
    }
    return names;
}

bool HeaderBelowMentionsCall(const std::string& folder, const std::string& name)
{
    return anyFileMentions<fs::recursive_directory_iterator>(folder, ".h", name);
}

bool SourceInMentionsCall(const std::string& folder, const std::string& name)
{
    return anyFileMentions<fs::directory_iterator>(folder, ".cpp", name);
}

std::vector<std::string> DeclaredWindowNames(const std::string& sourceRoot)
{
    const std::string mark = "WindowName = \"";
    std::vector<std::string> names;
    for (const std::string& folder : programFolders(sourceRoot))
        for (const fs::directory_entry& e : fs::recursive_directory_iterator(sourceRoot + folder)) {
            if (!e.is_regular_file() || e.path().extension() != ".h")
                continue;
            const std::string text = contents(e.path());
            for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + 1)) {
                const std::size_t start = at + mark.size();
                names.push_back(text.substr(start, text.find('"', start) - start));
            }
        }
    return names;
}

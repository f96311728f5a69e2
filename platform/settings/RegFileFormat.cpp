#include "platform/settings/RegFileFormat.h"

#include "platform/text/Ascii.h"

#include <cctype>
#include <cstdio>

namespace {
constexpr std::string_view RegFileSignature = "Windows Registry Editor Version 5.00";

void appendQuoted(std::string& out, std::string_view s)
{
    out += '"';
    for (char c : s) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\0':
            out += "\\0";
            break;
        default:
            out += c;
        }
    }
    out += '"';
}

// Reads a quoted string at pos; on success pos is past the closing quote.
bool readQuoted(std::string_view line, std::size_t& pos, std::string& out)
{
    if (pos >= line.size() || line[pos] != '"')
        return false;
    ++pos;
    out.clear();
    while (pos < line.size()) {
        char c = line[pos++];
        if (c == '"')
            return true;
        if (c != '\\') {
            out += c;
            continue;
        }
        if (pos >= line.size())
            return false;
        char e = line[pos++];
        switch (e) {
        case '\\':
            out += '\\';
            break;
        case '"':
            out += '"';
            break;
        case 'r':
            out += '\r';
            break;
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case '0':
            out += '\0';
            break;
        default:
            return false;
        }
    }
    return false;
}

bool parseValueLine(std::string_view line, std::string& name, RegData& data)
{
    std::size_t pos = 0;
    if (line.starts_with('@')) {
        name.clear();
        pos = 1;
    } else if (!readQuoted(line, pos, name)) {
        return false;
    }
    if (pos >= line.size() || line[pos] != '=')
        return false;
    ++pos;
    std::string_view rest = line.substr(pos);
    if (rest.starts_with("dword:")) {
        std::string_view hex = rest.substr(6);
        if (hex.size() != 8)
            return false;
        std::uint32_t v = 0;
        for (char c : hex) {
            int d = std::isdigit(static_cast<unsigned char>(c))      ? c - '0'
                    : (AsciiLower(c) >= 'a' && AsciiLower(c) <= 'f') ? AsciiLower(c) - 'a' + 10
                                                                     : -1;
            if (d < 0)
                return false;
            v = v * 16 + std::uint32_t(d);
        }
        data = v;
        return true;
    }
    std::string text;
    if (!readQuoted(line, pos, text) || pos != line.size())
        return false;
    data = std::move(text);
    return true;
}

// A key name may hold what a "[...]" line cannot: a line break. Such
// characters (and "%" itself) are written as "%" and two hex digits.
std::string escapeKeyName(std::string_view name)
{
    std::string out;
    for (char c : name) {
        if (c == '\r' || c == '\n' || c == '%') {
            char buf[4];
            std::snprintf(buf, sizeof buf, "%%%02X", unsigned(static_cast<unsigned char>(c)));
            out += buf;
        } else {
            out += c;
        }
    }
    return out;
}

std::string unescapeKeyName(std::string_view name)
{
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        std::string_view code = name.substr(i + 1, 2);
        char c = AsciiUpper(code.size() == 2 ? code[1] : 0);
        if (name[i] == '%' && code.size() == 2 && code[0] == '0' && (c == 'A' || c == 'D')) {
            out += c == 'A' ? '\n' : '\r';
            i += 2;
        } else if (name[i] == '%' && code == "25") {
            out += '%';
            i += 2;
        } else {
            out += name[i];
        }
    }
    return out;
}

void serializeValues(std::string& out, const RegKey& key, const std::string& path)
{
    out += "\r\n[" + path + "]\r\n";
    for (const auto& [name, data] : key.values) {
        if (name.empty())
            out += '@';
        else
            appendQuoted(out, name);
        out += '=';
        if (auto* num = std::get_if<std::uint32_t>(&data)) {
            char buf[16];
            std::snprintf(buf, sizeof buf, "dword:%08x", unsigned(*num));
            out += buf;
        } else {
            appendQuoted(out, std::get<std::string>(data));
        }
        out += "\r\n";
    }
}
} // namespace

bool CaseInsensitiveLess::operator()(std::string_view a, std::string_view b) const
{
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        char x = AsciiLower(a[i]), y = AsciiLower(b[i]);
        if (x != y)
            return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    }
    return a.size() < b.size();
}

RegKey* RegKey::child(std::string_view childName) const
{
    auto it = subkeys.find(std::string(childName));
    return it == subkeys.end() ? nullptr : it->second.get();
}

RegKey& RegKey::childOrCreate(std::string_view childName)
{
    if (RegKey* existing = child(childName))
        return *existing;
    auto key = std::make_unique<RegKey>();
    key->name = std::string(childName);
    RegKey& ref = *key;
    subkeys.emplace(key->name, std::move(key));
    return ref;
}

std::vector<std::string_view> SplitKeyPath(std::string_view path)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string_view::npos)
            end = path.size();
        if (end > start)
            parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

RegParseResult ParseRegFile(std::string_view text)
{
    RegParseResult result;
    RegKey* current = nullptr;
    std::size_t lineNo = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNo;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.empty() || line.starts_with(';') || (lineNo == 1 && line == RegFileSignature))
            continue;
        if (line.front() == '[' && line.back() == ']' && line.size() > 2) {
            auto parts = SplitKeyPath(line.substr(1, line.size() - 2));
            if (parts.empty() || parts.size() > MaxKeyDepth) {
                result.badLines.push_back(lineNo);
                current = nullptr;
                continue;
            }
            current = &result.tree;
            for (auto part : parts)
                current = &current->childOrCreate(unescapeKeyName(part));
            continue;
        }
        std::string name;
        RegData data;
        if (!current || !parseValueLine(line, name, data)) {
            result.badLines.push_back(lineNo);
            continue;
        }
        current->values.insert_or_assign(std::move(name), std::move(data));
    }
    return result;
}

std::string SerializeRegFile(const RegKey& tree)
{
    std::string out(RegFileSignature);
    out += "\r\n";
    // Depth first without recursion, in the maps' order. A key that holds
    // only subkeys is not written: their sections make it again, and its
    // path is not repeated once for every level.
    struct Pending {
        const RegKey* key;
        std::string path;
    };
    std::vector<Pending> stack;
    for (auto it = tree.subkeys.rbegin(); it != tree.subkeys.rend(); ++it)
        stack.push_back({it->second.get(), escapeKeyName(it->second->name)});
    while (!stack.empty()) {
        Pending next = std::move(stack.back());
        stack.pop_back();
        if (!next.key->values.empty() || next.key->subkeys.empty())
            serializeValues(out, *next.key, next.path);
        for (auto it = next.key->subkeys.rbegin(); it != next.key->subkeys.rend(); ++it)
            stack.push_back({it->second.get(), next.path + "\\" + escapeKeyName(it->second->name)});
    }
    return out;
}

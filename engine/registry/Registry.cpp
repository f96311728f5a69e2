#include "engine/registry/Registry.h"

#include "engine/text/StringHelpers.h"
#include "platform/prompter/ErrorBox.h"
#include "platform/settings/RegStore.h"

#include <charconv>
#include <cstdint>

namespace {
std::string_view rootName(RegRoot root)
{
    switch (root) {
    case HKEY_CLASSES_ROOT:
        return "HKEY_CLASSES_ROOT";
    case HKEY_LOCAL_MACHINE:
        return "HKEY_LOCAL_MACHINE";
    default:
        return {};
    }
}

[[noreturn]] void raise(int number)
{
    throw AppError(number, std::string(ErrorDescription(number)));
}

std::int32_t toDword(std::int64_t value)
{
    if (value < INT32_MIN || value > INT32_MAX)
        raise(ErrOverflow);
    return std::int32_t(value);
}

std::int32_t dwordFromText(std::string_view text)
{
    text = TrimBlanks(text);
    std::int64_t value = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc::result_out_of_range)
        raise(ErrOverflow);
    if (ec != std::errc() || ptr != text.data() + text.size())
        raise(ErrTypeMismatch);
    return toDword(value);
}
} // namespace

RegValue RegValue::Text(std::string text)
{
    RegValue v;
    v.kind_ = Kind::Text;
    v.text_ = std::move(text);
    return v;
}

RegValue RegValue::Number(std::int32_t number)
{
    RegValue v;
    v.kind_ = Kind::Number;
    v.number_ = number;
    return v;
}

std::string RegValue::text() const
{
    switch (kind_) {
    case Kind::Text:
        return text_;
    case Kind::Number:
        return std::to_string(number_);
    default:
        return {};
    }
}

std::int64_t RegValue::number() const
{
    if (kind_ == Kind::Number)
        return number_;
    if (kind_ == Kind::Empty)
        return 0;
    std::string_view t = TrimBlanks(text_);
    std::int64_t v = 0;
    if (std::from_chars(t.data(), t.data() + t.size(), v).ec == std::errc::result_out_of_range)
        raise(ErrOverflow);
    return toDword(v);
}

void CreateNewKey(RegRoot root, std::string_view keyPath)
{
    if (auto r = rootName(root); !r.empty())
        RegStore::Instance().createKey(r, keyPath);
}

void SetKeyValue(RegRoot root, std::string_view keyPath, std::string_view valueName, std::string_view value, int type)
{
    auto r = rootName(root);
    if (r.empty())
        return;
    if (type == REG_SZ) {
        RegStore::Instance().setValue(r, keyPath, valueName, RegData(std::string(value)));
    } else if (type == REG_DWORD) {
        RegStore::Instance().setValue(r, keyPath, valueName, RegData(std::uint32_t(dwordFromText(value))));
    }
}

RegValue QueryValue(RegRoot root, std::string_view keyPath, std::string_view valueName)
{
    auto r = rootName(root);
    if (r.empty())
        return {};
    auto data = RegStore::Instance().queryValue(r, keyPath, valueName);
    if (!data)
        return {};
    if (auto* n = std::get_if<std::uint32_t>(&*data))
        return RegValue::Number(std::int32_t(*n));
    return RegValue::Text(TrimNull(std::get<std::string>(*data)));
}

void DeleteKey(RegRoot root, std::string_view keyPath)
{
    if (auto r = rootName(root); !r.empty())
        RegStore::Instance().deleteKey(r, keyPath);
}

int EnumKeys(RegRoot root, std::string_view keyPath, std::vector<std::string>& names)
{
    names.assign(1, std::string());
    auto r = rootName(root);
    if (r.empty())
        return 0;
    auto found = RegStore::Instance().enumKeys(r, keyPath);
    if (!found)
        return 0;
    names.clear();
    for (auto& n : *found) {
        std::string_view trimmed = TrimBlanks(n);
        if (!trimmed.empty())
            names.emplace_back(trimmed);
    }
    int count = int(names.size());
    names.emplace_back();
    return count;
}

bool RegFlag(RegRoot root, std::string_view keyPath, std::string_view valueName)
{
    return QueryValue(root, keyPath, valueName) == "True";
}

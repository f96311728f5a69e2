#pragma once
// Settings access with the registry's semantics, over the program's own
// settings store: each call opens the store, does one thing and closes it.
// The store's own failures (a damaged or unwritable file) are told to the
// user there and never reach the caller; what does is a value that is no
// 32-bit number: "Type mismatch" and "Overflow" (AppError), as said below.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using RegRoot = std::uint32_t;
inline constexpr RegRoot HKEY_CLASSES_ROOT = 0x80000000u;
inline constexpr RegRoot HKEY_LOCAL_MACHINE = 0x80000002u;

inline constexpr int REG_SZ = 1;
inline constexpr int REG_DWORD = 4;

// The program's own key below HKEY_LOCAL_MACHINE.
inline constexpr std::string_view AppRegKey = "SOFTWARE\\CorvaneDisk";

// A value as read: missing (empty), a text or a number.
class RegValue {
public:
    enum class Kind { Empty, Text, Number };

    RegValue() = default;
    static RegValue Text(std::string text);
    // A REG_DWORD as the registry Part reads it: a signed 32-bit number.
    static RegValue Number(std::int32_t number);

    Kind kind() const { return kind_; }
    bool isEmpty() const { return kind_ == Kind::Empty; }
    // Empty gives "", a number its decimal digits.
    std::string text() const;
    // Empty gives 0, a text its leading decimal number (0 when none). A
    // number that does not fit 32 bits raises AppError "Overflow".
    std::int64_t number() const;

    // As the settings code compares: Empty equals "", a number its digits.
    bool operator==(std::string_view other) const { return text() == other; }

private:
    Kind kind_ = Kind::Empty;
    std::string text_;
    std::int32_t number_ = 0;
};

void CreateNewKey(RegRoot root, std::string_view keyPath);
// type REG_SZ stores value as text; REG_DWORD as a signed 32-bit number: a
// text that is no number raises AppError "Type mismatch", a number that
// does not fit raises "Overflow" (nothing is written then); other types
// write nothing.
void SetKeyValue(RegRoot root, std::string_view keyPath, std::string_view valueName, std::string_view value, int type);
RegValue QueryValue(RegRoot root, std::string_view keyPath, std::string_view valueName);
// Removes a key and everything below it.
void DeleteKey(RegRoot root, std::string_view keyPath);
// names gets the direct subkeys (sorted) and one more empty slot; returns their count.
int EnumKeys(RegRoot root, std::string_view keyPath, std::vector<std::string>& names);

// True when the settings value holds exactly "True".
bool RegFlag(RegRoot root, std::string_view keyPath, std::string_view valueName);

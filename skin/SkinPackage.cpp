#include "skin/SkinPackage.h"

#include "platform/text/Ascii.h"
#include "platform/text/Excerpt.h"

#include <sys/stat.h>

#include <memory>

namespace {
struct ZipFileClose {
    void operator()(zip_file_t* f) const { zip_fclose(f); }
};

std::string sizeText(std::uint64_t bytes)
{
    return std::to_string(bytes >> 20) + " MB";
}

// A plain name at the archive's top: no folder part of either kind of
// separator, no "." or "..".
bool rootName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\") == std::string_view::npos;
}

bool isLink(zip_t* zip, zip_uint64_t index)
{
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(zip, index, 0, &system, &attributes) != 0)
        return false;
    return system == ZIP_OPSYS_UNIX && ((attributes >> 16) & S_IFMT) == S_IFLNK;
}
} // namespace

std::optional<SkinPackage> SkinPackage::open(const std::string& path, std::string& why)
{
    ZipHandle zip = OpenZipArchive(path, why);
    if (!zip)
        return std::nullopt;
    const zip_int64_t count = zip_get_num_entries(zip.get(), 0);
    if (count < 0 || std::uint64_t(count) > MaxMembers) {
        why = path + ": more than " + std::to_string(MaxMembers) + " members";
        return std::nullopt;
    }
    SkinPackage package(std::move(zip));
    zip_t* z = package.zip_.get();
    std::uint64_t total = 0;
    for (zip_uint64_t i = 0; i < zip_uint64_t(count); ++i) {
        zip_stat_t st;
        if (zip_stat_index(z, i, 0, &st) != 0 || !st.name)
            continue;
        if (st.size > MaxMemberSize) {
            why = path + ": " + Excerpt(st.name) + " would unpack to more than " + sizeText(MaxMemberSize);
            return std::nullopt;
        }
        total += st.size;
        if (total > MaxTotalSize) {
            why = path + ": its members would unpack to more than " + sizeText(MaxTotalSize);
            return std::nullopt;
        }
        if (rootName(st.name) && !isLink(z, i))
            package.members_.emplace(AsciiLowerCopy(st.name), i); // the first of equal names wins
    }
    return package;
}

bool SkinPackage::has(std::string_view name) const
{
    return members_.count(AsciiLowerCopy(name)) != 0;
}

std::optional<std::string> SkinPackage::read(std::string_view name, std::string& why) const
{
    const auto it = members_.find(AsciiLowerCopy(name));
    if (it == members_.end()) {
        why = "missing";
        return std::nullopt;
    }
    zip_stat_t st;
    std::unique_ptr<zip_file_t, ZipFileClose> file;
    if (zip_stat_index(zip_.get(), it->second, 0, &st) == 0)
        file.reset(zip_fopen_index(zip_.get(), it->second, 0));
    if (!file) {
        why = zip_strerror(zip_.get());
        return std::nullopt;
    }
    // One byte more than announced shows a member that lies about its size.
    std::string bytes(std::size_t(st.size) + 1, '\0');
    std::size_t got = 0;
    while (got < bytes.size()) {
        const zip_int64_t n = zip_fread(file.get(), bytes.data() + got, bytes.size() - got);
        if (n < 0) {
            why = zip_file_strerror(file.get());
            return std::nullopt;
        }
        if (n == 0)
            break;
        got += std::size_t(n);
    }
    if (got != st.size) {
        why = "damaged";
        return std::nullopt;
    }
    bytes.resize(got);
    return bytes;
}

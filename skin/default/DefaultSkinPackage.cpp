#include "skin/default/DefaultSkinPackage.h"

#include "engine/archive/ZipArchive.h"
#include "engine/start/AppFolders.h"
#include "platform/fs/AtomicFile.h"
#include "platform/prompter/Prompter.h"
#include "skin/TmpFolder.h"
#include "skin/art/BmpFile.h"
#include "skin/default/DefaultSkinArt.h"
#include "skin/default/DefaultSkinDescription.h"

#include <zip.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {
// Every member carries the same date, so that two builds give the same bytes: 1 January 2024, 00:00.
constexpr zip_uint16_t MemberDate = (2024 - 1980) << 9 | 1 << 5 | 1;
constexpr zip_uint16_t MemberTime = 0;

struct Member {
    std::string name;
    std::string data;
};

std::vector<Member> members()
{
    std::vector<Member> list;
    for (const SkinArt& art : PaintDefaultSkin())
        list.push_back({art.name + ".bmp", EncodeBmp(art.picture, art.bitsPerPixel)});
    list.push_back({SkinDescriptionName, DefaultSkinDescription()});
    return list;
}

[[noreturn]] void fail(std::string_view what, zip_error_t* error)
{
    throw std::runtime_error(std::string(what) + ": " + zip_error_strerror(error));
}

struct SourceFree {
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};
using SourceHandle = std::unique_ptr<zip_source_t, SourceFree>;

// A zip_error_t of our own, released however we leave.
struct LocalError {
    LocalError() { zip_error_init(&error); }
    ~LocalError() { zip_error_fini(&error); }
    zip_error_t error;
};

void add(zip_t* zip, const Member& m)
{
    zip_source_t* source = zip_source_buffer(zip, m.data.data(), m.data.size(), 0);
    if (!source)
        fail(m.name, zip_get_error(zip));
    const zip_int64_t index = zip_file_add(zip, m.name.c_str(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        fail(m.name, zip_get_error(zip));
    }
    if (zip_set_file_compression(zip, zip_uint64_t(index), ZIP_CM_DEFLATE, 9) != 0 ||
        zip_file_set_dostime(zip, zip_uint64_t(index), MemberTime, MemberDate, 0) != 0)
        fail(m.name, zip_get_error(zip));
}

std::string readAll(zip_source_t* source)
{
    if (zip_source_open(source) != 0)
        fail("package", zip_source_error(source));
    zip_stat_t st;
    zip_stat_init(&st);
    std::string bytes;
    if (zip_source_stat(source, &st) == 0 && (st.valid & ZIP_STAT_SIZE)) {
        bytes.resize(std::size_t(st.size));
        if (zip_source_read(source, bytes.data(), st.size) != zip_int64_t(st.size))
            bytes.clear();
    }
    zip_source_close(source);
    if (bytes.empty())
        fail("package", zip_source_error(source));
    return bytes;
}
} // namespace

std::string BuildDefaultSkinPackage()
{
    const std::vector<Member> list = members(); // the archive points into these until it is closed
    LocalError local;
    SourceHandle buffer(zip_source_buffer_create(nullptr, 0, 0, &local.error));
    if (!buffer)
        fail("package", &local.error);
    ZipHandle zip(zip_open_from_source(buffer.get(), ZIP_TRUNCATE, &local.error));
    if (!zip)
        fail("package", &local.error);
    zip_source_keep(buffer.get()); // the archive's reference goes with it; this one is ours
    for (const Member& m : list)
        add(zip.get(), m);
    if (zip_close(zip.get()) != 0)
        fail("package", zip_get_error(zip.get()));
    zip.release(); // closed and freed
    return readAll(buffer.get());
}

bool WriteDefaultSkinPackage(const std::string& path, std::string& error)
{
    std::string bytes;
    try {
        bytes = BuildDefaultSkinPackage();
    } catch (const std::exception& e) {
        error = e.what();
        return false;
    }
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    if (ec) {
        error = ec.message();
        return false;
    }
    int code = 0;
    if (!WriteFileAtomically(path, bytes, &code)) {
        error = std::strerror(code);
        return false;
    }
    return true;
}

bool GenerateDefaultSkin(Prompter& prompter, const AppFolders& folders)
{
    const std::string path = folders.SkinPath + DefaultSkinName;
    std::string error;
    const bool written = WriteDefaultSkinPackage(path, error);
    EmptyTmpFolder(folders.TmpPath);
    if (!written)
        prompter.message("The default skin could not be written to " + path + ": " + error +
                             ".\r\nThe skin that was there is kept.",
                         "", MsgIcon::Exclamation);
    return written;
}

#include "engine/archive/ZipExtract.h"

#include "engine/archive/ExtractTarget.h"
#include "platform/prompter/Prompter.h"

#include <fcntl.h>

#include <memory>
#include <optional>

namespace {
constexpr std::size_t ChunkSize = 64 * 1024;

struct ZipFileClose {
    void operator()(zip_file_t* f) const { zip_fclose(f); }
};
using ZipFileHandle = std::unique_ptr<zip_file_t, ZipFileClose>;

// The question before a file is replaced; true to replace it.
bool UnzipReplace(const UnzipOptions& options, const std::string& path)
{
    if (options.UnzipOverwriteAll)
        return true;
    if (!options.UnzipPromptOverwrite)
        return false;
    return ActivePrompter().askYesNo(options.OverwriteQuestionText + path + "?", options.OverwriteTitleText,
                                     MsgIcon::Exclamation);
}

// The password for the next encrypted member; nullopt once the user left
// the prompt empty.
std::optional<std::string> UnzipPassword(UnzipOptions& options)
{
    if (options.UnzipSkipPassword)
        return std::nullopt;
    std::optional<std::string> answer = ActivePrompter().askText(options.PasswordPromptText, "", "");
    if (!answer || answer->empty()) {
        options.UnzipSkipPassword = true;
        return std::nullopt;
    }
    return answer;
}

// Opens member index for reading; an encrypted one with the password given
// before, else with one asked for (once more after a wrong one).
ZipFileHandle openMember(zip_t* zip, zip_uint64_t index, const zip_stat_t& st, UnzipOptions& options,
                         std::optional<std::string>& password, std::string& error)
{
    if (st.encryption_method == ZIP_EM_NONE) {
        ZipFileHandle f(zip_fopen_index(zip, index, 0));
        if (!f)
            error = zip_strerror(zip);
        return f;
    }
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!password)
            password = UnzipPassword(options);
        if (!password) {
            error = "no password given";
            return nullptr;
        }
        ZipFileHandle f(zip_fopen_index_encrypted(zip, index, 0, password->c_str()));
        if (f)
            return f;
        error = zip_strerror(zip);
        if (zip_error_code_zip(zip_get_error(zip)) != ZIP_ER_WRONGPASSWD)
            return nullptr;
        password.reset();
    }
    return nullptr;
}

bool copyMember(zip_file_t* from, ExtractedFile& to, std::string& error)
{
    std::string chunk(ChunkSize, '\0');
    for (;;) {
        const zip_int64_t n = zip_fread(from, chunk.data(), chunk.size());
        if (n < 0) {
            error = zip_file_strerror(from);
            return false;
        }
        if (n == 0)
            return to.commit(error);
        if (!to.write(std::string_view(chunk.data(), std::size_t(n)), error))
            return false;
    }
}
std::string shownPath(const UnzipOptions& options, const std::vector<std::string>& folders, const std::string& name)
{
    std::string path = options.UnzipExtractDir;
    for (const std::string& f : folders)
        path += "/" + f;
    return path + "/" + name;
}

// Unpacks one member below target; "" when it is done or deliberately left
// out (a file kept), else why it failed.
std::string extractMember(zip_t* zip, zip_uint64_t index, const zip_stat_t& st, int target, UnzipOptions& options,
                          std::optional<std::string>& password)
{
    const std::string_view stored = st.name;
    const bool folderEntry = !stored.empty() && stored.back() == '/';
    std::optional<std::vector<std::string>> parts = SafeMemberParts(stored);
    if (!parts)
        return "a path outside the target folder";
    if (parts->empty() || (folderEntry && !options.UnzipHonorDirs))
        return {};
    std::string name;
    if (!folderEntry) {
        name = std::move(parts->back());
        parts->pop_back();
    }
    if (!options.UnzipHonorDirs)
        parts->clear();

    std::string error;
    UniqueFd folder = OpenFolderBelow(target, *parts, true, error);
    if (!folder || name.empty())
        return error;
    if (EntryExists(folder.get(), name) && !UnzipReplace(options, shownPath(options, *parts, name)))
        return {};
    ZipFileHandle member = openMember(zip, index, st, options, password, error);
    if (!member)
        return error;
    ExtractedFile file(folder.get(), name);
    if (!file.open(error) || !copyMember(member.get(), file, error))
        return error;
    return {};
}
} // namespace

std::string ExtractZipMembers(zip_t* zip, UnzipOptions& options)
{
    UniqueFd target(::open(options.UnzipExtractDir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!target)
        return options.UnzipExtractDir + ": cannot open the folder";

    std::string problems;
    std::optional<std::string> password;
    const zip_int64_t count = zip_get_num_entries(zip, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        if (zip_stat_index(zip, zip_uint64_t(i), 0, &st) != 0 || !st.name)
            continue;
        const std::string error = extractMember(zip, zip_uint64_t(i), st, target.get(), options, password);
        if (!error.empty())
            problems += std::string(st.name) + ": " + error + "\r\n";
    }
    return problems;
}

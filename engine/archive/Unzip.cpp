#include "engine/archive/Unzip.h"

#include "engine/archive/ArchiveBytes.h"
#include "engine/archive/MemberListing.h"
#include "engine/archive/ZipArchive.h"
#include "engine/archive/ZipDirectory.h"
#include "engine/archive/ZipExtract.h"
#include "engine/catalog/CatalogDate.h"
#include "engine/catalog/CommentCodec.h"
#include "engine/text/StringHelpers.h"
#include "platform/prompter/Prompter.h"

#include <ctime>

namespace {
// Only where the central directory could not be read: libzip turned the
// stored date into a local time, and turning it back gives the stored fields.
std::string dateFromLibzip(std::time_t mtime)
{
    std::tm tm{};
    if (!localtime_r(&mtime, &tm))
        return CatalogDateFromDos(0);
    return CatalogDate(tm.tm_mday, tm.tm_mon + 1, tm.tm_year + 1900);
}

// A name's text: UTF-8 when marked so (or taken by libzip from the Unicode
// path field), the DOS code page when an MS-DOS or Windows system wrote it,
// else the bytes as that system's file system gave them.
std::string memberName(std::string_view libzipName, const ZipEntryFacts& f)
{
    if (f.utf8Name || libzipName != f.storedName || !ZipHostUsesDosCodePage(f.host))
        return std::string(libzipName);
    return DosCodePageToUtf8(libzipName);
}

// One line per member; folder entries (names ending in "/") give none.
void listMembers(zip_t* zip, ArchiveBytes& in, MemberListing& listing)
{
    const zip_int64_t count = zip_get_num_entries(zip, 0);
    const std::vector<ZipEntryFacts> facts = ReadZipDirectory(in);
    const bool stored = facts.size() == std::size_t(count);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        if (zip_stat_index(zip, zip_uint64_t(i), ZIP_FL_ENC_RAW, &st) != 0 || !st.name)
            continue;
        const std::string_view name = st.name;
        if (!name.empty() && name.back() == '/')
            continue;
        const bool added = stored ? listing.add(memberName(name, facts[std::size_t(i)]), st.size,
                                                CatalogDateFromDos(facts[std::size_t(i)].dosDate))
                                  : listing.add(name, st.size, dateFromLibzip(st.mtime));
        if (!added)
            return;
    }
}

// The comment as the library prints it: its text up to a NUL, line breaks as CR LF.
void printComment(zip_t* zip, std::string& message)
{
    int length = 0;
    const char* comment = zip_get_archive_comment(zip, &length, ZIP_FL_ENC_RAW);
    if (comment && length > 0)
        message += NormalizeLineBreaks(TrimNull(std::string_view(comment, std::size_t(length))));
}
} // namespace

bool ReadZipArchive(const FileAt& file, MemberListing* members, std::string* comment, Problems& problems)
{
    std::string error;
    try {
        ArchiveBytes in(file);
        if (ZipHandle zip = OpenZipArchive(in.fd(), file.path, error)) {
            if (comment)
                printComment(zip.get(), *comment);
            if (members)
                listMembers(zip.get(), in, *members);
            return true;
        }
    } catch (const std::exception& e) {
        error = e.what();
    }
    problems.add(LibraryProblem(std::move(error), file.path));
    return false;
}

void UnzipRun(UnzipOptions& u)
{
    // A run has no caller to hand its problems to: they are shown at once.
    Problems problems;
    problems.onProblem = [](const Problem& p) { ShowProblem(ActivePrompter(), p); };
    if (u.UnzipListOnly) {
        ReadZipArchive(FileAt::Path(u.UnzipZipFile), u.Listing, u.UnzipShowComment ? &u.UnzipMessage : nullptr,
                       problems);
        return;
    }
    std::string error;
    if (ZipHandle zip = OpenZipArchive(u.UnzipZipFile, error))
        error = ExtractZipMembers(zip.get(), u);
    if (!error.empty())
        problems.add(LibraryProblem(std::move(error), u.UnzipZipFile));
}

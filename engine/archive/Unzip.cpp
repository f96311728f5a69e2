#include "engine/archive/Unzip.h"

#include "engine/archive/MemberListing.h"
#include "engine/archive/ZipArchive.h"
#include "engine/archive/ZipExtract.h"
#include "engine/catalog/CatalogDate.h"
#include "engine/catalog/CommentCodec.h"
#include "engine/text/StringHelpers.h"
#include "platform/prompter/Prompter.h"

#include <ctime>

namespace {
// libzip turns the stored MS-DOS date and time into a time as local time;
// turning it back gives the stored fields.
std::string storedDate(std::time_t mtime)
{
    std::tm tm{};
    if (!localtime_r(&mtime, &tm))
        return CatalogDateFromDos(0);
    return CatalogDate(tm.tm_mday, tm.tm_mon + 1, tm.tm_year + 1900);
}

// One line per member; folder entries (names ending in "/") give none.
void UnzipReceiveEntries(zip_t* zip, MemberListing& listing)
{
    const zip_int64_t count = zip_get_num_entries(zip, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        if (zip_stat_index(zip, zip_uint64_t(i), 0, &st) != 0 || !st.name)
            continue;
        const std::string_view name = st.name;
        if (!name.empty() && name.back() == '/')
            continue;
        if (!listing.add(name, st.size, storedDate(st.mtime)))
            return;
    }
}

// The comment as the library prints it: its text up to a NUL, line breaks as CR LF.
void UnzipPrintComment(zip_t* zip, std::string& message)
{
    int length = 0;
    const char* comment = zip_get_archive_comment(zip, &length, 0);
    if (comment && length > 0)
        message += NormalizeLineBreaks(TrimNull(std::string_view(comment, std::size_t(length))));
}
} // namespace

UnzipOptions& Unzip()
{
    static UnzipOptions options;
    return options;
}

void UnzipRun()
{
    UnzipOptions& u = Unzip();
    const bool listing = u.UnzipListOnly && !u.UnzipShowComment;
    const bool reportedBefore = u.UnzipShowComment && u.FailedListing == u.UnzipZipFile;
    u.FailedListing.clear();

    std::string error;
    if (ZipHandle zip = OpenZipArchive(u.UnzipZipFile, error)) {
        if (u.UnzipShowComment)
            UnzipPrintComment(zip.get(), u.UnzipMessage);
        else if (!u.UnzipListOnly)
            error = ExtractZipMembers(zip.get(), u);
        else if (u.Listing)
            UnzipReceiveEntries(zip.get(), *u.Listing);
    }
    if (error.empty())
        return;
    if (listing)
        u.FailedListing = u.UnzipZipFile;
    if (!reportedBefore)
        ActivePrompter().message(error, "", MsgIcon::None);
}

#include "engine/scan/CatalogScan.h"

#include "engine/archive/ArchiveContents.h"
#include "engine/catalog/CatalogDate.h"
#include "engine/catalog/CatalogLine.h"
#include "engine/catalog/CatalogPath.h"
#include "engine/catalog/CommentCodec.h"
#include "engine/scan/HtmlTitle.h"
#include "engine/scan/Wildcard.h"
#include "engine/text/PathHelpers.h"
#include "engine/text/StringHelpers.h"
#include "platform/fs/AtomicFile.h"
#include "platform/prompter/ErrorBox.h"
#include "platform/text/Ascii.h"
#include "platform/volume/VolumeInfo.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {
constexpr std::string_view kModule = "modFindFile";

bool isPageExtension(std::string_view ext)
{
    // These spellings exactly, as catalogs have always been made.
    for (std::string_view e : {"HTML", "DHMTL", "SHTML", "HTM", "DHMT", "SHTM"})
        if (ext == e)
            return true;
    return false;
}

struct FileEntry {
    std::string name;
    std::uint64_t size = 0;
    std::int64_t mtime = 0;
};

struct FolderListing {
    std::vector<FileEntry> files;   // matching regular files (links to them included)
    std::vector<std::string> dirs;  // sub-folders on the same file system
};

class Walker {
public:
    Walker(const ScanOptions& opts, ScanSession& session, dev_t rootDevice)
        : opts_(opts), session_(session), rootDevice_(rootDevice)
    {
    }

    // dir is native and ends with "/".
    void walk(const std::string& dir, std::string_view pattern)
    {
        if (stopped())
            return;
        FolderListing listing;
        if (!list(dir, pattern, listing))
            return; // a folder that cannot be read adds nothing
        try {
            std::string catalogDir = ToCatalogPath(dir);
            for (const FileEntry& f : listing.files) {
                if (stopped())
                    break;
                addFile(dir, catalogDir, f);
            }
        } catch (const std::exception& e) {
            ShowErrorBox(e, kModule, "GetFileInformation");
        }
        if (session_.onProgress)
            session_.onProgress(session_.lines.count() - HeaderLineCount);
        if (!opts_.RecursiveDir)
            return;
        for (const std::string& sub : listing.dirs) {
            if (stopped())
                break;
            walk(dir + sub + "/", pattern);
        }
    }

private:
    bool stopped() const { return full_ || session_.StopScan.load(std::memory_order_relaxed); }

    bool list(const std::string& dir, std::string_view pattern, FolderListing& out)
    {
        int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return false;
        DIR* d = ::fdopendir(fd);
        if (!d) {
            ::close(fd);
            return false;
        }
        while (dirent* e = ::readdir(d)) {
            if (session_.StopScan.load(std::memory_order_relaxed))
                break;
            std::string_view name = e->d_name;
            if (name == "." || name == "..")
                continue;
            unsigned char type = e->d_type;
            struct stat st;
            if (type == DT_UNKNOWN) {
                if (::fstatat(fd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                    continue;
                type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISREG(st.st_mode) ? DT_REG
                                                   : S_ISLNK(st.st_mode) ? DT_LNK
                                                                         : DT_FIFO;
            }
            if (type == DT_DIR) {
                // Stay on the root's file system (no /proc inside a scan of /).
                if (opts_.RecursiveDir && ::fstatat(fd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
                    S_ISDIR(st.st_mode) && st.st_dev == rootDevice_)
                    out.dirs.emplace_back(name);
                continue;
            }
            if ((type != DT_REG && type != DT_LNK) || !WildcardMatch(pattern, name))
                continue;
            // A link counts as the file it points at; links to folders, broken
            // links and special files are left out.
            int flags = type == DT_LNK ? 0 : AT_SYMLINK_NOFOLLOW;
            if (::fstatat(fd, e->d_name, &st, flags) != 0 || !S_ISREG(st.st_mode))
                continue;
            out.files.push_back({std::string(name), std::uint64_t(st.st_size), std::int64_t(st.st_mtim.tv_sec)});
        }
        ::closedir(d);
        // Reproducible catalogs: entries in byte order of their names.
        std::sort(out.files.begin(), out.files.end(),
                  [](const FileEntry& a, const FileEntry& b) { return a.name < b.name; });
        std::sort(out.dirs.begin(), out.dirs.end());
        return true;
    }

    void addFile(const std::string& dir, const std::string& catalogDir, const FileEntry& f)
    {
        std::string path = dir + f.name;
        std::string catalogPath = catalogDir + ToCatalogPath(f.name);
        std::string ext = AsciiUpperCopy(FileExt(f.name));
        std::optional<std::string> comment;

        ArchiveKind kind = ArchiveKindFromExtension(ext);
        ArchiveFile archive{path, catalogPath, FileWithOutPath(catalogPath)};
        if (opts_.SearchZipContent && kind != ArchiveKind::None) {
            comment = ListArchiveMembers(kind, archive, session_.lines);
            if (session_.lines.full()) {
                reportFull();
                return;
            }
        }
        if (opts_.EnableComment) {
            if (kind == ArchiveKind::Zip) {
                std::string zipComment = ZipArchiveComment(archive);
                if (!zipComment.empty())
                    comment = std::move(zipComment);
            } else if (isPageExtension(ext)) {
                comment = TitleHTML(path);
            }
        }
        std::string date = CatalogDateFromUnix(f.mtime);
        std::uint64_t kb = SizeRound(f.size);
        std::string line = comment ? MakeFileLine(catalogPath, kb, date, EncodeCatalogComment(*comment))
                                   : MakeFileLine(catalogPath, kb, date);
        if (!session_.lines.append(std::move(line)))
            reportFull();
    }

    // A full catalog is said once; the lines found so far are kept.
    void reportFull()
    {
        if (full_)
            return;
        full_ = true;
        ShowErrorBox(ErrSubscriptOutOfRange,
                     "Subscript out of range (the catalog is full: " +
                         std::to_string(session_.lines.capacity()) + " lines)",
                     kModule, "GetFileInformation", __LINE__);
    }

    const ScanOptions& opts_;
    ScanSession& session_;
    dev_t rootDevice_;
    bool full_ = false;
};

std::string headerLabel(const VolumeFacts& v)
{
    if (!v.found)
        return std::string(14, ' ');
    return TrimBlanks(v.label).empty() ? "(no label)" : v.label;
}
} // namespace

void CreateCatalog(const ScanOptions& opts, ScanSession& session)
{
    try {
        session.lines.clear();
        VolumeFacts volume = ProbeVolume(opts.RootDir);
        session.VolumeLabel = headerLabel(volume);
        std::uint64_t freeMb = volume.sizesKnown ? RoundMegabytes(volume.freeBytes) : 0;
        std::uint64_t totalMb = volume.sizesKnown ? RoundMegabytes(volume.totalBytes) : 0;
        const std::pair<HeaderLine, std::string> header[] = {
            {HeaderLine::DriveType, volume.driveType},
            {HeaderLine::Serial, volume.serialHex},
            {HeaderLine::Volume, session.VolumeLabel},
            {HeaderLine::Free, std::to_string(freeMb) + " MB"},
            {HeaderLine::Total, std::to_string(totalMb) + " MB"},
            {HeaderLine::RootDir, ToCatalogPath(opts.RootDir)},
            {HeaderLine::RecursiveDir, std::string(FlagText(opts.RecursiveDir))},
            {HeaderLine::SearchZipContent, std::string(FlagText(opts.SearchZipContent))},
            {HeaderLine::EnableComment, std::string(FlagText(opts.EnableComment))},
            {HeaderLine::Search, opts.Search},
        };
        for (const auto& [line, value] : header)
            session.lines.append(MakeHeaderLine(line, value));
        session.lines.append(">"); // the comment comes when the catalog is saved

        std::string root = AddSlash(opts.RootDir);
        struct stat st;
        if (::stat(root.c_str(), &st) != 0)
            return;
        Walker walker(opts, session, st.st_dev);
        for (const std::string& pattern : FilterPatterns(opts.Search))
            walker.walk(root, pattern);
    } catch (const std::exception& e) {
        ShowErrorBox(e, kModule, "CreateCatalog");
    }
}

bool SaveFile(const CatalogBuffer& lines, const std::string& nativePath)
{
    AtomicFileWriter out;
    bool ok = out.open(nativePath);
    for (std::size_t n = 1; ok && n <= lines.count(); ++n)
        ok = out.write(lines.line(n)) && out.write(CatalogLineEnd);
    if (ok && out.commit())
        return true;
    int err = out.errorCode() ? out.errorCode() : EIO;
    ShowErrorBox(ErrNumberFromErrno(err), std::string(ErrorDescription(ErrNumberFromErrno(err))) + " (" + out.error() + ")",
                 kModule, "SaveFile", __LINE__);
    return false;
}

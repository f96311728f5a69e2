#include "engine/scan/CatalogScan.h"

#include "engine/archive/ArchiveContents.h"
#include "engine/catalog/CatalogDate.h"
#include "engine/catalog/CatalogLine.h"
#include "engine/catalog/CatalogPath.h"
#include "engine/catalog/CatalogText.h"
#include "engine/catalog/CommentCodec.h"
#include "engine/problem/Problem.h"
#include "engine/scan/FolderStack.h"
#include "engine/scan/HtmlTitle.h"
#include "engine/scan/Wildcard.h"
#include "engine/text/PathHelpers.h"
#include "engine/text/StringHelpers.h"
#include "platform/fs/AtomicFile.h"
#include "platform/fs/FileLock.h"
#include "platform/prompter/ErrorBox.h"
#include "platform/text/Ascii.h"
#include "platform/volume/VolumeInfo.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {
constexpr std::string_view Module = "modFindFile";

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
    std::vector<FileEntry> files;  // matching regular files (links to them included)
    std::vector<std::string> dirs; // sub-folders on the same file system
};

struct DirClose {
    void operator()(DIR* d) const { ::closedir(d); }
};
using DirHandle = std::unique_ptr<DIR, DirClose>;

// Folders that could not be read: said once at the end of the scan.
class SkippedFolders {
public:
    void add(const std::string& path, int err)
    {
        // A folder that vanished or became something else while the scan ran
        // is no failure to report.
        if (err == ENOENT || err == ENOTDIR || err == ELOOP)
            return;
        if (paths_.insert(path).second && paths_.size() == 1)
            firstError_ = err;
    }

    void report(Problems& problems) const
    {
        if (paths_.empty())
            return;
        int number = ErrNumberFromErrno(firstError_);
        std::string text(ErrorDescription(number));
        text += " (" + std::to_string(paths_.size()) +
                " folder(s) could not be read and were left out; the first: " + *paths_.begin() + ": " +
                std::strerror(firstError_) + ")";
        problems.add({number, std::move(text), *paths_.begin(), Module, "SearchForFilesArray", __LINE__});
    }

private:
    std::set<std::string> paths_;
    int firstError_ = 0;
};

class Walker {
public:
    Walker(const ScanOptions& opts, ScanSession& session, dev_t rootDevice, SkippedFolders& skipped)
        : opts_(opts), session_(session), rootDevice_(rootDevice), skipped_(skipped)
    {
    }

    // Each folder is opened relative to its parent, never by its whole path:
    // trees deeper than PATH_MAX work, and a folder swapped for a link is not
    // followed. The walk keeps its own stack, so depth costs no call stack.
    // root: native, ends with "/"; rootStat: what fstat says of it.
    void walk(UniqueFd rootFd, const struct stat& rootStat, const std::string& root, const std::string& catalogRoot,
              std::string_view pattern)
    {
        dir_ = root;
        catalogDir_ = catalogRoot;
        FolderStack stack;
        enter(std::move(rootFd), rootStat, pattern, stack);
        while (!stack.empty() && !stopped()) {
            FolderFrame& top = stack.top();
            if (top.next == top.subs.size()) {
                stack.pop();
                continue;
            }
            dir_.resize(top.dirLength);
            catalogDir_.resize(top.catalogLength);
            const int parent = stack.topFd();
            if (parent < 0) {
                skipped_.add(dir_, errno);
                top.next = top.subs.size();
                continue;
            }
            const std::string& sub = top.subs[top.next++];
            dir_ += sub;
            dir_ += '/';
            UniqueFd subFd(::openat(parent, sub.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
            struct stat st;
            if (!subFd) {
                skipped_.add(dir_, errno);
            } else if (::fstat(subFd.get(), &st) == 0 && st.st_dev == rootDevice_) {
                catalogDir_ += ToCatalogPath(sub);
                catalogDir_ += '\\';
                enter(std::move(subFd), st, pattern, stack);
            }
        }
    }

private:
    bool stopped() const { return full_ || session_.StopScan->load(std::memory_order_relaxed); }

    // Lists the folder at dir_, adds its matching files and, when it has
    // sub-folders to walk, pushes it on the stack.
    void enter(UniqueFd folder, const struct stat& st, std::string_view pattern, FolderStack& stack)
    {
        if (stopped())
            return;
        DirHandle d(::fdopendir(folder.get()));
        if (!d) {
            skipped_.add(dir_, errno);
            return;
        }
        folder.release();
        const int fd = ::dirfd(d.get());
        FolderListing listing;
        list(d.get(), pattern, listing);
        std::size_t at = 0;
        CatchProblem(
            session_.problems, {Module, "GetFileInformation"}, [&] { return dir_ + listing.files[at].name; },
            [&] {
                for (; at < listing.files.size() && !stopped(); ++at) {
                    const FileEntry& f = listing.files[at];
                    addFile(fd, dir_, catalogDir_ + ToCatalogPath(f.name), f);
                }
            });
        if (session_.onProgress)
            session_.onProgress(session_.lines.count() - HeaderLineCount, dir_);
        if (listing.dirs.empty())
            return;
        // The listing's handle goes with it; the stack keeps one of its own.
        UniqueFd kept(::fcntl(fd, F_DUPFD_CLOEXEC, 0));
        if (!kept) {
            skipped_.add(dir_, errno);
            return;
        }
        stack.push(std::move(kept), st, {std::move(listing.dirs), 0, dir_.size(), catalogDir_.size()});
    }

    void list(DIR* d, std::string_view pattern, FolderListing& out)
    {
        const int fd = ::dirfd(d);
        while (dirent* e = ::readdir(d)) {
            if (session_.StopScan->load(std::memory_order_relaxed))
                break;
            std::string_view name = e->d_name;
            if (name == "." || name == "..")
                continue;
            unsigned char type = e->d_type;
            struct stat st;
            if (type == DT_UNKNOWN) {
                if (::fstatat(fd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                    continue;
                type = S_ISDIR(st.st_mode)   ? DT_DIR
                       : S_ISREG(st.st_mode) ? DT_REG
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
        // Reproducible catalogs: entries in byte order of their names.
        std::sort(out.files.begin(), out.files.end(),
                  [](const FileEntry& a, const FileEntry& b) { return a.name < b.name; });
        std::sort(out.dirs.begin(), out.dirs.end());
    }

    // folder: the open folder of the file, dir its native path.
    void addFile(int folder, const std::string& dir, const std::string& catalogPath, const FileEntry& f)
    {
        std::string ext = AsciiUpperCopy(FileExt(f.name));
        std::optional<std::string> comment;
        auto file = [&] { return FileAt{folder, f.name, dir + f.name}; };

        ArchiveKind kind = ArchiveKindFromExtension(ext);
        bool zipComment = opts_.EnableComment && kind == ArchiveKind::Zip;
        if (kind != ArchiveKind::None && (opts_.SearchZipContent || zipComment)) {
            ArchiveFile archive{file(), catalogPath, FileWithOutPath(catalogPath)};
            comment =
                ReadArchive(kind, archive, session_.lines, session_.problems, {opts_.SearchZipContent, zipComment});
            if (session_.lines.overflowed()) {
                reportFull(dir + f.name);
                return;
            }
        }
        if (opts_.EnableComment && isPageExtension(ext))
            comment = TitleHTML(file(), session_.problems);
        std::string date = CatalogDateFromUnix(f.mtime);
        std::uint64_t kb = SizeRound(f.size);
        // A comment is written in the encoding of the name before it, so the
        // line reads back as one.
        std::string line =
            comment
                ? MakeFileLine(catalogPath, kb, date,
                               EncodeCatalogComment(TextInLineEncoding(*comment, DetectCatalogEncoding(catalogPath))))
                : MakeFileLine(catalogPath, kb, date);
        if (!session_.lines.append(std::move(line)))
            reportFull(dir + f.name);
    }

    // A full catalog is said once; the lines found so far are kept. file: the
    // first one left out.
    void reportFull(std::string file)
    {
        if (full_)
            return;
        full_ = true;
        session_.problems.add({ErrSubscriptOutOfRange,
                               "Subscript out of range (the catalog is full at " +
                                   std::to_string(session_.lines.capacity()) +
                                   " lines: it is incomplete, the files found after that are not in it)",
                               std::move(file), Module, "GetFileInformation", __LINE__});
    }

    const ScanOptions& opts_;
    ScanSession& session_;
    dev_t rootDevice_;
    SkippedFolders& skipped_;
    bool full_ = false;
    std::string dir_;        // the folder being walked, native, with "/"
    std::string catalogDir_; // the same in catalog form, with "\"
};

std::string headerLabel(const VolumeFacts& v)
{
    if (!v.found)
        return std::string(14, ' ');
    return TrimBlanks(v.label).empty() ? "(no label)" : ToCatalogHeaderValue(v.label);
}
} // namespace

void CreateCatalog(const ScanOptions& opts, ScanSession& session)
{
    CatchProblem(session.problems, {Module, "CreateCatalog"}, opts.RootDir, [&] {
        session.lines.clear();
        VolumeFacts volume = ProbeVolume(opts.RootDir, session.volumeSources);
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
            {HeaderLine::Search, ToCatalogHeaderValue(opts.FilePatterns)},
        };
        for (const auto& [line, value] : header)
            session.lines.append(MakeHeaderLine(line, value));
        session.lines.append(">"); // the comment comes when the catalog is saved

        std::string root = AddSlash(opts.RootDir);
        struct stat st;
        if (::stat(root.c_str(), &st) != 0)
            return;
        SkippedFolders skipped;
        Walker walker(opts, session, st.st_dev, skipped);
        std::string catalogRoot = ToCatalogPath(root);
        for (const std::string& pattern : FilterPatterns(opts.FilePatterns)) {
            UniqueFd folder(::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
            if (!folder)
                skipped.add(root, errno);
            else
                walker.walk(std::move(folder), st, root, catalogRoot, pattern);
        }
        skipped.report(session.problems);
    });
}

bool SaveFile(const CatalogBuffer& lines, const std::string& nativePath, Problems& problems)
{
    // Under the catalog's lock, so that a rewrite running meanwhile is
    // either done before or reads what this save wrote.
    std::string target;
    FileLock lock;
    int err = 0;
    AtomicFileWriter out;
    bool ok = LockForReplacing(nativePath, target, lock, &err) && out.open(target);
    for (std::size_t n = 1; ok && n <= lines.count(); ++n)
        ok = out.write(lines.line(n)) && out.write(CatalogLineEnd);
    if (ok && out.commit())
        return true;
    if (!err)
        err = out.errorCode() ? out.errorCode() : EIO;
    const int number = ErrNumberFromErrno(err);
    const std::string inTheWay = lock.problem().empty() ? "" : lock.problem() + ": ";
    problems.add({number,
                  std::string(ErrorDescription(number)) + " (cannot write " + nativePath + ": " + inTheWay +
                      std::strerror(err) + ")",
                  nativePath, Module, "SaveFile", __LINE__});
    return false;
}

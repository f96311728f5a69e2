#include "engine/browse/FolderLoad.h"

#include "engine/browse/FileGroups.h"
#include "engine/browse/FolderIndex.h"
#include "engine/browse/FolderPath.h"
#include "engine/browse/FolderTree.h"
#include "engine/catalog/CatalogFile.h"
#include "engine/catalog/CatalogLine.h"
#include "engine/text/PathHelpers.h"
#include "engine/text/StringHelpers.h"
#include "platform/prompter/ErrorBox.h"
#include "platform/text/Encoding.h"

#include <algorithm>
#include <limits>

namespace {
constexpr std::size_t CheckEvery = std::size_t(1) << 20; // bytes between looks at Stop
// Offsets and counts are 32-bit; a catalog this large cannot be browsed.
constexpr std::size_t MaxCatalogSize = std::numeric_limits<std::uint32_t>::max();

bool hasHighBytes(std::string_view s)
{
    unsigned char any = 0;
    for (char c : s)
        any |= static_cast<unsigned char>(c);
    return any >= 0x80;
}

// Follows the header lines as the file arrives, so that a file that is no
// catalog is refused after its first piece, not after all of it.
class HeaderWatch {
public:
    explicit HeaderWatch(const std::string& path) : path_(path) {}

    // True once the eleven lines are there; raises at the first that cannot
    // be a header line.
    bool operator()(std::string_view text)
    {
        while (lines_ < HeaderLineCount && next_ < text.size()) {
            CheckHeaderLine(text.substr(next_), lines_ + 1, path_);
            const std::size_t nl = text.find('\n', std::max(next_, seen_));
            if (nl == std::string_view::npos) {
                seen_ = text.size();
                return false;
            }
            next_ = nl + 1;
            ++lines_;
        }
        return lines_ == HeaderLineCount;
    }

private:
    const std::string& path_;
    int lines_ = 0;
    std::size_t next_ = 0; // where the next header line starts
    std::size_t seen_ = 0; // searched for its end up to here
};

class Loader {
public:
    Loader(CatalogFoldersData& d, FolderLoadStatus& status, FolderLoadControl& control)
        : d_(d), status_(status), control_(control)
    {
    }

    bool run(const std::string& path)
    {
        d_.bytes = ReadCatalogBytes(path, MaxCatalogSize, control_.Stop, HeaderWatch(path),
                                    [&](std::size_t done, std::size_t total) { progress(50 * done / total); });
        if (control_.Stop)
            return false;
        const std::size_t body = CatalogBodyOffset(d_.bytes.view(), path);
        addRoot();
        FileLines lines;
        {
            FolderIndex index(d_); // gone before the files are grouped: a lower peak
            if (!fileLines(path, body, index, lines))
                return false;
            BuildFolderTree(d_, index);
        }
        status_.duplicates = GroupFiles(d_, std::move(lines));
        progress(100);
        return true;
    }

private:
    void progress(std::size_t percent)
    {
        if (int(percent) > percent_ && control_.onProgress) {
            percent_ = int(percent);
            control_.onProgress(percent_);
        }
    }

    void addRoot()
    {
        std::size_t start = 0;
        for (int n = 1; n < int(HeaderLine::RootDir); ++n)
            d_.bytes.lineAt(start, &start);
        const std::string_view line = d_.bytes.lineAt(start);
        d_.rootKey = DecodeFolderPath(AddBackslash(HeaderValue(HeaderLine::RootDir, line)));
        d_.nodes.push_back(FolderNode{.keyLength = std::uint32_t(d_.rootKey.size()), .kind = FolderKind::Root});
    }

    // Files every well-formed file line under its folder, in catalog order.
    bool fileLines(const std::string& path, std::size_t pos, FolderIndex& index, FileLines& lines)
    {
        const std::size_t size = d_.bytes.size;
        std::string_view lastFolder;
        FolderId lastId = NoFolder;
        std::size_t nextCheck = pos + CheckEvery;
        while (pos < size) {
            if (pos >= nextCheck) {
                if (control_.Stop)
                    return false;
                progress(50 + 45 * pos / size);
                nextCheck = pos + CheckEvery;
            }
            const std::size_t start = pos;
            const std::string_view line = d_.bytes.lineAt(start, &pos);
            CheckLineLength(line, path);
            if (TrimBlanks(line).empty())
                continue;
            // A file line has a size field and a file name after its folder.
            const BodyLine b = ParseBodyLine(line);
            if (!b.hasEntryFields()) {
                ++status_.malformed;
                continue;
            }
            if (b.isMember())
                continue;
            const std::size_t slash = b.path.rfind('\\');
            if (slash == std::string_view::npos || slash + 1 == b.path.size()) {
                ++status_.malformed;
                continue;
            }
            const std::string_view folder = b.path.substr(0, slash + 1);
            if (folder != lastFolder) {
                lastFolder = folder;
                lastId = IsValidUtf8(folder) ? index.findOrAdd(folder) : index.findOrAdd(DecodeFolderPath(folder));
            }
            // A name is the same text in both encodings while it is ASCII.
            const std::string_view name = b.path.substr(slash + 1);
            const bool legacy = hasHighBytes(name) && !IsValidUtf8(line);
            lines.add(std::uint32_t(start), lastId, legacy ? Windows1252ToUtf8(name) : name);
        }
        return true;
    }

    CatalogFoldersData& d_;
    FolderLoadStatus& status_;
    FolderLoadControl& control_;
    int percent_ = -1;
};
} // namespace

FolderLoad LoadCatalogFolders(const std::string& catalogPath, FolderLoadControl& control)
{
    constexpr std::string_view Module = "frmLib";
    constexpr std::string_view Procedure = "FileDatToCollection";
    FolderLoad load;
    FolderLoadStatus& status = load.status;
    CatalogFoldersData data;
    Problems failure;
    const bool ran = CatchProblem(failure, {Module, Procedure}, catalogPath, [&] {
        if (Loader(data, status, control).run(catalogPath))
            load.folders = CatalogFolders(std::move(data));
        else
            status.outcome = FolderLoadStatus::Outcome::Stopped;
    });
    if (!ran) {
        status.outcome = FolderLoadStatus::Outcome::Failed;
        status.problems.push_back(std::move(failure.list.front()));
    }
    if (status.outcome != FolderLoadStatus::Outcome::Loaded) {
        status.malformed = status.duplicates = 0;
        return load;
    }
    if (auto skipped = SkippedLinesProblem(status.malformed, catalogPath, Module, Procedure))
        status.problems.push_back(std::move(*skipped));
    if (status.duplicates > 0)
        status.problems.push_back({ErrDuplicateKey,
                                   std::string(ErrorDescription(ErrDuplicateKey)) + " (" +
                                       std::to_string(status.duplicates) +
                                       " lines name a file already listed in its folder; the first is kept)",
                                   catalogPath, "clsPath", "AddFile", std::source_location::current().line()});
    return load;
}

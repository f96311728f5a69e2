#include "engine/start/BatchMode.h"

#include "engine/catalog/CatalogFile.h"
#include "engine/catalog/CatalogLine.h"
#include "engine/report/ReportFiles.h"
#include "engine/report/Reports.h"
#include "engine/scan/CatalogScan.h"
#include "engine/start/AppFolders.h"
#include "engine/text/PathHelpers.h"
#include "platform/prompter/Prompter.h"

namespace {
constexpr std::string_view kTitle = "CorvaneDisk";

bool ask(std::string_view question)
{
    return ActivePrompter().askYesNo(question, kTitle, MsgIcon::Question);
}

void tell(std::string_view text)
{
    ActivePrompter().message(text, kTitle, MsgIcon::Exclamation);
}

bool nameIsSafe(const CmdLineOptions& opts)
{
    if (IsSafeCatalogName(opts.Name))
        return true;
    tell("Invalid catalog name \"" + opts.Name + "\": a name cannot hold \"/\".");
    return false;
}

int catalogRequest(const CmdLineOptions& opts)
{
    ScanOptions scan;
    scan.RootDir = AddSlash(opts.Folder);
    scan.Search = opts.Filter;
    scan.RecursiveDir = opts.RecursiveDir;
    scan.SearchZipContent = opts.SearchZipContent;
    scan.EnableComment = opts.EnableComment;

    if (opts.Verbose && !ask("Start Catalog creation"))
        return ExitNotDone;
    if (!DirExist(scan.RootDir)) {
        tell("Directory does not exist");
        return ExitNotDone;
    }
    if (!nameIsSafe(opts))
        return ExitNotDone;
    std::string target = Folders().LibPath + opts.Name + ".dat";
    if (FileExist(target) && !opts.Overwrite && !ask("File allready exist, overwrite it"))
        return ExitNotDone;

    ScanSession session;
    CreateCatalog(scan, session);
    if (session.lines.count() < HeaderLineCount)
        return ExitNotDone;
    session.lines.line(HeaderLineCount) = MakeHeaderLine(HeaderLine::Comment, "");
    // A catalog that could not be written is not announced as created.
    if (!SaveFile(session.lines, target))
        return ExitNotDone;
    if (opts.Verbose || opts.FromVerb)
        tell("Catalog " + opts.Name + ".dat" + " created");
    return ExitDone;
}

int reportRequest(const CmdLineOptions& opts)
{
    if (opts.Verbose && !ask("Start report creation"))
        return ExitNotDone;
    if (!nameIsSafe(opts))
        return ExitNotDone;
    std::string report = LibraryReportPath(opts.Name, opts.StyleHTML);
    if (FileExist(report) && !opts.Overwrite && !ask("File allready exist, overwrite it"))
        return ExitNotDone;
    if (!CreateReport(opts))
        return ExitNotDone;
    if (opts.Verbose)
        tell("Report created");
    return ExitDone;
}
} // namespace

int RunBatchRequest(const CmdLineOptions& opts)
{
    return opts.Mode == 1 ? catalogRequest(opts) : reportRequest(opts);
}

#include "engine/start/BatchMode.h"

#include "engine/catalog/CatalogFile.h"
#include "engine/catalog/CatalogLine.h"
#include "engine/problem/Problem.h"
#include "engine/report/ReportFiles.h"
#include "engine/report/Reports.h"
#include "engine/scan/CatalogScan.h"
#include "engine/start/AppFolders.h"
#include "engine/text/PathHelpers.h"
#include "platform/fs/AtomicFile.h"
#include "platform/prompter/ErrorBox.h"
#include "platform/prompter/Prompter.h"

namespace {
constexpr std::string_view PromptTitle = "CorvaneDisk";

bool ask(std::string_view question)
{
    return ActivePrompter().askYesNo(question, PromptTitle, MsgIcon::Question);
}

void tell(std::string_view text)
{
    ActivePrompter().message(text, PromptTitle, MsgIcon::Exclamation);
}

bool nameIsSafe(const CmdLineOptions& opts)
{
    std::string problem = CatalogNameProblem(opts.Name);
    if (problem.empty())
        return true;
    tell("Invalid catalog name \"" + opts.Name + "\": " + problem + ".");
    return false;
}

// Before long work: a folder that cannot take the result is said now, with
// the system's reason, not after the work as a failed save.
bool canWriteTo(const std::string& folder)
{
    try {
        CheckWritableFolder(folder);
        return true;
    } catch (const AppError& e) {
        ShowErrorBox(ActivePrompter(), e, "modMain", "Main");
        return false;
    }
}

bool newNameIsSafe(const CmdLineOptions& opts)
{
    std::string problem = NewCatalogNameProblem(opts.Name, Folders().LibPath);
    if (problem.empty())
        return true;
    tell("Invalid catalog name \"" + opts.Name + "\": " + problem + ".");
    return false;
}

int catalogRequest(const CmdLineOptions& opts)
{
    ScanOptions scan;
    scan.RootDir = AddSlash(opts.Folder);
    scan.FilePatterns = opts.Filter;
    scan.RecursiveDir = opts.RecursiveDir;
    scan.SearchZipContent = opts.SearchZipContent;
    scan.EnableComment = opts.EnableComment;

    if (opts.Verbose && !ask("Start Catalog creation"))
        return ExitNotDone;
    if (!DirExist(scan.RootDir)) {
        tell("Directory does not exist");
        return ExitNotDone;
    }
    const std::string& library = Folders().LibPath;
    if (!canWriteTo(library) || !newNameIsSafe(opts))
        return ExitNotDone;
    std::string target = library + opts.Name + ".dat";
    // An existing catalog is never replaced unasked, readable or not.
    if (NameTaken(target) && !opts.Overwrite && !ask("File allready exist, overwrite it"))
        return ExitNotDone;

    ScanSession session;
    // Each problem is shown the moment it arises, while the scan waits.
    session.problems = ProblemsShownBy(ActivePrompter());
    CreateCatalog(scan, session);
    if (session.lines.count() < HeaderLineCount)
        return ExitNotDone;
    session.lines.line(HeaderLineCount) = MakeHeaderLine(HeaderLine::Comment, "");
    // A catalog that could not be written is not announced as created.
    if (!SaveFile(session.lines, target, session.problems))
        return ExitNotDone;
    if (opts.Verbose || opts.FromVerb)
        tell("Catalog " + opts.Name + ".dat" + " created");
    // A catalog cut short at its capacity is saved (its error box said so),
    // but the request is not done.
    return session.incomplete() ? ExitNotDone : ExitDone;
}

int reportRequest(const CmdLineOptions& opts)
{
    if (opts.Verbose && !ask("Start report creation"))
        return ExitNotDone;
    if (!nameIsSafe(opts) || !canWriteTo(Folders().ReportPath))
        return ExitNotDone;
    std::string report = LibraryReportPath(opts.Name, opts.StyleHTML);
    if (NameTaken(report) && !opts.Overwrite && !ask("File allready exist, overwrite it"))
        return ExitNotDone;
    Problems problems = ProblemsShownBy(ActivePrompter());
    if (!CreateReport(opts, problems))
        return ExitNotDone;
    if (opts.Verbose)
        tell("Report created");
    return ExitDone;
}
} // namespace

int RunBatchRequest(const CmdLineOptions& opts)
{
    return opts.Request == BatchRequest::Catalog ? catalogRequest(opts) : reportRequest(opts);
}

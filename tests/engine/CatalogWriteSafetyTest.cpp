// Saves and rewrites of one catalog by several writers, read-only and linked
// catalogs, and limits: no write is lost or reported done when it was not,
// and a catalog is never left in a state its readers refuse.
#include "engine/catalog/CatalogBuffer.h"
#include "engine/rewrite/CatalogRewrite.h"
#include "engine/scan/CatalogScan.h"
#include "platform/fs/AtomicFile.h"
#include "platform/fs/FileLock.h"
#include "tests/engine/TempLibrary.h"
#include "tests/support/RecordingPrompter.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
std::string body(int lines)
{
    std::string text;
    for (int i = 0; i < lines; ++i)
        text += "\\data\\f" + std::to_string(i) + ".txt>1 Kb/01/02/2003\r\n";
    return text;
}

std::string key(int i)
{
    return "\\data\\f" + std::to_string(i) + ".txt>1 Kb/01/02/2003";
}

CatalogBuffer scanned(std::string_view bodyLine)
{
    CatalogBuffer lines;
    for (std::string_view l :
         {">Fixed", ">Serial 1A2B", ">Volume DATA", ">Free 512 MB", ">Total 1024 MB", ">Root Dir \\data",
          ">Recursive Dir True", ">Search zip content True", ">Enable comment False", ">Search *.*", ">Comment "})
        lines.append(std::string(l));
    lines.append(std::string(bodyLine));
    return lines;
}

// Runs f in a child process; its exit code is f's result (0 or 1).
pid_t inChild(const std::function<bool()>& f)
{
    pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(f() ? 0 : 1);
    return pid;
}

int exitCode(pid_t pid)
{
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// True once some process waits for a lock on the file with this inode.
bool someoneWaitsFor(ino_t inode)
{
    std::ifstream locks("/proc/locks");
    std::string line;
    const std::string tail = ":" + std::to_string(inode) + " ";
    while (std::getline(locks, line))
        if (line.find("->") != std::string::npos && line.find(tail) != std::string::npos)
            return true;
    return false;
}

class CatalogWrites : public ::testing::Test {
protected:
    std::string catalogPath() const { return lib.file("dat/c.dat"); }

    // Holds the catalog's lock as another writer would, starts child, and
    // once the child either waits for the lock or is done, has the other
    // writer replace the catalog by next; then lets go. The child's exit code.
    int whileAnotherWriterHolds(const std::string& next, const std::function<bool()>& child)
    {
        const std::string lockPath = FileLock::LockPath(catalogPath());
        const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        EXPECT_GE(fd, 0);
        EXPECT_EQ(::flock(fd, LOCK_EX), 0);
        struct stat st {};
        ::fstat(fd, &st);
        // The child must not share the other writer's lock.
        const pid_t pid = inChild([&] {
            ::close(fd);
            return child();
        });
        int status = 0;
        pid_t done = 0;
        while ((done = ::waitpid(pid, &status, WNOHANG)) == 0 && !someoneWaitsFor(st.st_ino))
            ::sched_yield();
        EXPECT_TRUE(WriteFileAtomically(catalogPath(), next));
        ::close(fd);
        if (done == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return exitCode(pid);
    }

    TempLibrary lib;
    RecordingPrompter prompter;
    // Shown as the windows show them.
    Problems problems = ProblemsShownBy(prompter);
};
} // namespace

TEST_F(CatalogWrites, ARewriteWaitsForTheWriterBeforeAndChangesWhatItWrote)
{
    lib.catalog("c.dat", std::string(kTestHeader) + body(2));
    const std::string saved = std::string(kTestHeader) + body(3); // a new scan
    EXPECT_EQ(whileAnotherWriterHolds(
                  saved, [this] { return ChangeComment("c.dat", key(1), "kept", problems) == CommentChange::Written; }),
              0);
    EXPECT_EQ(lib.catalogText("c.dat"), std::string(kTestHeader) + "\\data\\f0.txt>1 Kb/01/02/2003\r\n" +
                                            "\\data\\f1.txt>1 Kb/01/02/2003>kept<\r\n" +
                                            "\\data\\f2.txt>1 Kb/01/02/2003\r\n");

    lib.catalog("c.dat", std::string(kTestHeader) + body(2));
    EXPECT_EQ(whileAnotherWriterHolds(
                  saved, [this] { return ChangeRoot("c.dat", "\\data", "\\moved", problems) == RootChange::Written; }),
              0);
    EXPECT_EQ(lib.catalogText("c.dat").find("\\data"), std::string::npos);
    EXPECT_NE(lib.catalogText("c.dat").find("\\moved\\f2.txt"), std::string::npos);
    EXPECT_EQ(lib.filesInLibrary(), 1u); // no lock file or copy stays behind
}

TEST_F(CatalogWrites, ASaveWaitsForARewriteAndIsNotUndoneByIt)
{
    lib.catalog("c.dat", std::string(kTestHeader) + body(2));
    const std::string rewritten = std::string(kTestHeader) + "\\data\\f0.txt>1 Kb/01/02/2003>note<\r\n";
    const std::string path = catalogPath();
    EXPECT_EQ(whileAnotherWriterHolds(rewritten,
                                      [&] {
                                          Problems saving;
                                          return SaveFile(scanned("\\data\\new.txt>1 Kb/01/02/2003"), path, saving);
                                      }),
              0);
    EXPECT_NE(lib.catalogText("c.dat").find("new.txt"), std::string::npos);
    EXPECT_EQ(lib.catalogText("c.dat").find("note"), std::string::npos);
}

TEST_F(CatalogWrites, TwoProcessesRewritingAtOnceLoseNothing)
{
    constexpr int kEach = 15;
    lib.catalog("c.dat", std::string(kTestHeader) + body(2 * kEach));
    pid_t a = inChild([this] {
        bool ok = true;
        for (int i = 0; i < kEach; ++i)
            ok = ChangeComment("c.dat", key(2 * i), "a" + std::to_string(i), problems) == CommentChange::Written && ok;
        return ok;
    });
    pid_t b = inChild([this] {
        bool ok = true;
        for (int i = 0; i < kEach; ++i)
            ok = ChangeComment("c.dat", key(2 * i + 1), "b" + std::to_string(i), problems) == CommentChange::Written &&
                 ok;
        return ok;
    });
    EXPECT_EQ(exitCode(a), 0);
    EXPECT_EQ(exitCode(b), 0);
    const std::string text = lib.catalogText("c.dat");
    for (int i = 0; i < kEach; ++i) {
        EXPECT_NE(text.find(key(2 * i) + ">a" + std::to_string(i) + "<"), std::string::npos) << i;
        EXPECT_NE(text.find(key(2 * i + 1) + ">b" + std::to_string(i) + "<"), std::string::npos) << i;
    }
}

TEST_F(CatalogWrites, ACatalogReplacedBySomeoneWhoTookNoLockIsNotOverwritten)
{
    lib.catalog("c.dat", std::string(kTestHeader) + body(2));
    const std::string theirs = std::string(kTestHeader) + body(1);
    AtomicFileWriter::BeforeReplace() = [&](const std::string&) {
        AtomicFileWriter::BeforeReplace() = nullptr;
        ASSERT_TRUE(WriteFileAtomically(catalogPath(), theirs));
    };
    EXPECT_FALSE(ChangeCommentLib("c.dat", "mine", problems));
    AtomicFileWriter::BeforeReplace() = nullptr;
    EXPECT_EQ(lib.catalogText("c.dat"), theirs);
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_NE(prompter.boxes[0].text.find("c.dat was changed by someone else meanwhile; nothing was written"),
              std::string::npos)
        << prompter.boxes[0].text;
    EXPECT_EQ(lib.filesInLibrary(), 1u);
}

TEST_F(CatalogWrites, AReadOnlyCatalogIsRefusedWithTheSystemsReason)
{
    const std::string before = std::string(kTestHeader) + body(2);
    lib.catalog("c.dat", before);
    std::filesystem::permissions(catalogPath(), std::filesystem::perms(0444));
    EXPECT_EQ(ChangeComment("c.dat", key(0), "x", problems), CommentChange::Failed);
    EXPECT_FALSE(ChangeCommentLib("c.dat", "x", problems));
    EXPECT_EQ(ChangeRoot("c.dat", "\\data", "\\x", problems), RootChange::Failed);
    Problems saving;
    EXPECT_FALSE(SaveFile(scanned("\\data\\new.txt>1 Kb/01/02/2003"), catalogPath(), saving));
    EXPECT_EQ(lib.catalogText("c.dat"), before);
    ASSERT_EQ(prompter.boxes.size(), 3u);
    for (const auto& box : prompter.boxes)
        EXPECT_NE(box.text.find("Error 70: Permission denied (" + catalogPath() + ": Permission denied)"),
                  std::string::npos)
            << box.text;
    ASSERT_EQ(saving.list.size(), 1u);
    EXPECT_EQ(saving.list[0].errorNumber, 70);
    EXPECT_NE(saving.list[0].text.find(catalogPath() + ": Permission denied"), std::string::npos);
    EXPECT_EQ(lib.filesInLibrary(), 1u);
}

TEST_F(CatalogWrites, WhatIsInTheWayOfTheLockIsNamedAndStays)
{
    const std::string before = std::string(kTestHeader) + body(2);
    lib.catalog("c.dat", before);
    const std::string lockPath = FileLock::LockPath(catalogPath());
    const auto refused = [&](const std::string& inTheWay) {
        EXPECT_EQ(ChangeComment("c.dat", key(0), "x", problems), CommentChange::Failed);
        Problems saving;
        EXPECT_FALSE(SaveFile(scanned("\\data\\new.txt>1 Kb/01/02/2003"), catalogPath(), saving));
        EXPECT_EQ(lib.catalogText("c.dat"), before);
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::symlink_status(lockPath)));
        const std::string named = inTheWay + " is in the way of its lock file " + lockPath;
        ASSERT_EQ(prompter.boxes.size(), 1u);
        EXPECT_NE(prompter.boxes[0].text.find("(" + catalogPath() + ": " + named), std::string::npos)
            << prompter.boxes[0].text;
        ASSERT_EQ(saving.list.size(), 1u);
        EXPECT_NE(saving.list[0].text.find("(cannot write " + catalogPath() + ": " + named), std::string::npos)
            << saving.list[0].text;
        prompter.boxes.clear();
        std::filesystem::remove(lockPath);
    };
    std::filesystem::create_directory(lockPath);
    refused("a folder");
    std::filesystem::create_symlink("c.dat", lockPath);
    refused("a symbolic link");
}

TEST_F(CatalogWrites, ASaveWritesThroughALinkedCatalog)
{
    const std::string elsewhere = lib.write("kept/real.dat", std::string(kTestHeader) + body(1));
    std::filesystem::create_symlink(elsewhere, catalogPath());
    Problems saving;
    ASSERT_TRUE(SaveFile(scanned("\\data\\new.txt>1 Kb/01/02/2003"), catalogPath(), saving));
    EXPECT_TRUE(std::filesystem::is_symlink(catalogPath()));
    const std::string saved = lib.read("kept/real.dat"); // every line ends in CR LF
    EXPECT_TRUE(saved.starts_with(">Fixed\r\n>Serial 1A2B\r\n")) << saved;
    EXPECT_TRUE(saved.ends_with(">Comment \r\n\\data\\new.txt>1 Kb/01/02/2003\r\n")) << saved;
    EXPECT_EQ(lib.filesInLibrary(), 1u);
}

TEST_F(CatalogWrites, ARewriteThatWouldMakeALineNoReaderTakesIsRefused)
{
    const std::string before = std::string(kTestHeader) + body(2);
    lib.catalog("c.dat", before);
    const std::string huge(std::size_t(17) << 20, 'x');
    EXPECT_EQ(ChangeComment("c.dat", key(1), huge, problems), CommentChange::Failed);
    EXPECT_FALSE(ChangeCommentLib("c.dat", huge, problems));
    EXPECT_EQ(ChangeRoot("c.dat", "\\data", "\\" + huge, problems), RootChange::Failed);
    EXPECT_EQ(lib.catalogText("c.dat"), before);
    ASSERT_EQ(prompter.boxes.size(), 3u);
    EXPECT_NE(prompter.boxes[0].text.find("would be longer than 16 MiB, which no reader takes; nothing was written"),
              std::string::npos)
        << prompter.boxes[0].text.substr(0, 300);
    // What fits is still written.
    EXPECT_EQ(ChangeComment("c.dat", key(1), huge.substr(0, std::size_t(15) << 20), problems), CommentChange::Written);
    EXPECT_EQ(lib.filesInLibrary(), 1u);
}

TEST_F(CatalogWrites, AFileSizeLimitFailsTheWriteNamingTheCatalogAndKeepsTheOld)
{
    const std::string before = std::string(kTestHeader) + body(2);
    lib.catalog("c.dat", before);
    const std::string path = catalogPath();
    // In a child: the limit and the ignored signal are the process's.
    const pid_t pid = inChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        RecordingPrompter boxes;
        Problems saving;
        Problems rewriting = ProblemsShownBy(boxes);
        CatalogBuffer lines = scanned("\\data\\" + std::string(8000, 'n') + ">1 Kb/01/02/2003");
        const bool saved = SaveFile(lines, path, saving);
        const bool rewritten =
            ChangeComment("c.dat", key(0), std::string(8000, 'c'), rewriting) == CommentChange::Written;
        const std::string said = saving.list.empty() ? "" : saving.list[0].text;
        const std::string box = boxes.boxes.empty() ? "" : boxes.boxes[0].text;
        const std::string named = "(cannot write " + path + ": File too large)";
        return !saved && !rewritten && said.find(named) != std::string::npos &&
               box.find("(" + path + ": File too large)") != std::string::npos;
    });
    EXPECT_EQ(exitCode(pid), 0);
    EXPECT_EQ(lib.catalogText("c.dat"), before);
    EXPECT_EQ(lib.filesInLibrary(), 1u); // no copy is left
}

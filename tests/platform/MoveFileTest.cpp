#include "platform/fs/AtomicFile.h"
#include "platform/fs/MoveFile.h"
#include "platform/fs/RenameNoReplace.h"
#include "platform/prompter/ErrorBox.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {
// A folder on another file system than the temporary folder (tmpfs), or "".
class OtherFileSystemDir {
public:
    explicit OtherFileSystemDir(const std::string& near)
    {
        std::string tmpl = "/dev/shm/corvane-test-XXXXXX";
        struct stat a {
        }, b{};
        if (::stat(near.c_str(), &a) == 0 && mkdtemp(tmpl.data()) && ::stat(tmpl.c_str(), &b) == 0) {
            path_ = tmpl;
            if (a.st_dev == b.st_dev)
                path_.clear();
        }
    }
    ~OtherFileSystemDir()
    {
        std::error_code ec;
        if (!path_.empty())
            fs::remove_all(path_, ec);
    }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

std::string Bytes(std::size_t n)
{
    std::string s(n, '\0');
    for (std::size_t i = 0; i < n; ++i)
        s[i] = char(i * 7919 % 251);
    return s;
}
} // namespace

TEST(MoveFile, OnOneFileSystemTheFileIsRenamedOverAnyOldOne)
{
    TempDir dir;
    const std::string source = dir.write("from/a.bin", Bytes(5000));
    dir.write("to/a.bin", "old");
    MoveFileTo(source, dir.file("to/a.bin"), true);
    EXPECT_FALSE(fs::exists(source));
    EXPECT_EQ(dir.read("to/a.bin"), Bytes(5000));

    // A folder that is not there: nothing moves, the error names both paths.
    const std::string again = dir.write("from/b.bin", "b");
    try {
        MoveFileTo(again, dir.file("missing/b.bin"), false);
        ADD_FAILURE() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), ErrFileNotFound);
        EXPECT_NE(std::string(e.what()).find(dir.file("missing/b.bin")), std::string::npos);
    }
    EXPECT_EQ(dir.read("from/b.bin"), "b");
}

TEST(MoveFile, ToAnotherFileSystemTheFileIsCopiedComparedAndOnlyThenRemoved)
{
    TempDir dir;
    OtherFileSystemDir other(dir.path());
    if (other.path().empty())
        GTEST_SKIP() << "no second file system at /dev/shm";
    const std::string content = Bytes((3 << 20) + 17); // more than one piece
    const std::string source = dir.write("a.bin", content);
    ::chmod(source.c_str(), 0640);
    const fs::file_time_type when = fs::last_write_time(source) - std::chrono::hours(24 * 400);
    fs::last_write_time(source, when);

    const std::string target = other.path() + "/a.bin";
    MoveFileTo(source, target, false);
    EXPECT_FALSE(fs::exists(source));
    EXPECT_EQ(ReadFileBytes(target), content);
    EXPECT_EQ(fs::last_write_time(target), when);
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    // The copy cannot be written whole (as on a full disk): the file stays
    // where it was and no piece of a copy is left.
    const std::string big = dir.write("big.bin", Bytes(1 << 20));
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_THROW(MoveFileTo(big, other.path() + "/big.bin", false), AppError);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, SIG_DFL);
    EXPECT_EQ(ReadFileBytes(big), Bytes(1 << 20));
    EXPECT_EQ(std::distance(fs::directory_iterator(other.path()), {}), 1); // a.bin alone
}

TEST(MoveFile, AFileAtTheTargetThatWasNotToBeReplacedStays)
{
    TempDir dir;
    OtherFileSystemDir other(dir.path());
    std::vector<std::string> folders = {dir.file("to")};
    if (!other.path().empty())
        folders.push_back(other.path()); // the copy's road too
    for (const std::string& into : folders) {
        fs::create_directories(into);
        const std::string source = dir.write("from/a.bin", "moved");
        const std::string target = into + "/a.bin";
        // Not there when the user was asked: put there just before the move.
        BeforeRenameNoReplace() = [&](const std::string&) { std::ofstream(target) << "meanwhile"; };
        try {
            MoveFileTo(source, target, false);
            ADD_FAILURE() << "no error for " << into;
        } catch (const AppError& e) {
            EXPECT_NE(std::string(e.what()).find(target), std::string::npos) << e.what();
        }
        BeforeRenameNoReplace() = nullptr;
        EXPECT_EQ(ReadFileBytes(target), "meanwhile") << into;
        EXPECT_EQ(ReadFileBytes(source), "moved") << into;
        EXPECT_EQ(std::distance(fs::directory_iterator(into), {}), 1) << into;
    }
}

// A target that is the source reached by another road: a hard link, a link
// to it, the same folder by a bind mount. A rename would do nothing or make
// a link to itself, a copy would replace the file by itself and remove it.
TEST(MoveFile, TheSourceByAnotherRoadIsNoTargetAndTheFileStays)
{
    TempDir dir;
    fs::create_directories(dir.file("to"));
    auto refused = [&](const std::string& source, const std::string& target, const std::string& file) {
        try {
            MoveFileTo(source, target, true);
            ADD_FAILURE() << "moved onto " << target;
        } catch (const AppError& e) {
            EXPECT_EQ(e.number(), ErrPathFileAccess);
            EXPECT_EQ(std::string(e.what()), "Cannot move " + source + " onto " + target + ": both are the same file");
        }
        EXPECT_EQ(ReadFileBytes(file), "the only copy") << target;
    };

    const std::string linked = dir.write("from/a.bin", "the only copy");
    fs::create_hard_link(linked, dir.file("to/a.bin"));
    refused(linked, dir.file("to/a.bin"), linked);
    EXPECT_TRUE(fs::exists(dir.file("to/a.bin")));

    const std::string pointed = dir.write("from/b.bin", "the only copy");
    fs::create_symlink(pointed, dir.file("to/b.bin"));
    refused(dir.file("to/b.bin"), pointed, pointed);
    EXPECT_TRUE(fs::is_symlink(dir.file("to/b.bin")));

    // The bind mount lives in a child of its own and goes with it.
    const std::string mounted = dir.write("from/c.bin", "the only copy");
    const std::string bound = dir.file("bound");
    fs::create_directories(bound);
    const int code = ExitCodeInChild([&] {
        if (!OwnMountNamespace() || !BindMount(dir.file("from"), bound))
            return NoMountNamespace;
        try {
            MoveFileTo(mounted, bound + "/c.bin", true);
        } catch (const AppError& e) {
            return e.number() == ErrPathFileAccess ? 0 : 2;
        }
        return 1;
    });
    if (code == NoMountNamespace)
        GTEST_SKIP() << "no mount namespace for the bind mount";
    EXPECT_EQ(code, 0) << "1: moved, 2: another error, -1: did not end";
    EXPECT_EQ(ReadFileBytes(mounted), "the only copy");
}

TEST(MoveFile, AFifoIsNotCopiedAndTheMoveNeverWaitsForAWriter)
{
    TempDir dir;
    OtherFileSystemDir other(dir.path());
    if (other.path().empty())
        GTEST_SKIP() << "no second file system at /dev/shm";
    const std::string fifo = dir.file("pipe.bin");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string target = other.path() + "/pipe.bin";
    // In a child, which an alarm ends should the open wait.
    const int code = ExitCodeInChild(
        [&] {
            try {
                MoveFileTo(fifo, target, false);
            } catch (const AppError& e) {
                return e.number() == ErrBadFileMode ? 0 : 2;
            }
            return 1;
        },
        10);
    EXPECT_EQ(code, 0) << "1: moved, 2: another error, -1: hung";
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_FALSE(fs::exists(target));
    EXPECT_EQ(std::distance(fs::directory_iterator(other.path()), {}), 0);
}

// A row's file replaced by a folder or a FIFO while the folder chooser was
// open: the move takes nothing, even where a rename would do it at once.
TEST(MoveFile, NothingButARegularFileIsMovedEvenOnOneFileSystem)
{
    TempDir dir;
    dir.write("from/x.txt/inside.txt", "kept");
    dir.write("to/.keep", "");
    ASSERT_EQ(::mkfifo(dir.file("from/pipe").c_str(), 0600), 0);
    for (const char* name : {"x.txt", "pipe"}) {
        SCOPED_TRACE(name);
        const std::string target = dir.file(std::string("to/") + name);
        try {
            MoveFileTo(dir.file(std::string("from/") + name), target, true);
            ADD_FAILURE() << "moved";
        } catch (const AppError& e) {
            EXPECT_EQ(e.number(), ErrBadFileMode);
        }
        EXPECT_TRUE(fs::exists(fs::symlink_status(dir.file(std::string("from/") + name))));
        EXPECT_FALSE(fs::exists(fs::symlink_status(target)));
    }
    EXPECT_EQ(ReadFileBytes(dir.file("from/x.txt/inside.txt")), "kept");
}

// /proc/self/io reads anew at every read (it counts them): a source that
// changed while it was copied. The copy that differs replaces nothing, not
// even the user's file it was agreed to replace, and no copy is left.
TEST(MoveFile, ACopyThatDiffersFromItsSourceTouchesNothingAtTheTarget)
{
    TempDir dir;
    const std::string target = dir.write("to/io", "the user's own file");
    try {
        MoveFileTo("/proc/self/io", target, true);
        ADD_FAILURE() << "moved";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), ErrDeviceIO) << e.what();
    }
    EXPECT_EQ(ReadFileBytes(target), "the user's own file");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.file("to")), {}), 1);
}

TEST(MoveFile, AFileThatTakesTheSourcesNameDuringTheCopyIsNotRemoved)
{
    TempDir dir;
    OtherFileSystemDir other(dir.path());
    if (other.path().empty())
        GTEST_SKIP() << "no second file system at /dev/shm";
    const std::string source = dir.write("a.bin", "copied");
    const std::string target = other.path() + "/a.bin";
    AtomicFileWriter::BeforeReplace() = [&](const std::string&) {
        fs::remove(source);
        std::ofstream(source) << "new";
    };
    EXPECT_THROW(MoveFileTo(source, target, false), AppError);
    AtomicFileWriter::BeforeReplace() = nullptr;
    EXPECT_EQ(ReadFileBytes(source), "new");
    EXPECT_EQ(ReadFileBytes(target), "copied");
}

// The update check against a local HTTP server: what the user is told, what
// lands in the program's folder, and that the window never waits for it.
#include "engine/start/AppFolders.h"
#include "options/UpdateCheck.h"
#include "tests/support/HttpStub.h"
#include "tests/support/RecordingPrompter.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkProxy>
#include <QTimer>

#include <filesystem>
#include <sys/stat.h>

using namespace std::chrono_literals;

namespace {
const QString kVersionPath = "/file/ver210.dat";
const QString kDownloadPath = "/file/new.bin";

QByteArray bytesOfSize(qsizetype n)
{
    QByteArray b(n, '\0');
    for (qsizetype i = 0; i < n; ++i)
        b[i] = char((i * 7 + i / 251) & 0xff);
    return b;
}

// A body sent in pieces, one every delayMs.
HttpStub::Answer trickle(const QByteArray& body, int chunkBytes, int delayMs)
{
    HttpStub::Answer a{200, "OK", body};
    a.chunkBytes = chunkBytes;
    a.chunkDelayMs = delayMs;
    return a;
}

class UpdateCheckTest : public ::testing::Test {
protected:
    UpdateCheckTest()
    {
        SetAppFolders(dir.path());
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy); // the stub is local
    }

    UpdateSetup setup() const
    {
        UpdateSetup s;
        s.server = stub.address();
        s.version = {2, 1, 0};
        s.timeout = 5s;
        return s;
    }

    // Runs one check to its end on the event loop.
    void run(UpdateCheck& check)
    {
        QEventLoop loop;
        QObject::connect(&check, &UpdateCheck::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(20s, &loop, &QEventLoop::quit);
        ASSERT_TRUE(check.start(texts));
        loop.exec();
        ASSERT_FALSE(check.isBusy()) << "the check did not end";
    }
    void run(const UpdateSetup& s)
    {
        UpdateCheck check(prompter, Folders(), s);
        run(check);
    }

    void serveVersion(const QByteArray& text) { stub.answer(kVersionPath, {200, "OK", text}); }
    // A newer version, new.bin of the announced size, and a Yes to the question.
    void offerDownload(qint64 announced)
    {
        serveVersion("211\r\nnew.bin\r\n" + QByteArray::number(announced) + "\r\n");
        prompter.answers = {true};
    }

    std::vector<std::string> folderContents() const
    {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dir.path()))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    // A failed check shows its one message last, after count boxes in all.
    void expectFailure(const std::string& about, std::size_t count = 1)
    {
        ASSERT_EQ(prompter.boxes.size(), count) << about;
        const auto& box = prompter.boxes.back();
        EXPECT_EQ(box.icon, MsgIcon::Exclamation) << about;
        EXPECT_TRUE(box.text.starts_with("The update check failed: ")) << about << ": " << box.text;
        prompter.boxes.clear();
    }

    HttpStub stub;
    TempDir dir;
    RecordingPrompter prompter;
    UpdateTexts texts{"Download the new version?", "Download finished.", "Stored as ", "You have the latest version."};
};
} // namespace

TEST_F(UpdateCheckTest, OnlyAStrictlyGreaterNumberIsNewer)
{
    struct Case {
        QByteArray reply;
        bool newer;
    };
    // 40000 does not fit 16 bits and is still just a larger number; lines may
    // carry blanks and end in LF alone (a question means all three were read).
    for (const Case& c : {Case{"210\r\nnew.bin\r\n10\r\n", false}, Case{"209\nnew.bin\n10", false},
                          Case{"0210\r\nnew.bin\r\n10", false}, Case{"211\r\nnew.bin\r\n10\r\n", true},
                          Case{"40000\r\nnew.bin\r\n10", true}, Case{"  211  \n  new.bin \n 10  \n", true}}) {
        prompter.boxes.clear();
        serveVersion(c.reply);
        run(setup());
        ASSERT_EQ(prompter.boxes.size(), 1u) << c.reply.toStdString();
        const auto& box = prompter.boxes[0];
        EXPECT_EQ(box.text, c.newer ? texts.askDownload : texts.upToDate) << c.reply.toStdString();
        EXPECT_EQ(box.icon, c.newer ? MsgIcon::Question : MsgIcon::Information);
    }
    // Every question was answered No: nothing was fetched.
    EXPECT_EQ(stub.hits(kDownloadPath), 0);
    EXPECT_TRUE(folderContents().empty());
}

TEST_F(UpdateCheckTest, DownloadStoresTheExactBytesAndDrivesTheBar)
{
    const QByteArray body = bytesOfSize(3 * 10240 + 7);
    stub.answer(kDownloadPath, trickle(body, 4000, 5));
    // The announced size only bounds the bar; the body is what arrives.
    for (qint64 announced : {qint64(body.size()), qint64(100)}) {
        std::filesystem::remove(dir.file("new.bin"));
        prompter.boxes.clear();
        offerDownload(announced);

        UpdateCheck check(prompter, Folders(), setup());
        std::vector<qint64> started, values;
        int ended = 0;
        QObject::connect(&check, &UpdateCheck::downloadStarted, [&](qint64 m) { started.push_back(m); });
        QObject::connect(&check, &UpdateCheck::downloadProgress, [&](qint64 v) { values.push_back(v); });
        QObject::connect(&check, &UpdateCheck::downloadEnded, [&] { ++ended; });
        run(check);

        EXPECT_EQ(dir.read("new.bin"), body.toStdString());
        struct stat st;
        ASSERT_EQ(stat(dir.file("new.bin").c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0644u);
        EXPECT_EQ(folderContents(), std::vector<std::string>{"new.bin"});
        ASSERT_EQ(prompter.boxes.size(), 2u);
        EXPECT_EQ(prompter.boxes[1].text, "Download finished.\r\nStored as " + dir.path() + "/new.bin");
        EXPECT_EQ(prompter.boxes[1].icon, MsgIcon::Information);
        EXPECT_EQ(started, std::vector<qint64>{announced});
        EXPECT_EQ(ended, 1);
        EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));
        // The bar follows the bytes and stops at the announced size.
        EXPECT_TRUE(std::all_of(values.begin(), values.end(), [&](qint64 v) { return v <= announced; }));
        if (announced == body.size()) {
            ASSERT_FALSE(values.empty());
            EXPECT_EQ(values.back(), announced);
        }
    }
}

TEST_F(UpdateCheckTest, AFileOfTheServersNameIsNeverReplaced)
{
    stub.answer(kDownloadPath, {200, "OK", bytesOfSize(10)});
    // The user's own file, or an earlier download: said before anything is fetched.
    const std::string old = dir.write("new.bin", "#!/bin/sh\n");
    chmod(old.c_str(), 0755);
    offerDownload(10);
    run(setup());
    expectFailure("a file there", 2);
    EXPECT_EQ(stub.hits(kDownloadPath), 0);
    EXPECT_EQ(dir.read("new.bin"), "#!/bin/sh\n");

    // One put there while the file arrives stays too.
    std::filesystem::remove(old);
    stub.answer(kDownloadPath, trickle(bytesOfSize(30000), 4000, 5));
    offerDownload(30000);
    UpdateCheck check(prompter, Folders(), setup());
    QObject::connect(&check, &UpdateCheck::downloadStarted, [&] { dir.write("new.bin", "meanwhile"); });
    run(check);
    expectFailure("put there meanwhile", 2);
    EXPECT_EQ(dir.read("new.bin"), "meanwhile");
    EXPECT_EQ(folderContents(), std::vector<std::string>{"new.bin"});
}

TEST_F(UpdateCheckTest, AFailedVersionRequestIsReportedInOneMessage)
{
    HttpStub::Answer loop{302, "Found"};
    loop.headers = {{"Location", kVersionPath.toLatin1()}};
    std::vector<std::pair<std::string, HttpStub::Answer>> cases = {
        {"404", {404, "Not Found", "211\nnew.bin\n1\n"}},
        {"500", {500, "Oops", "211\nnew.bin\n1\n"}},
        {"redirect loop", loop},
        {"html page", {200, "OK", "<!DOCTYPE html>\n<html><body>Welcome</body></html>\n"}},
        {"10 MB", {200, "OK", QByteArray(10 * 1024 * 1024, '1')}},
        {"past 18 digits", {200, "OK", "1234567890123456789\nnew.bin\n1\n"}},
    };
    // The name must stay in the program's folder and spare the program's own files.
    for (const char* name : {"../x", "/etc/x", "a/b", "x\\y", "..", ".hidden", "CorvaneDisk", "corvanedisk",
                             "libQuexel.so", "dat", "skin", "language", "tmp", "reports"})
        cases.push_back({name, {200, "OK", QByteArray("211\r\n") + name + "\r\n10\r\n"}});
    for (const char* size : {"-5", "abc", "", "300000000"})
        cases.push_back({size, {200, "OK", QByteArray("211\r\nnew.bin\r\n") + size}});
    for (const auto& [about, answer] : cases) {
        stub.answer(kVersionPath, answer);
        run(setup());
        expectFailure(about);
    }
    // An empty version file ends the check without a word.
    stub.answer(kVersionPath, {204, "No Content"});
    run(setup());
    EXPECT_TRUE(prompter.boxes.empty());
    EXPECT_EQ(stub.requests.filter("/file/ver").size(), stub.requests.size());
    EXPECT_TRUE(folderContents().empty());
}

TEST_F(UpdateCheckTest, AFailedDownloadKeepsNothingAndSaysSo)
{
    dir.write("other.bin", "the user's");
    HttpStub::Answer dropped{200, "OK", bytesOfSize(30727)};
    dropped.dropAfter = 20000;
    UpdateSetup capped = setup();
    capped.maxDownloadBytes = 20000;
    struct Case {
        const char* about;
        std::optional<HttpStub::Answer> answer;
        UpdateSetup setup;
    };
    for (const Case& c : {Case{"404", std::nullopt, setup()}, Case{"dropped connection", dropped, setup()},
                          Case{"over the cap", HttpStub::Answer{200, "OK", bytesOfSize(50000)}, capped}}) {
        if (c.answer)
            stub.answer(kDownloadPath, *c.answer);
        offerDownload(10);
        UpdateCheck check(prompter, Folders(), c.setup);
        int ended = 0;
        QObject::connect(&check, &UpdateCheck::downloadEnded, [&] { ++ended; });
        run(check);
        EXPECT_EQ(ended, 1) << c.about;
        expectFailure(c.about, 2);
        EXPECT_EQ(folderContents(), std::vector<std::string>{"other.bin"}) << c.about;
    }
    // A folder that cannot take the file: said before anything is fetched.
    SetAppFolders(dir.file("missing"));
    offerDownload(10);
    int fetched = stub.hits(kDownloadPath);
    run(setup());
    expectFailure("missing folder", 2);
    EXPECT_EQ(stub.hits(kDownloadPath), fetched);
}

TEST_F(UpdateCheckTest, ASilentServerTimesOut)
{
    stub.answer(kVersionPath, HttpStub::Answer::Silent());
    UpdateSetup s = setup();
    s.timeout = 300ms;
    QElapsedTimer clock;
    clock.start();
    run(s);
    EXPECT_LT(clock.elapsed(), 5000);
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_NE(prompter.boxes[0].text.find("did not answer"), std::string::npos);
}

TEST_F(UpdateCheckTest, ARunningCheckIgnoresASecondStartAndAbortsQuietly)
{
    stub.answer(kVersionPath, HttpStub::Answer::Silent());
    UpdateCheck check(prompter, Folders(), setup());
    int finished = 0;
    QObject::connect(&check, &UpdateCheck::finished, [&] { ++finished; });
    ASSERT_TRUE(check.start(texts));
    EXPECT_TRUE(check.isBusy());
    EXPECT_FALSE(check.start(texts));
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (stub.hits(kVersionPath) > 0)
            loop.quit();
    });
    poll.start(5);
    QTimer::singleShot(5s, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(stub.hits(kVersionPath), 1);
    check.abort();
    EXPECT_FALSE(check.isBusy());
    EXPECT_EQ(finished, 1);

    // Closing the dialog in the middle of a download keeps nothing.
    stub.answer(kDownloadPath, trickle(bytesOfSize(30000), 1000, 20));
    offerDownload(30000);
    int ended = 0;
    QObject::connect(&check, &UpdateCheck::downloadEnded, [&] { ++ended; });
    QObject::connect(&check, &UpdateCheck::downloadProgress, &check, &UpdateCheck::abort);
    run(check);
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(finished, 2);
    EXPECT_EQ(prompter.boxes.size(), 1u); // the question, then silence
    EXPECT_TRUE(folderContents().empty());
}

TEST_F(UpdateCheckTest, TheEventLoopKeepsTurningDuringASlowDownload)
{
    stub.answer(kDownloadPath, trickle(bytesOfSize(40 * 1024), 1024, 20));
    offerDownload(40 * 1024);
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(10);
    QElapsedTimer clock;
    clock.start();
    run(setup());
    // About 800 ms of trickling: a blocked loop would tick once or twice.
    EXPECT_GE(clock.elapsed(), 700);
    EXPECT_GE(ticks, 30);
    EXPECT_EQ(dir.read("new.bin").size(), 40u * 1024);
}

#pragma once
// Asks the update server whether a newer version exists and, when the user
// agrees, stores the file it names in the program's folder (it is never
// started). Everything runs on the event loop: start() returns at once and
// the window stays usable; the signals drive the options page's button and
// progress bar. Messages go through the prompter it is handed.

#include "options/ProgramVersion.h"
#include "options/WebAddresses.h"
#include "platform/fs/AtomicFile.h"

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <chrono>
#include <string>

class Prompter;
class QNetworkReply;
struct AppFolders;

// The language texts the check shows.
struct UpdateTexts {
    std::string askDownload; // a newer version exists: download it?
    std::string downloaded;  // first line of the message after a download
    std::string savedAs;     // second line, followed by the stored file's path
    std::string upToDate;    // no newer version
};

struct UpdateSetup {
    QString server = QString::fromUtf8(UpdateServerAddress);
    ProgramVersion version = RunningVersion;
    // A transfer that receives nothing for this long fails.
    std::chrono::milliseconds timeout{30000};
    qint64 maxReplyBytes = 64 * 1024;            // the version file
    qint64 maxDownloadBytes = 256 * 1024 * 1024; // the update itself
};

class UpdateCheck : public QObject {
    Q_OBJECT
public:
    // The download goes into folders.AppPath.
    UpdateCheck(Prompter& prompter, const AppFolders& folders, UpdateSetup setup = {}, QObject* parent = nullptr);
    ~UpdateCheck() override;

    // Starts a check; false, and nothing happens, while one runs.
    bool start(const UpdateTexts& texts);
    bool isBusy() const { return busy_; }
    // Ends a running check at once: no message, no file, finished() follows.
    void abort();

signals:
    // The download begins; maximum is the size the server announced.
    void downloadStarted(qint64 maximum);
    // Bytes received so far, while they do not exceed the announced size.
    void downloadProgress(qint64 received);
    // The download is over, whatever its outcome (the bar is filled and hidden).
    void downloadEnded();
    // The check is over; a new one may start.
    void finished();

private:
    enum class Phase { Idle, Version, Download };

    void request(const QString& path);
    void takeData();
    void replyFinished();
    void fail(const std::string& why);
    void versionArrived();
    void downloadArrived();
    void startDownload(const std::string& fileName, qint64 size);
    void report(const std::string& why);
    void finish();
    // Runs step on the event loop unless the check has ended or restarted by then.
    template <class Step> void later(Step step);

    Prompter& prompter_;
    const AppFolders& folders_;
    UpdateSetup setup_;
    UpdateTexts texts_;
    QNetworkAccessManager net_;
    QPointer<QNetworkReply> reply_;
    QTimer idle_;
    Phase phase_ = Phase::Idle;
    bool busy_ = false;
    unsigned run_ = 0; // tells a step queued for an ended check from a current one
    std::string failure_;
    QByteArray versionReply_;
    std::string downloadPath_;
    qint64 downloadSize_ = 0;
    qint64 received_ = 0;
    AtomicFileWriter download_;
};

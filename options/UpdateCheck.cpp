#include "options/UpdateCheck.h"

#include "engine/start/AppFolders.h"
#include "engine/text/PathHelpers.h"
#include "options/VersionFile.h"
#include "platform/prompter/Prompter.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace {
constexpr std::string_view kTitle = "CorvaneDisk";
constexpr std::string_view kFailed = "The update check failed: ";
// The download is data, never a program to run.
constexpr mode_t kDownloadMode = 0644;

std::string bytesLimit(qint64 limit)
{
    return "larger than " + std::to_string(limit) + " bytes";
}

std::string plain(const QString& s)
{
    return s.toStdString();
}

// Why a finished reply is not usable; empty when it is.
std::string transferProblem(QNetworkReply& reply)
{
    QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    std::string code = status.isValid() ? " (HTTP " + std::to_string(status.toInt()) + ")" : "";
    if (reply.error() != QNetworkReply::NoError)
        return plain(reply.errorString()) + code;
    int http = status.toInt();
    if (http < 200 || http > 299)
        return "the server answered " + std::to_string(http) + " " +
               reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString().toStdString();
    return {};
}
} // namespace

UpdateCheck::UpdateCheck(Prompter& prompter, const AppFolders& folders, UpdateSetup setup, QObject* parent)
    : QObject(parent), prompter_(prompter), folders_(folders), setup_(std::move(setup))
{
    idle_.setSingleShot(true);
    idle_.setInterval(setup_.timeout);
    connect(&idle_, &QTimer::timeout, this,
            [this] { fail("the server did not answer within " + std::to_string(setup_.timeout.count()) + " ms"); });
}

UpdateCheck::~UpdateCheck()
{
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
    }
}

bool UpdateCheck::start(const UpdateTexts& texts)
{
    if (busy_)
        return false;
    busy_ = true;
    ++run_;
    texts_ = texts;
    failure_.clear();
    versionReply_.clear();
    received_ = 0;
    phase_ = Phase::Version;
    request("/file/ver" + QString::fromStdString(VersionDigits(setup_.version)) + ".dat");
    return true;
}

void UpdateCheck::abort()
{
    if (!busy_)
        return;
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
        reply_->deleteLater();
    }
    idle_.stop();
    download_.abort();
    if (phase_ == Phase::Download)
        emit downloadEnded();
    finish();
}

void UpdateCheck::request(const QString& path)
{
    QUrl url(setup_.server);
    QString prefix = url.path();
    while (prefix.endsWith('/'))
        prefix.chop(1);
    url.setPath(prefix + path, QUrl::DecodedMode);
    QNetworkRequest req(url);
    req.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    reply_ = net_.get(req);
    connect(reply_, &QNetworkReply::readyRead, this, &UpdateCheck::takeData);
    connect(reply_, &QNetworkReply::finished, this, &UpdateCheck::replyFinished);
    idle_.start();
}

void UpdateCheck::takeData()
{
    idle_.start();
    int status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status < 200 || status > 299) {
        reply_->readAll(); // an error page; replyFinished reports the status
        return;
    }
    QByteArray chunk = reply_->readAll();
    received_ += chunk.size();
    if (phase_ == Phase::Version) {
        if (received_ > setup_.maxReplyBytes)
            return fail("the server's version file is " + bytesLimit(setup_.maxReplyBytes));
        versionReply_ += chunk;
        return;
    }
    if (received_ > setup_.maxDownloadBytes)
        return fail("the download is " + bytesLimit(setup_.maxDownloadBytes));
    if (!download_.write(std::string_view(chunk.constData(), std::size_t(chunk.size()))))
        return fail(download_.error());
    if (received_ <= downloadSize_)
        emit downloadProgress(received_);
}

void UpdateCheck::fail(const std::string& why)
{
    if (failure_.empty())
        failure_ = why;
    if (reply_)
        reply_->abort(); // replyFinished follows
}

void UpdateCheck::replyFinished()
{
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    idle_.stop();
    reply->disconnect(this);
    reply->deleteLater();
    if (failure_.empty())
        failure_ = transferProblem(*reply);
    // Boxes open from the event loop, never from inside the network code.
    if (phase_ == Phase::Version)
        later([this] { versionArrived(); });
    else
        later([this] { downloadArrived(); });
}

template <class Step> void UpdateCheck::later(Step step)
{
    QMetaObject::invokeMethod(
        this,
        [this, run = run_, step] {
            if (busy_ && run == run_)
                step();
        },
        Qt::QueuedConnection);
}

void UpdateCheck::versionArrived()
{
    if (!failure_.empty())
        return report(failure_);
    VersionFile file = ReadVersionFile(std::string_view(versionReply_.constData(), std::size_t(versionReply_.size())));
    if (file.newest.empty())
        return finish();
    auto newest = DecimalNumber(file.newest);
    if (!newest)
        return report("the server's reply is not a version file");
    if (*newest <= DecimalNumber(VersionDigits(setup_.version)).value_or(0)) {
        prompter_.message(texts_.upToDate, kTitle, MsgIcon::Information);
        return finish();
    }
    if (!IsAcceptableUpdateFileName(file.fileName))
        return report("the server names the file \"" + file.fileName +
                      "\", which cannot be stored in the program's folder");
    auto size = DecimalNumber(file.size);
    if (!size || qint64(*size) > setup_.maxDownloadBytes)
        return report("the server announces the size \"" + file.size + "\"");
    unsigned run = run_;
    bool yes = prompter_.askYesNo(texts_.askDownload, kTitle, MsgIcon::Question);
    if (run != run_ || !busy_)
        return; // aborted while the question was open
    if (!yes)
        return finish();
    startDownload(file.fileName, qint64(*size));
}

void UpdateCheck::startDownload(const std::string& fileName, qint64 size)
{
    downloadPath_ = folders_.AppPath + fileName;
    // The server names the file: one of that name in the program's folder
    // (an earlier download, or the user's own) is never replaced.
    if (NameTaken(downloadPath_))
        return report("there is a file " + downloadPath_ + " already; it is kept and nothing was downloaded");
    if (!download_.open(downloadPath_, kDownloadMode))
        return report(download_.error());
    download_.keepExisting();
    downloadSize_ = size;
    received_ = 0;
    phase_ = Phase::Download;
    emit downloadStarted(size);
    request("/file/" + QString::fromStdString(fileName));
}

void UpdateCheck::downloadArrived()
{
    emit downloadEnded();
    if (failure_.empty() && !download_.commit())
        failure_ = download_.error();
    if (!failure_.empty()) {
        download_.abort();
        return report(failure_);
    }
    prompter_.message(texts_.downloaded + "\r\n" + texts_.savedAs + downloadPath_, kTitle, MsgIcon::Information);
    finish();
}

void UpdateCheck::report(const std::string& why)
{
    prompter_.message(std::string(kFailed) + why, kTitle, MsgIcon::Exclamation);
    finish();
}

void UpdateCheck::finish()
{
    phase_ = Phase::Idle;
    busy_ = false;
    ++run_;
    emit finished();
}

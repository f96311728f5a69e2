#pragma once
// A tiny HTTP server on 127.0.0.1 for tests of network code: each path gets a
// scripted answer, unknown paths a 404. It runs on the test's event loop and
// closes every connection after one answer.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTcpServer>

class QTcpSocket;

class HttpStub : public QObject {
public:
    struct Answer {
        Answer(int statusCode = 200, QByteArray reasonPhrase = "OK", QByteArray content = {})
            : status(statusCode), reason(std::move(reasonPhrase)), body(std::move(content))
        {
        }
        static Answer Silent()
        {
            Answer a;
            a.silent = true;
            return a;
        }

        int status = 200;
        QByteArray reason = "OK";
        QByteArray body;
        QList<QPair<QByteArray, QByteArray>> headers;
        // Closes the connection after this many body bytes, although
        // Content-Length announces them all; -1 sends the whole body.
        qint64 dropAfter = -1;
        // With chunkBytes > 0 the body goes out in pieces of that size, one
        // every chunkDelayMs.
        int chunkBytes = 0;
        int chunkDelayMs = 0;
        // Reads the request and never answers.
        bool silent = false;
    };

    HttpStub();
    QString address() const; // "http://127.0.0.1:<port>"
    void answer(const QString& path, Answer a) { answers_[path] = std::move(a); }
    int hits(const QString& path) const { return int(requests.count(path)); }

    QStringList requests; // the paths asked for, in order

private:
    void serve(QTcpSocket* socket);
    void send(QTcpSocket* socket, const Answer& a);

    QMap<QString, Answer> answers_;
    QHash<QTcpSocket*, QByteArray> unanswered_; // request heads read so far
    QTcpServer server_;                         // last: its sockets go before the tables they use
};

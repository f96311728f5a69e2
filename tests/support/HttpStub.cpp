#include "tests/support/HttpStub.h"

#include <QTcpSocket>
#include <QTimer>

#include <memory>

HttpStub::HttpStub()
{
    server_.listen(QHostAddress::LocalHost);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            unanswered_.insert(socket, {});
            connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
                unanswered_.remove(socket);
                socket->deleteLater();
            });
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        }
    });
}

QString HttpStub::address() const
{
    return "http://127.0.0.1:" + QString::number(server_.serverPort());
}

void HttpStub::serve(QTcpSocket* socket)
{
    QByteArray data = socket->readAll();
    auto head = unanswered_.find(socket);
    if (head == unanswered_.end())
        return; // answered already
    *head += data;
    if (!head->contains("\r\n\r\n"))
        return;
    QString path = QString::fromLatin1(head->split(' ').value(1));
    unanswered_.erase(head);
    requests << path;
    Answer a = answers_.value(path, Answer{404, "Not Found", "<html>missing</html>"});
    if (!a.silent)
        send(socket, a);
}

void HttpStub::send(QTcpSocket* socket, const Answer& a)
{
    QByteArray out = "HTTP/1.1 " + QByteArray::number(a.status) + " " + a.reason + "\r\n" +
                     "Content-Length: " + QByteArray::number(a.body.size()) + "\r\n" + "Connection: close\r\n";
    for (const auto& [name, value] : a.headers)
        out += name + ": " + value + "\r\n";
    socket->write(out + "\r\n");
    QByteArray body = a.dropAfter >= 0 ? a.body.left(a.dropAfter) : a.body;
    if (a.chunkBytes <= 0) {
        socket->write(body);
        socket->disconnectFromHost();
        return;
    }
    auto timer = new QTimer(socket);
    auto sent = std::make_shared<qint64>(0);
    connect(timer, &QTimer::timeout, socket, [socket, timer, body, sent, size = a.chunkBytes] {
        socket->write(body.mid(*sent, size));
        *sent += size;
        if (*sent >= body.size()) {
            timer->stop();
            socket->disconnectFromHost();
        }
    });
    timer->start(a.chunkDelayMs);
}

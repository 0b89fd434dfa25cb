#pragma once

// A small HTTP server on 127.0.0.1 for tests: it records every request it is
// sent and answers each with what the test says (by default 404), at once
// or after a delay. One request per connection; the connection closes after
// the answer.

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <utility>

class LocalHttpServer : public QObject
{
public:
    struct Answer
    {
        Answer() = default;
        Answer(int status, QByteArray contentType, QByteArray body, QByteArray headers = {}, int delayMs = 0)
            : status(status), contentType(std::move(contentType)), body(std::move(body)), headers(std::move(headers)),
              delayMs(delayMs)
        { }

        int status = 404;
        QByteArray contentType = "text/plain";
        QByteArray body;
        QByteArray headers; // further header lines, each ending in "\r\n" (a Location, say)
        int delayMs = 0;    // the answer leaves this long after the request came
    };

    LocalHttpServer()
    {
        connect(&m_server, &QTcpServer::newConnection, this, &LocalHttpServer::accept);
        m_server.listen(QHostAddress::LocalHost, 0);
    }

    quint16 port() const { return m_server.serverPort(); }
    // "127.0.0.1:<port>"
    QString hostAndPort() const { return QStringLiteral("127.0.0.1:%1").arg(port()); }
    QString url(const QString &path) const { return QStringLiteral("http://%1%2").arg(hostAndPort(), path); }

    // Answers by path; a path not listed gets `answerFor` or 404.
    QMap<QString, Answer> answers;
    std::function<Answer(const QUrl &)> answerFor;
    QList<QUrl> requests; // as the request line gave them, relative to this host

private:
    void accept()
    {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    }

    void read(QTcpSocket *socket)
    {
        QByteArray &buffer = m_buffers[socket];
        buffer += socket->readAll();
        if (!buffer.contains("\r\n\r\n"))
            return;
        const QList<QByteArray> requestLine = buffer.left(buffer.indexOf("\r\n")).split(' ');
        m_buffers.remove(socket);
        const QUrl url = QUrl::fromEncoded(requestLine.value(1));
        requests << url;
        Answer answer;
        if (answers.contains(url.path()))
            answer = answers.value(url.path());
        else if (answerFor)
            answer = answerFor(url);
        QByteArray head = "HTTP/1.1 " + QByteArray::number(answer.status)
                          + (answer.status == 200 ? " OK" : " Not Found") + "\r\nContent-Type: " + answer.contentType
                          + "\r\nContent-Length: " + QByteArray::number(answer.body.size())
                          + "\r\nConnection: close\r\n" + answer.headers + "\r\n";
        const QPointer<QTcpSocket> target(socket);
        auto send = [target, whole = head + answer.body] {
            if (!target)
                return;
            target->write(whole);
            target->disconnectFromHost();
        };
        if (answer.delayMs > 0)
            QTimer::singleShot(answer.delayMs, this, send);
        else
            send();
    }

    QTcpServer m_server;
    QMap<QTcpSocket *, QByteArray> m_buffers;
};

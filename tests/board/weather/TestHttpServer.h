#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class QTcpServer;
class QTcpSocket;

// An HTTP service on 127.0.0.1 inside the test: it records each raw request (line and
// headers) and lets the test decide how to answer, or not to answer at all.
class TestHttpServer : public QObject
{
public:
    using Responder = std::function<void(QTcpSocket *socket, const QByteArray &request)>;

    TestHttpServer();
    ~TestHttpServer() override;

    // "127.0.0.1:<port>", as the [Weather] Host setting names it.
    QString host() const;
    quint16 port() const;

    // Every request gets this answer, written as it is, then the connection is closed.
    void answerWith(const QByteArray &response);
    void setResponder(Responder responder) { m_responder = std::move(responder); }

    const QList<QByteArray> &requests() const { return m_requests; }

    // A complete answer with Content-Length; `headers` are extra lines without CRLF.
    static QByteArray Response(const QByteArray &statusLine, const QByteArray &body,
                               const QList<QByteArray> &headers = {});

private:
    void onConnection();

    QTcpServer *m_server;
    Responder m_responder;
    QList<QByteArray> m_requests;
};

#include "TestHttpServer.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

using namespace Qt::Literals::StringLiterals;

TestHttpServer::TestHttpServer() : m_server(new QTcpServer(this))
{
    m_server->listen(QHostAddress::LocalHost, 0);
    connect(m_server, &QTcpServer::newConnection, this, &TestHttpServer::onConnection);
    answerWith(Response("HTTP/1.1 404 Not Found", {}));
}

TestHttpServer::~TestHttpServer() = default;

QString TestHttpServer::host() const
{
    return u"127.0.0.1:%1"_s.arg(port());
}

quint16 TestHttpServer::port() const
{
    return m_server->serverPort();
}

void TestHttpServer::answerWith(const QByteArray &response)
{
    m_responder = [response](QTcpSocket *socket, const QByteArray &) {
        socket->write(response);
        socket->disconnectFromHost();
    };
}

QByteArray TestHttpServer::Response(const QByteArray &statusLine, const QByteArray &body,
                                    const QList<QByteArray> &headers)
{
    QByteArray response = statusLine + "\r\n";
    for (const QByteArray &header : headers)
        response += header + "\r\n";
    response += "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n";
    return response + body;
}

void TestHttpServer::onConnection()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
            if (buffer->contains("\r\n\r\n"))
                return; // answered already; a GET has no body
            *buffer += socket->readAll();
            const qsizetype end = buffer->indexOf("\r\n\r\n");
            if (end < 0)
                return;
            const QByteArray request = buffer->left(end + 4);
            m_requests.append(request);
            m_responder(socket, request);
        });
    }
}

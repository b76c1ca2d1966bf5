// weather-stub: answers the board's weather request on this computer.
//   weather-stub [--port 8088] [--listen 127.0.0.1] [--mode ok] [--document file.json]
//                [--delay ms]
// Each request is logged on standard output as one line.
#include "StubAnswers.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTextStream>
#include <QTime>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;
using StubAnswers::Mode;

namespace {

struct Settings
{
    Mode mode = Mode::Ok;
    QByteArray document;
    int delayMs = 0;
};

void Log(const QString &line)
{
    static QTextStream out(stdout);
    out << QTime::currentTime().toString(u"HH:mm:ss"_s) << u"  "_s << line << Qt::endl;
}

void Answer(QTcpSocket *socket, const QByteArray &requestLine, const Settings &settings)
{
    const QByteArray target = requestLine.split(' ').value(1);
    Log(QString::fromUtf8(requestLine));
    if (settings.mode == Mode::Hang)
        return; // the socket stays open until the client gives up
    if (settings.mode == Mode::Close) {
        socket->abort();
        return;
    }
    const QByteArray response = StubAnswers::Response(settings.mode, target, settings.document);
    QTimer::singleShot(settings.delayMs, socket, [socket, response] {
        socket->write(response);
        socket->disconnectFromHost();
    });
}

void Serve(QTcpServer &server, const Settings &settings)
{
    QObject::connect(&server, &QTcpServer::newConnection, &server, [&server, &settings] {
        while (QTcpSocket *socket = server.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            auto buffer = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, buffer, &settings] {
                if (buffer->contains("\r\n\r\n"))
                    return;
                *buffer += socket->readAll();
                if (buffer->size() > 64 * 1024)
                    return socket->abort();
                if (buffer->contains("\r\n\r\n"))
                    Answer(socket, buffer->left(buffer->indexOf("\r\n")), settings);
            });
        }
    });
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(u"A local stand-in for the board's weather service."_s);
    parser.addHelpOption();
    parser.addOption({u"port"_s, u"Port to listen on (default 8088)."_s, u"port"_s, u"8088"_s});
    parser.addOption({u"listen"_s, u"Address to listen on (default 127.0.0.1)."_s, u"address"_s,
                      u"127.0.0.1"_s});
    parser.addOption(
        {u"mode"_s, u"How to answer: "_s + StubAnswers::ModeNames() + u"."_s, u"mode"_s, u"ok"_s});
    parser.addOption({u"document"_s, u"Answer with this file's content in mode ok."_s, u"file"_s});
    parser.addOption({u"delay"_s, u"Milliseconds to wait before answering."_s, u"ms"_s, u"0"_s});
    parser.process(app);

    Settings settings;
    if (!StubAnswers::ParseMode(parser.value(u"mode"_s), settings.mode))
        parser.showHelp(2);
    settings.delayMs = parser.value(u"delay"_s).toInt();
    if (parser.isSet(u"document"_s)) {
        QFile file(parser.value(u"document"_s));
        if (!file.open(QIODevice::ReadOnly)) {
            Log(u"cannot read "_s + file.fileName());
            return 1;
        }
        settings.document = file.readAll();
    }
    QTcpServer server;
    const QHostAddress address(parser.value(u"listen"_s));
    if (!server.listen(address, quint16(parser.value(u"port"_s).toUInt()))) {
        Log(u"cannot listen: "_s + server.errorString());
        return 1;
    }
    Serve(server, settings);
    Log(u"weather stub on %1:%2, mode %3"_s.arg(address.toString())
            .arg(server.serverPort())
            .arg(parser.value(u"mode"_s)));
    return app.exec();
}

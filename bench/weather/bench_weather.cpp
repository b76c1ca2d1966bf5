// bench_weather: prints figures, never passes or fails.
#include "board/weather/WeatherClient.h"
#include "board/weather/WeatherOps.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QByteArray Document =
    uR"({"weatherinfo":{"city":"成都","temp1":"4~13℃","weather1":"多云转小雨",)"
    uR"("temp2":"5~12℃","weather2":"阴"}})"_s.toUtf8();

long PeakRssKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Answers every request with the document, or with `streamBytes` of body sent as the
// client takes it (no Content-Length, so the client must stop on its own).
void Serve(QTcpServer &server, qint64 streamBytes)
{
    QObject::connect(&server, &QTcpServer::newConnection, &server, [&server, streamBytes] {
        while (QTcpSocket *socket = server.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, streamBytes] {
                if (!socket->readAll().contains("\r\n\r\n"))
                    return;
                if (streamBytes == 0) {
                    socket->write("HTTP/1.1 200 OK\r\nContent-Length: " +
                                  QByteArray::number(Document.size()) + "\r\n\r\n" + Document);
                    socket->disconnectFromHost();
                    return;
                }
                socket->write("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n");
                auto sent = std::make_shared<qint64>(0);
                const auto more = [socket, sent, streamBytes] {
                    while (*sent < streamBytes && socket->bytesToWrite() < 256 * 1024) {
                        socket->write(QByteArray(64 * 1024, ' '));
                        *sent += 64 * 1024;
                    }
                    if (*sent >= streamBytes)
                        socket->disconnectFromHost();
                };
                QObject::connect(socket, &QTcpSocket::bytesWritten, socket, more);
                more();
            });
        }
    });
}

// Runs `work` on a thread of its own while this thread serves the requests.
void RunBeside(const std::function<void()> &work)
{
    QThread *thread = QThread::create(work);
    QEventLoop loop;
    QObject::connect(thread, &QThread::finished, &loop, &QEventLoop::quit);
    thread->start();
    loop.exec();
    delete thread;
}

void BenchParse()
{
    const QString text = QString::fromUtf8(Document);
    const int rounds = 100000;
    QElapsedTimer timer;
    timer.start();
    int icons = 0;
    for (int i = 0; i < rounds; ++i) {
        const auto parsed = Weather::ParseWeatherReport(text);
        icons += Weather::WeatherIconIndex(parsed.report.weather1.value_or(QString())).value_or(0);
    }
    std::printf("parse + icon rule: %.2f us per document (%d rounds, check %d)\n",
                timer.nsecsElapsed() / 1000.0 / rounds, rounds, icons);
}

void BenchRoundTrip()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    Serve(server, 0);
    const QString host = u"127.0.0.1:%1"_s.arg(server.serverPort());
    std::vector<double> times;
    RunBeside([&] {
        Weather::WeatherClient client;
        for (int i = 0; i < 200; ++i) {
            QElapsedTimer timer;
            timer.start();
            const auto outcome = client.Get(host, Weather::WeatherRequestPath(u"101270101"_s));
            if (outcome.ok)
                times.push_back(timer.nsecsElapsed() / 1e6);
        }
    });
    std::sort(times.begin(), times.end());
    if (times.empty())
        return void(std::printf("round trip: no request succeeded\n"));
    std::printf("round trip to 127.0.0.1: median %.2f ms, slowest %.2f ms (%zu requests)\n",
                times[times.size() / 2], times.back(), times.size());
}

void BenchLargeBody()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    const qint64 size = 10 * 1024 * 1024;
    Serve(server, size);
    const QString host = u"127.0.0.1:%1"_s.arg(server.serverPort());
    const long before = PeakRssKiB();
    Weather::FetchOutcome outcome;
    QElapsedTimer timer;
    timer.start();
    RunBeside([&] {
        Weather::WeatherClient client;
        outcome = client.Get(host, Weather::WeatherRequestPath(u"1"_s));
    });
    std::printf("10 MiB answer: failed=%s after %lld ms, held at most %lld bytes, peak RSS "
                "%ld -> %ld KiB\n",
                outcome.ok ? "no" : "yes", timer.elapsed(), qint64(outcome.heldBytes), before,
                PeakRssKiB());
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    BenchParse();
    BenchRoundTrip();
    BenchLargeBody();
    return 0;
}

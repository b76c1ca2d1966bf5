#include "app/FirstFrom.h"
#include "app/StartupSequence.h"
#include "controls/Gauge.h"
#include "platform/Fonts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class tst_Startup : public QObject
{
    Q_OBJECT
private slots:
    void stagesInOrderAndNothingElse();
    void stagesKeepTheirPauses();
    void splashLayout();
};

// After its initial 0 the bar shows the six values and no other, each with its own text.
void tst_Startup::stagesInOrderAndNothingElse()
{
    TFirstForm splash;
    splash.show();
    QCOMPARE(splash.Gauge1->value(), 0);
    QVERIFY(splash.Label1->text().isEmpty());
    QSignalSpy values(splash.Gauge1, &Gauge::valueChanged);
    QList<std::pair<int, QString>> shown;
    RunSplashStages(splash, SplashPacing{0, 0, 0}, [&](int) {
        shown.append({splash.Gauge1->value(), splash.Label1->text()});
    });

    QList<int> seen;
    for (const QList<QVariant> &args : values)
        seen << args.at(0).toInt();
    QCOMPARE(seen, (QList<int>{10, 28, 49, 66, 82, 100}));
    const QList<std::pair<int, QString>> expected{
        {10, u"准备加载系统......."_s}, {28, u"加载数据引擎......."_s},
        {49, u"加载主系统......."_s},   {66, u"加载消息线程......."_s},
        {82, u"加载Agent......."_s},    {100, u"准备启动系统......"_s},
    };
    QCOMPARE(shown, expected);
}

// Five stages of 500 ms and one of 700 ms: 3.2 s in all with the program's own pacing.
void tst_Startup::stagesKeepTheirPauses()
{
    TFirstForm splash;
    QList<qint64> at;
    QElapsedTimer clock;
    clock.start();
    RunSplashStages(splash, SplashPacing{}, [&](int) { at << clock.elapsed(); });
    const qint64 total = clock.elapsed();
    QCOMPARE(at.size(), 6);
    for (int i = 1; i < 6; ++i)
        QVERIFY2(at[i] - at[i - 1] >= 500, qPrintable(QString::number(at[i] - at[i - 1])));
    QVERIFY(total - at[5] >= 700);
}

void tst_Startup::splashLayout()
{
    TFirstForm splash;
    QCOMPARE(splash.size(), QSize(752, 365));
    QCOMPARE(splash.Image1->geometry(), QRect(0, 0, 752, 365));
    QVERIFY(!splash.Image1->pixmap().isNull());
    QCOMPARE(splash.Gauge1->geometry(), QRect(487, 307, 226, 21));
    QCOMPARE(splash.Label1->pos(), QPoint(533, 344));
    QCOMPARE(splash.Label2->pos(), QPoint(651, 32));
    QCOMPARE(splash.Label2->text(), u"Builder 7.6.0.3"_s);
    QVERIFY(splash.Label2->font().bold());
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Fonts::InstallSubstitutes();
    tst_Startup test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_startup.moc"

#include "controls/picshow/PicShowEffects.h"
#include "controls/picshow/TPicShow.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <stdexcept>

class tst_TPicShow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void noPictureNoTransition();
    void framesInOrder();
    void loadDuringStartKeepsTransition();
    void stopKeepsFrameReached();
    void styleRules();
    void failingStartEndsBeforeFirstFrame();
    void overDrawFromScreenOrBackdrop();
    void screenshot();

private:
    static QImage Solid(QSize size, QRgb colour);
    void runToEnd();
    TPicShow *m_view = nullptr;
};

QImage tst_TPicShow::Solid(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

void tst_TPicShow::init()
{
    m_view = new TPicShow;
    m_view->resize(300, 200);
    m_view->SetBgPicture(Solid(QSize(42, 27), qRgb(0, 0, 255)));
    m_view->SetDelay(5);
    m_view->show();
}

void tst_TPicShow::cleanup()
{
    delete m_view;
    m_view = nullptr;
}

void tst_TPicShow::runToEnd()
{
    QTRY_VERIFY_WITH_TIMEOUT(!m_view->TransitionRunning(), 5000);
}

void tst_TPicShow::noPictureNoTransition()
{
    int started = 0;
    m_view->OnStart = [&] { ++started; };
    m_view->StartTransition();
    QVERIFY(!m_view->TransitionRunning());
    QCOMPARE(started, 0);
    QVERIFY(m_view->ScreenFrame().isNull());
}

// OnStart comes before the first frame; progress runs 4, 8, ... 100 with at least Delay
// between two frames; at the end the new picture shows whole.
void tst_TPicShow::framesInOrder()
{
    m_view->SetDelay(40);
    m_view->SetStyle(5);
    const QImage picture = Solid(QSize(64, 48), qRgb(200, 10, 10));
    m_view->SetPicture(picture);
    QList<int> progress;
    QList<qint64> shownAt;
    QElapsedTimer clock;
    clock.start();
    bool startedBeforeFrames = false;
    m_view->OnStart = [&] {
        startedBeforeFrames = progress.isEmpty();
        QVERIFY(m_view->TransitionRunning());
    };
    connect(m_view, &TPicShow::frameShown, this, [&](int p) {
        progress.append(p);
        shownAt.append(clock.elapsed());
    });
    m_view->StartTransition();
    QVERIFY(startedBeforeFrames);
    QVERIFY(m_view->TransitionRunning());
    runToEnd();
    QList<int> expected;
    for (int p = 4; p <= 100; p += 4)
        expected.append(p);
    QCOMPARE(progress, expected);
    for (qsizetype i = 1; i < shownAt.size(); ++i)
        QVERIFY2(shownAt[i] - shownAt[i - 1] >= 40,
                 qPrintable(QString::number(shownAt[i] - shownAt[i - 1])));
    QCOMPARE(m_view->ScreenFrame(), picture);
}

// A picture loaded from within OnStart waits for the next transition.
void tst_TPicShow::loadDuringStartKeepsTransition()
{
    const QImage first = Solid(QSize(64, 48), qRgb(200, 10, 10));
    const QImage second = Solid(QSize(64, 48), qRgb(10, 200, 10));
    m_view->SetPicture(first);
    m_view->OnStart = [&] { m_view->SetPicture(second); };
    m_view->StartTransition();
    runToEnd();
    QCOMPARE(m_view->ScreenFrame(), first);
    QCOMPARE(m_view->Picture(), second);
}

void tst_TPicShow::stopKeepsFrameReached()
{
    m_view->SetDelay(30);
    m_view->SetStyle(5);
    m_view->SetPicture(Solid(QSize(100, 50), qRgb(200, 10, 10)));
    m_view->StartTransition();
    QSignalSpy frames(m_view, &TPicShow::frameShown);
    QTRY_VERIFY(frames.size() >= 2);
    m_view->StopTransition();
    QVERIFY(!m_view->TransitionRunning());
    const int reached = m_view->Progress();
    QVERIFY(reached > 0 && reached < 100);
    const QImage frame = m_view->ScreenFrame();
    QTest::qWait(100);
    QCOMPARE(m_view->Progress(), reached);
    QCOMPARE(m_view->ScreenFrame(), frame);
    // Left part new, right part still the backdrop's blue.
    QCOMPARE(frame.pixel(0, 25), qRgb(200, 10, 10));
    QCOMPARE(qBlue(frame.pixel(99, 25)), 255);
    m_view->StopTransition(); // nothing running: does nothing
    QCOMPARE(m_view->Progress(), reached);
}

void tst_TPicShow::styleRules()
{
    m_view->SetStyle(64);
    QCOMPARE(m_view->Style(), 64);
    QCOMPARE(m_view->StyleName(), QStringLiteral("Bars from both sides"));
    m_view->SetStyle(173);
    QCOMPARE(m_view->Style(), 64);
    m_view->SetStyle(172);
    QCOMPARE(m_view->Style(), 172);
    m_view->SetStyle(0);
    QCOMPARE(m_view->StyleName(), QStringLiteral("Custom"));
}

// A failure while the next picture is read ends the transition before its first frame:
// the area keeps the starting frame and the failure reaches the caller.
void tst_TPicShow::failingStartEndsBeforeFirstFrame()
{
    m_view->SetPicture(Solid(QSize(30, 20), qRgb(200, 10, 10)));
    m_view->OnStart = [] { throw std::runtime_error("unreadable"); };
    QSignalSpy frames(m_view, &TPicShow::frameShown);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, m_view->StartTransition());
    QVERIFY(!m_view->TransitionRunning());
    QTest::qWait(50);
    QCOMPARE(frames.size(), 0);
    QCOMPARE(m_view->ScreenFrame().size(), QSize(30, 20));
    QCOMPARE(qBlue(m_view->ScreenFrame().pixel(15, 10)), 255);
}

// With style 0 the frames before the last are the starting frame itself, which shows
// where a transition starts: from the picture on screen when the sizes match, else from
// the backdrop.
void tst_TPicShow::overDrawFromScreenOrBackdrop()
{
    m_view->SetStyle(0);
    const QImage red = Solid(QSize(40, 30), qRgb(200, 10, 10));
    m_view->SetPicture(red);
    m_view->StartTransition();
    QCOMPARE(qBlue(m_view->ScreenFrame().pixel(5, 5)), 255); // first one: the backdrop
    runToEnd();

    m_view->SetPicture(Solid(QSize(40, 30), qRgb(10, 200, 10)));
    m_view->StartTransition();
    QCOMPARE(m_view->ScreenFrame().pixel(5, 5), qRgb(200, 10, 10));
    runToEnd();

    m_view->SetPicture(Solid(QSize(41, 30), qRgb(10, 10, 10)));
    m_view->StartTransition();
    QCOMPARE(qBlue(m_view->ScreenFrame().pixel(5, 5)), 255);
    runToEnd();
    QCOMPARE(m_view->ScreenFrame().pixel(5, 5), qRgb(10, 10, 10));
}

void tst_TPicShow::screenshot()
{
    m_view->SetBevelWidth(2);
    QImage picture(160, 90, QImage::Format_RGB32);
    for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 160; ++x)
            picture.setPixel(x, y, qRgb(x + 60, y * 2, 120));
    const QImage backdropOnly = m_view->grab().toImage();
    QCOMPARE(backdropOnly.pixelColor(150, 100).blue(), 255);
    m_view->SetStyle(84);
    m_view->SetDelay(40);
    m_view->SetPicture(picture);
    m_view->StartTransition();
    QTRY_VERIFY(m_view->Progress() >= 48);
    const QImage middle = m_view->grab().toImage();
    runToEnd();
    const QImage end = m_view->grab().toImage();
    QVERIFY(middle != end);
    const QString folder = QString::fromLocal8Bit(qgetenv("ZORVANE_SCREENSHOTS"));
    if (!folder.isEmpty()) {
        backdropOnly.save(folder + QStringLiteral("/picshow-backdrop.png"));
        middle.save(folder + QStringLiteral("/picshow-middle.png"));
        end.save(folder + QStringLiteral("/picshow-end.png"));
    }
}

QTEST_MAIN(tst_TPicShow)
#include "tst_TPicShow.moc"

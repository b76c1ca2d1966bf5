#include "board/clock/TipLineStep.h"
#include "controls/tiplabel/TipLabel.h"

#include <QPaintEvent>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// Collects, in window coordinates, everything the window system asks to paint.
class PaintRecorder : public QObject
{
public:
    QWidget *window = nullptr;
    QRegion painted;
    int events = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            auto *widget = static_cast<QWidget *>(watched);
            if (widget->window() == window) {
                const QRegion region = static_cast<QPaintEvent *>(event)->region();
                painted += region.translated(widget->mapTo(window, QPoint(0, 0)));
                ++events;
            }
        }
        return false;
    }
};

// The board in miniature: header, middle band and footer with its banner and the tip line.
struct Board
{
    QWidget window;
    QWidget *header = new QWidget(&window);
    QWidget *middle = new QWidget(&window);
    QWidget *footer = new QWidget(&window);
    QWidget *banner = new QWidget(footer);
    TipLabel *tip =
        new TipLabel(u"温馨提示:请各位亲们保管好自己的贵重物品，以防遗失，谢谢！"_s, footer);

    Board()
    {
        window.setWindowFlag(Qt::FramelessWindowHint);
        window.setGeometry(0, 0, 1344, 593);
        for (QWidget *band : {header, middle, banner})
            band->setAutoFillBackground(true);
        header->setGeometry(0, 0, 1344, 103);
        middle->setGeometry(0, 103, 1344, 593 - 103 - 54);
        footer->setGeometry(0, 593 - 54, 1344, 54);
        banner->setGeometry(0, 0, 1344, 54);
        QFont font(u"WenQuanYi Micro Hei"_s);
        font.setPixelSize(29);
        font.setBold(true);
        tip->setFont(font);
        tip->move(0, 8);
    }
    QRect footerBand() const { return QRect(0, 593 - 54, 1344, 54); }
};

} // namespace

class tst_TipLineStep : public QObject
{
    Q_OBJECT
private slots:
    void oneTickRepaintsOnlyTheFooter_data();
    void oneTickRepaintsOnlyTheFooter();
};

void tst_TipLineStep::oneTickRepaintsOnlyTheFooter_data()
{
    QTest::addColumn<bool>("atLeftEdge");
    QTest::newRow("sliding from the start") << false;
    QTest::newRow("right end at the left edge: wraps") << true;
}

// One Timer2 tick must never ask for more than the footer band: the tip line moves a
// hundred times a second and the rest of the board stays as it is.
void tst_TipLineStep::oneTickRepaintsOnlyTheFooter()
{
    QFETCH(bool, atLeftEdge);
    Board board;
    const int width = board.tip->width();
    QVERIFY(width > 500);
    // Just before the wrap only one pixel column of the text is still in the window.
    const int start = atLeftEdge ? -width + 1 : 0;
    board.tip->move(start, 8);
    board.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board.window));
    QTest::qWait(50); // let the first full paint pass

    PaintRecorder recorder;
    recorder.window = &board.window;
    qApp->installEventFilter(&recorder);
    const QRect dirty = Clock::StepTipLine(board.tip, board.window.width());
    QTRY_VERIFY(recorder.events > 0);
    QTest::qWait(30); // anything else the move might have asked for
    qApp->removeEventFilter(&recorder);

    QCOMPARE(board.tip->x(), atLeftEdge ? board.window.width() : -1);
    QCOMPARE(board.tip->y(), 8);
    QVERIFY(board.footerBand().contains(dirty));
    QVERIFY(!recorder.painted.isEmpty());
    const QRect bounds = recorder.painted.boundingRect();
    QVERIFY2(board.footerBand().contains(bounds),
             qPrintable(u"painted %1,%2 %3x%4"_s.arg(bounds.x())
                            .arg(bounds.y())
                            .arg(bounds.width())
                            .arg(bounds.height())));
    QVERIFY(dirty.contains(bounds));
}

QTEST_MAIN(tst_TipLineStep)
#include "tst_tiplinestep.moc"

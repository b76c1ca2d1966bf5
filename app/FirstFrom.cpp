#include "app/FirstFrom.h"

#include "controls/Gauge.h"
#include "resources/Resources.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

using namespace Qt::Literals::StringLiterals;

TFirstForm::TFirstForm() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(u"FirstForm"_s);
    QFont base(u"MS Sans Serif"_s);
    base.setPointSize(8);
    setFont(base);
    setFixedSize(752, 365);
    createElements();
    if (const QScreen *primary = QGuiApplication::primaryScreen())
        move(primary->geometry().center() - rect().center());
}

void TFirstForm::createElements()
{
    Image1 = new QLabel(this);
    Image1->setObjectName(u"Image1"_s);
    Image1->setGeometry(rect());
    Image1->setScaledContents(true);
    Image1->setPixmap(QPixmap(Resources::Path(u"shell/splash.jpg"_s)));

    Gauge1 = new Gauge(this);
    Gauge1->setObjectName(u"Gauge1"_s);
    Gauge1->setGeometry(487, 307, 226, 21);

    Label1 = new QLabel(this);
    Label1->setObjectName(u"Label1"_s);
    Label1->move(533, 344);
    Label1->setAttribute(Qt::WA_TranslucentBackground);

    Label2 = new QLabel(u"Builder 7.6.0.3"_s, this);
    Label2->setObjectName(u"Label2"_s);
    QFont bold = font();
    bold.setBold(true);
    Label2->setFont(bold);
    Label2->move(651, 32);
    Label2->adjustSize();
    Label2->setAttribute(Qt::WA_TranslucentBackground);
}

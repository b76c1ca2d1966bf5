#include "about/Aboutus.h"

#include "platform/FormMonitor.h"
#include "platform/Handler.h"
#include "resources/Resources.h"

#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QPixmap>

using namespace Qt::Literals::StringLiterals;

TAboutusForm::TAboutusForm(QWidget *owner) : QDialog(owner)
{
    setObjectName(u"AboutusForm"_s);
    setWindowTitle(u"关于产公司和技术帮助"_s);
    setWindowIcon(QIcon(Resources::Path(u"shell/about-icon.png"_s)));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(700, 416);

    AdvPicture1 = new QLabel(this);
    AdvPicture1->setObjectName(u"AdvPicture1"_s);
    AdvPicture1->setGeometry(0, 0, 700, 416);
    AdvPicture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    AdvPicture1->setPixmap(QPixmap(Resources::Path(u"shell/about.png"_s)));

    if (owner) {
        const QRect frame = owner->frameGeometry();
        move(frame.center() - QPoint(width() / 2, height() / 2));
    }
}

bool TAboutusForm::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        RunHandler([this] { FormActivate(); });
    return QDialog::event(event);
}

void TAboutusForm::FormActivate()
{
    SetFormMonitor(this, 0);
}

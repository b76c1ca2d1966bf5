#include "platform/Messages.h"

#include <QApplication>
#include <QMessageBox>

namespace Messages {

static std::function<bool(const Shown &)> &Presenter()
{
    static std::function<bool(const Shown &)> presenter;
    return presenter;
}

static QMessageBox::Icon BoxIcon(Icon icon)
{
    switch (icon) {
    case Icon::Error:
        return QMessageBox::Critical;
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Question:
        return QMessageBox::Question;
    }
    Q_UNREACHABLE();
}

void Show(const QString &caption, const QString &text, Icon icon, QWidget *parent,
          Button button)
{
    if (Presenter()) {
        Presenter()({caption, text, icon, button});
        return;
    }
    QMessageBox box(BoxIcon(icon), caption, text,
                    button == Button::Cancel ? QMessageBox::Cancel : QMessageBox::Ok, parent);
    box.exec();
}

bool Ask(const QString &caption, const QString &text, QWidget *parent)
{
    if (Presenter())
        return Presenter()({caption, text, Icon::Question});
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void ReportDefaultError(const QString &text)
{
    Show(ProgramTitle(), text, Icon::Error, QApplication::activeModalWidget());
}

void SetPresenterForTesting(std::function<bool(const Shown &)> presenter)
{
    Presenter() = std::move(presenter);
}

} // namespace Messages

#pragma once

#include <QString>
#include <functional>

class QWidget;

// The board's modal message boxes: error icon, a single OK button. Success messages use
// the same box, as the board has always done.
namespace Messages {

inline const QString &ProgramTitle()
{
    static const QString title = QStringLiteral("电子显示牌....");
    return title;
}

enum class Icon { Error, Warning, Information, Question };
enum class Button { Ok, Cancel };

// Shows a modal box with a single button and returns when it is pressed.
void Show(const QString &caption, const QString &text, Icon icon = Icon::Error,
          QWidget *parent = nullptr, Button button = Button::Ok);

// Asks a yes/no question; true for yes.
bool Ask(const QString &caption, const QString &text, QWidget *parent = nullptr);

// The default error report: the failure's own text, the program's title as caption.
void ReportDefaultError(const QString &text);

// Tests record the boxes instead of showing them; the presenter returns the answer to a
// question. An empty function restores the real boxes.
struct Shown
{
    QString caption;
    QString text;
    Icon icon;
    Button button = Button::Ok;
};
void SetPresenterForTesting(std::function<bool(const Shown &)> presenter);

} // namespace Messages

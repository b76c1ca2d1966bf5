#include "app/StartupSequence.h"
#include "platform/Fonts.h"
#include "platform/ProgramFolder.h"

#include <QApplication>
#include <QToolTip>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Staff close dialogs all day; only the tray's exit command ends the board.
    QApplication::setQuitOnLastWindowClosed(false);
    Fonts::InstallSubstitutes();
    QFont hint = QToolTip::font();
    hint.setPointSize(10);
    QToolTip::setFont(hint);
    return RunStartup(ProgramFolder::Path());
}

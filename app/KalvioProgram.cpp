// The program's start, loop and end.
#include "app/KalvioProgram.h"

#include "app/FirstPaintWatch.h"
#include "app/QtAppServices.h"
#include "app/kihon.h"

#include <QApplication>

namespace kalvio {

int KalvioProgram::run(int argc, char **argv, const FirstShownHook &firstShown)
{
    QApplication application(argc, argv);
    // Only the name: a display name would be appended to every window title.
    QApplication::setApplicationName(TForm1::applicationTitle());

    QtAppServices services;
    TForm1 Form1(services, QCoreApplication::applicationFilePath());
    // The window's picture is also the program's: the help window and the
    // message boxes take it from here, so it is drawn once.
    QApplication::setWindowIcon(Form1.windowIcon());
    if (firstShown)
        new FirstPaintWatch(Form1, [&Form1, firstShown] { firstShown(Form1); });
    Form1.show();
    return QApplication::exec();
}

} // namespace kalvio

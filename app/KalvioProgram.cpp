// The program's start, loop and end.
#include "app/KalvioProgram.h"

#include "app/AppPictures.h"
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
    QApplication::setWindowIcon(AppPictures::windowIcon());

    QtAppServices services;
    TForm1 Form1(services, QCoreApplication::applicationFilePath());
    if (firstShown)
        new FirstPaintWatch(Form1, [&Form1, firstShown] { firstShown(Form1); });
    Form1.show();
    return QApplication::exec();
}

} // namespace kalvio

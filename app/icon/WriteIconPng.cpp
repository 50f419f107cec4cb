// Build-time helper: writes the program's icon as a PNG file for the
// desktop's icon theme, so the installed icon is the window's own picture.
#include <QImage>
#include <QSaveFile>
#include <QString>

#include <cstdio>

#include "app/AppPictures.h"

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    QSaveFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || !kalvio::AppPictures::iconImage().save(&file, "PNG") ||
        !file.commit()) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}

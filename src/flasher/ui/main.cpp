// quillet: the flash downloader's dialog program. The program folder (Quillet.ini, boot files)
// is the folder of the executable.

#include "quillet_dialog.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillet"));
    quillet::CQuilletDialog dialog(QCoreApplication::applicationDirPath());
    dialog.exec();
    return 0;
}

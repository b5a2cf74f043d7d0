// quillet: the flash downloader's dialog program. The program folder (Quillet.ini, boot files)
// is the folder of the executable.

#include "quillet_dialog.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    // Answered before Qt looks for a display.
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            std::fputs("Usage: quillet [OPTION]\n"
                       "\n"
                       "Writes boot programs and operating-system images into the flash memory of\n"
                       "a Velmar panel or PLC over a serial port. The settings are kept in\n"
                       "Quillet.ini beside the program.\n"
                       "\n"
                       "  -h, --help        show this text and exit\n"
                       "  --version         show the version and exit\n",
                       stdout);
            return 0;
        }
        if (!std::strcmp(argv[i], "--version")) {
            std::printf("quillet %s\n", DORVANE_VERSION);
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillet"));
    QApplication::setApplicationVersion(QStringLiteral(DORVANE_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/app/quillet.svg")));
    quillet::CQuilletDialog dialog(QCoreApplication::applicationDirPath());
    dialog.exec();
    return 0;
}

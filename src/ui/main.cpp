// The editor program: everything lives in the dorvane_ui library.

#include "ui/app/dorvane_app.h"

#include <QApplication>

#include <cstdio>
#include <cstring>
#include <exception>

int main(int argc, char *argv[])
try {
    // Options that need no window are answered before Qt looks for a display, and the picture
    // modes run without one.
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            std::fputs(ui::CDorvaneApp::usage().toLocal8Bit().constData(), stdout);
            return 0;
        }
        if (!std::strcmp(argv[i], "--version")) {
            std::printf("dorvane %s\n", DORVANE_VERSION);
            return 0;
        }
        const bool picture = !std::strcmp(argv[i], "--grab")
                || !std::strcmp(argv[i], "--grab-dialog") || !std::strcmp(argv[i], "--grab-dialogs")
                || !std::strcmp(argv[i], "--export-pdf") || !std::strcmp(argv[i], "--export-png");
        if (picture && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("KOVA"));
    QApplication::setApplicationName(QStringLiteral("Dorvane"));
    QApplication::setApplicationVersion(QStringLiteral(DORVANE_VERSION));
    ui::CDorvaneApp dorvane(QApplication::applicationDirPath());
    QStringList args = QApplication::arguments();
    args.removeFirst();
    return dorvane.run(args);
} catch (const std::exception &e) {
    // Nothing may end the program unexplained, not even running out of memory.
    std::fprintf(stderr, "dorvane: %s\n", e.what());
    return 1;
} catch (...) {
    std::fprintf(stderr, "dorvane: unexpected error\n");
    return 1;
}

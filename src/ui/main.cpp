// The editor program: everything lives in the dorvane_ui library.

#include "ui/app/dorvane_app.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("KOVA"));
    QApplication::setApplicationName(QStringLiteral("Dorvane"));
    ui::CDorvaneApp dorvane(QApplication::applicationDirPath());
    QStringList args = QApplication::arguments();
    args.removeFirst();
    return dorvane.run(args);
}

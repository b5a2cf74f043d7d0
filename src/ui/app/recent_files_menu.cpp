#include "ui/app/recent_files_menu.h"

#include "core/presenters/recent_files.h"

#include <QDir>
#include <QMenu>
#include <QSettings>

namespace ui {

namespace {

constexpr const char *kRecentKey = "Recent File List";

QSettings settings()
{
    return QSettings(QStringLiteral("KOVA"), QStringLiteral("Dorvane"));
}

} // namespace

CRecentFilesMenu::CRecentFilesMenu(QMenu *menu, QObject *parent)
    : QObject(parent)
    , m_menu(menu)
{
    rebuild();
}

QStringList CRecentFilesMenu::files() const
{
    return settings().value(QLatin1String(kRecentKey)).toStringList();
}

void CRecentFilesMenu::add(const QString &path)
{
    if (m_frozen)
        return;
    std::vector<std::string> list;
    for (const QString &s : files())
        list.push_back(s.toStdString());
    core::CRecentFiles recent(std::move(list));
    recent.Add(path.toStdString());
    QStringList stored;
    for (const auto &f : recent.Files())
        stored << QString::fromStdString(f);
    settings().setValue(QLatin1String(kRecentKey), stored);
    rebuild();
}

void CRecentFilesMenu::remove(const QString &path)
{
    if (m_frozen)
        return;
    QStringList list = files();
    list.removeAll(QDir::cleanPath(path));
    settings().setValue(QLatin1String(kRecentKey), list);
    rebuild();
}

void CRecentFilesMenu::rebuild()
{
    m_menu->clear();
    const QStringList list = files();
    int n = 1;
    for (const QString &f : list) {
        QAction *a = m_menu->addAction(QStringLiteral("&%1 %2").arg(n++).arg(f));
        connect(a, &QAction::triggered, this, [this, f] { emit openRequested(f); });
    }
    m_menu->setEnabled(!list.isEmpty());
}

} // namespace ui

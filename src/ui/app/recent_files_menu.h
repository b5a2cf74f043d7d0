#pragma once

// The File menu's recent files: the list kept in the settings (the latest first, at most four)
// and the submenu that opens them.

#include <QObject>
#include <QStringList>

class QMenu;

namespace ui {

class CRecentFilesMenu : public QObject
{
    Q_OBJECT
public:
    CRecentFilesMenu(QMenu *menu, QObject *parent = nullptr);

    QStringList files() const;
    void add(const QString &path);
    void remove(const QString &path);

signals:
    void openRequested(const QString &path);

private:
    void rebuild();

    QMenu *m_menu;
};

} // namespace ui

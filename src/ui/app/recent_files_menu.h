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
    // A run without a user (the headless exports and grabs) leaves the user's list alone: add
    // and remove then change nothing, and parallel runs do not race on the settings file.
    void setFrozen(bool frozen) { m_frozen = frozen; }

signals:
    void openRequested(const QString &path);

private:
    void rebuild();

    QMenu *m_menu;
    bool m_frozen = false;
};

} // namespace ui

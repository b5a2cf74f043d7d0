#pragma once

// "About Dorvane": the version, the program folder in use (and the user's data folder when the
// program is installed), and the libraries the programs are built with and their licences.
// A plain QDialog, not a CPresenterDialog: it only shows facts and has nothing to accept.

#include <QDialog>

class QLabel;
class QTableWidget;

namespace core {
class CAppConfig;
}

namespace ui {

class CAboutDialog : public QDialog
{
    Q_OBJECT
public:
    CAboutDialog(const core::CAppConfig &config, const QString &version, QWidget *parent = nullptr);

    QLabel *versionLabel() const { return m_version; }
    QLabel *folderLabel() const { return m_folders; }
    QTableWidget *licences() const { return m_licences; }

private:
    QLabel *m_version = nullptr;
    QLabel *m_folders = nullptr;
    QTableWidget *m_licences = nullptr;
};

} // namespace ui

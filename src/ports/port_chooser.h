#pragma once

// The "포트..." chooser: the serial devices present with what sysfs says about them, and a line
// for any other path (a simulator's /dev/pts/N). Picking a device fills the line; the line is
// what the dialog returns. Arrows, Tab, Enter and Escape do everything a mouse can.

#include "port_catalogue.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace ports {

class CPortChooser : public QDialog
{
    Q_OBJECT

public:
    CPortChooser(const QString &portName, const QString &currentDevice, CPortCatalogue catalogue,
                 QWidget *parent = nullptr);

    QString chosenPath() const;
    QListWidget *deviceList() const { return m_list; }
    QLineEdit *pathEdit() const { return m_path; }

public slots:
    void refresh();

private:
    void updateOk();

    CPortCatalogue m_catalogue;
    QListWidget *m_list = nullptr;
    QLineEdit *m_path = nullptr;
    QPushButton *m_refresh = nullptr;
    QPushButton *m_ok = nullptr;
    int m_found = 0;
};

} // namespace ports

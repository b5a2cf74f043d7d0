#pragma once

// Quillet's main dialog: port, device, boot and OS image, and the Download and Close buttons.
// The rules (defaults, what a device change reads, what is saved) live in CFlashSettings; this
// window shows them and forwards the user's choices.

#include "flash_settings.h"
#include "flash_worker.h"
#include "port_catalogue.h"

#include <QDialog>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quillet {

using ports::CPortCatalogue;

class CQuilletDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CQuilletDialog(const QString &programFolder, QWidget *parent = nullptr);

    const CFlashSettings &settings() const { return m_settings; }
    QComboBox *portList() const { return m_port; }
    QPushButton *portButton() const { return m_choosePort; }
    QComboBox *deviceList() const { return m_device; }
    QLabel *bootText() const { return m_boot; }
    QLineEdit *osEdit() const { return m_os; }
    QPushButton *downloadButton() const { return m_download; }
    QAction *aboutAction() const { return m_about; }

    // Where the port chooser looks for devices; tests give it a made-up /dev and /sys.
    void setPortCatalogue(CPortCatalogue catalogue) { m_catalogue = std::move(catalogue); }

public slots:
    void choosePort();
    void browse();
    void download();
    void showAbout();

protected:
    // Opens the download dialog modally; tests replace it.
    virtual void runDownload(const FlashRequest &request);

private:
    void showSettings();
    void showPortDevices();
    void onDeviceChanged(int index);

    CFlashSettings m_settings;
    CPortCatalogue m_catalogue;
    QComboBox *m_port = nullptr;
    QPushButton *m_choosePort = nullptr;
    QComboBox *m_device = nullptr;
    QLabel *m_boot = nullptr;
    QLineEdit *m_os = nullptr;
    QPushButton *m_browse = nullptr;
    QPushButton *m_download = nullptr;
    QPushButton *m_close = nullptr;
    QAction *m_about = nullptr;
};

// Turns "Text (*.A)|*.A|...|" into Qt's "Text (*.A *.a);;..." (file names differ in case here).
QStringList nameFilters(const std::string &mfcFilter);

} // namespace quillet

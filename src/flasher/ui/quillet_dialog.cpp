#include "quillet_dialog.h"

#include "about_dialog.h"
#include "download_dialog.h"
#include "flash_texts.h"
#include "port_chooser.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace quillet {

using ports::CPortChooser;

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QStringList nameFilters(const std::string &mfcFilter)
{
    const QStringList parts = qs(mfcFilter).split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString label = parts[i];
        const QString pattern = parts[i + 1];
        if (pattern != QLatin1String("*.*"))
            label.replace(pattern, pattern + QLatin1Char(' ') + pattern.toLower());
        else
            label.replace(pattern, QStringLiteral("*"));
        filters << label;
    }
    return filters;
}

CQuilletDialog::CQuilletDialog(const QString &programFolder, QWidget *parent)
    : QDialog(parent)
    , m_settings(programFolder.toStdString())
{
    setWindowTitle(qs(kProgramName) + qs(kVersionSuffix));
    setWindowIcon(QIcon::fromTheme(QStringLiteral("drive-removable-media")));

    m_port = new QComboBox(this);
    for (int i = 0; i < kPortCount; ++i)
        m_port->addItem(QString::fromStdString(CFlashSettings::portName(i)));
    m_choosePort = new QPushButton(tr("포트(&P)..."), this);
    m_choosePort->setToolTip(tr("Choose the device file of the selected port"));
    m_device = new QComboBox(this);
    for (const auto name : kDeviceNames)
        m_device->addItem(qs(name));
    m_boot = new QLabel(this);
    m_boot->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_os = new QLineEdit(this);
    m_browse = new QPushButton(tr("Browse..."), this);
    m_download = new QPushButton(tr("Download(&D)..."), this);
    m_close = new QPushButton(tr("Close(&C)"), this);
    m_download->setDefault(true);

    auto *grid = new QGridLayout(this);
    // Each field is named by its label, for screen readers and for the label's mnemonic.
    const auto label = [this](const QString &text, QWidget *buddy) {
        auto *l = new QLabel(text, this);
        l->setBuddy(buddy);
        return l;
    };
    m_boot->setAccessibleName(tr("Boot"));
    grid->addWidget(label(tr("Co&mm Port:"), m_port), 0, 0);
    grid->addWidget(m_port, 0, 1);
    grid->addWidget(m_choosePort, 0, 2);
    grid->addWidget(label(tr("D&evice:"), m_device), 1, 0);
    grid->addWidget(m_device, 1, 1);
    grid->addWidget(label(tr("Boot:"), m_boot), 2, 0);
    grid->addWidget(m_boot, 2, 1, 1, 2);
    grid->addWidget(label(tr("&OS:"), m_os), 3, 0);
    grid->addWidget(m_os, 3, 1);
    grid->addWidget(m_browse, 3, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_download);
    buttons->addWidget(m_close);
    grid->addLayout(buttons, 4, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    setMinimumWidth(480);

    // Qt has no window system menu to extend: the about entry sits in the dialog's context menu.
    m_about = new QAction(qs(kAboutMenuText), this);
    auto *separator = new QAction(this);
    separator->setSeparator(true);
    addAction(separator);
    addAction(m_about);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    connect(m_about, &QAction::triggered, this, &CQuilletDialog::showAbout);
    connect(m_choosePort, &QPushButton::clicked, this, &CQuilletDialog::choosePort);
    connect(m_browse, &QPushButton::clicked, this, &CQuilletDialog::browse);
    connect(m_download, &QPushButton::clicked, this, &CQuilletDialog::download);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);

    m_settings.load();
    showSettings();
    connect(m_device, &QComboBox::currentIndexChanged, this, &CQuilletDialog::onDeviceChanged);
    connect(m_port, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_settings.setPortIndex(index); });
}

void CQuilletDialog::showPortDevices()
{
    for (int i = 0; i < m_port->count(); ++i) {
        m_port->setItemText(i,
                            QStringLiteral("%1  (%2)")
                                    .arg(QString::fromStdString(CFlashSettings::portName(i)),
                                         QString::fromStdString(m_settings.portDevice(i))));
    }
}

void CQuilletDialog::choosePort()
{
    const int index = m_port->currentIndex();
    const QString name = QString::fromStdString(CFlashSettings::portName(index));
    CPortChooser chooser(name, QString::fromStdString(m_settings.portDevice(index)), m_catalogue,
                         this);
    if (chooser.exec() != QDialog::Accepted)
        return;
    // Stored at once: the mapping belongs to the slot, not to the next download.
    if (!m_settings.setPortDevice(index, chooser.chosenPath().toStdString())) {
        QMessageBox::warning(
                this, qs(kProgramName),
                tr("Cannot write %1.").arg(QString::fromStdString(m_settings.iniPath())));
        return;
    }
    showPortDevices();
}

void CQuilletDialog::showSettings()
{
    showPortDevices();
    m_port->setCurrentIndex(m_settings.portIndex());
    m_device->setCurrentIndex(m_settings.deviceIndex());
    m_boot->setText(QString::fromStdString(m_settings.bootPath()));
    m_os->setText(QString::fromStdString(m_settings.osPath()));
}

void CQuilletDialog::onDeviceChanged(int index)
{
    m_settings.selectDevice(index);
    m_boot->setText(QString::fromStdString(m_settings.bootPath()));
}

void CQuilletDialog::browse()
{
    m_settings.setOsPath(m_os->text().toStdString());
    const BrowseDefaults defaults = m_settings.browseDefaults();
    QFileDialog dialog(this, tr("Open"), QString::fromStdString(defaults.startFolder));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    const QStringList filters = nameFilters(defaults.filter);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(defaults.selectedFilter));
    dialog.setDefaultSuffix(QString::fromStdString(defaults.defaultSuffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    m_settings.setOsPath(path.toStdString());
    m_os->setText(path);
}

void CQuilletDialog::download()
{
    m_settings.setPortIndex(m_port->currentIndex());
    m_settings.setOsPath(m_os->text().toStdString());
    m_settings.save();
    FlashRequest request;
    request.deviceIndex = m_settings.deviceIndex();
    request.portDevice = m_settings.portDevice(m_settings.portIndex());
    request.bootPath = m_settings.bootPath();
    request.osPath = m_settings.osPath();
    runDownload(request);
}

void CQuilletDialog::runDownload(const FlashRequest &request)
{
    CDownloadDialog dialog(request, this);
    dialog.exec();
}

void CQuilletDialog::showAbout()
{
    CAboutDialog about(this);
    about.exec();
}

} // namespace quillet

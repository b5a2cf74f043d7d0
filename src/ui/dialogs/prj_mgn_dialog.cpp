#include "ui/dialogs/prj_mgn_dialog.h"

#include "ui/common/port_slot_box.h"
#include "ui/dialogs/channel_choice_row.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ui {

CPrjMgnDialog::CPrjMgnDialog(core::CAppConfig &config, std::uint16_t panelLanguage, QWidget *parent)
    : QDialog(parent)
    , m_prompt(this)
    , m_presenter(config, m_prompt, panelLanguage)
{
    setWindowTitle(tr("프로젝트 관리"));
    auto *channels = new QGridLayout;
    m_row1 = new CChannelChoiceRow(m_presenter.Choice(1), this, channels, 0);
    m_row2 = new CChannelChoiceRow(m_presenter.Choice(2), this, channels, 1);
    channels->setColumnStretch(1, 1);
    auto *form = new QFormLayout;

    // The same port slots and chooser as the transfer and panel-port dialogs.
    auto *port = new CPortSlotBox(config, m_presenter.Port().PortIndex(), this);
    port->combo()->setObjectName(QStringLiteral("port"));
    connect(port, &CPortSlotBox::portChanged, this,
            [this](int i) { m_presenter.Port().SelectPort(i); });
    auto *portLabel = new QLabel(tr("연결 포트:"), this);
    portLabel->setBuddy(port->combo());
    form->addRow(portLabel, port);

    auto *speed = new QComboBox(this);
    speed->setObjectName(QStringLiteral("speed"));
    for (int s : core::CComPortDlg::kSpeeds)
        speed->addItem(QString::number(s));
    speed->setCurrentIndex(m_presenter.Port().SpeedIndex());
    connect(speed, &QComboBox::currentIndexChanged, this,
            [this](int i) { m_presenter.Port().SelectSpeed(i); });
    form->addRow(tr("통신 속도:"), speed);

    m_fileName = new QLineEdit(QString::fromStdString(m_presenter.FileName()), this);
    m_fileName->setObjectName(QStringLiteral("fileName"));
    auto *browseButton = new QPushButton(tr("찾아보기..."), this);
    connect(browseButton, &QPushButton::clicked, this, &CPrjMgnDialog::browse);
    auto *row = new QHBoxLayout;
    row->addWidget(m_fileName, 1);
    row->addWidget(browseButton);
    auto *fileLabel = new QLabel(tr("프로젝트 파일:"), this);
    fileLabel->setBuddy(m_fileName);
    form->addRow(fileLabel, row);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPrjMgnDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPrjMgnDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(channels);
    layout->addLayout(form);
    layout->addWidget(buttons);
    m_fileName->setMinimumWidth(320);
}

void CPrjMgnDialog::browse()
{
    const QString path = QFileDialog::getSaveFileName(
            this, tr("찾아보기..."), QString::fromStdString(m_presenter.BrowseFolder()),
            tr("Dorvane 파일 (*.kvr)"));
    if (!path.isEmpty())
        m_fileName->setText(path);
}

void CPrjMgnDialog::accept()
{
    m_presenter.SetFileName(m_fileName->text().toStdString());
    if (m_presenter.Ok())
        QDialog::accept();
}

} // namespace ui

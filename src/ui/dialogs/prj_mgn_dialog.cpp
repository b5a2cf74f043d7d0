#include "ui/dialogs/prj_mgn_dialog.h"

#include "ui/common/port_slot_box.h"
#include "ui/dialogs/channel_choice_row.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

CPrjMgnDialog::CPrjMgnDialog(core::CAppConfig &config, std::uint16_t panelLanguage, QWidget *parent)
    : CPresenterDialog(parent)
    , m_presenter(config, prompt(), panelLanguage)
{
    setWindowTitle(tr("프로젝트 관리"));
    build(config);
    refreshView();
    m_row1->combo()->setFocus();
}

void CPrjMgnDialog::build(core::CAppConfig &config)
{
    auto *channels = new QGridLayout;
    m_row1 = new CChannelChoiceRow(m_presenter.Choice(1), this, channels, 0);
    m_row2 = new CChannelChoiceRow(m_presenter.Choice(2), this, channels, 1);
    channels->setColumnStretch(1, 1);
    auto *form = new QFormLayout;

    // The same port slots and chooser as the transfer and panel-port dialogs.
    auto *port = new CPortSlotBox(config, m_presenter.Port().PortIndex(), this);
    port->combo()->setObjectName(QStringLiteral("port"));
    connect(port, &CPortSlotBox::portChanged, this,
            [this](int i) { forward([&] { m_presenter.Port().SelectPort(i); }); });
    auto *portLabel = new QLabel(tr("연결 포트:"), this);
    portLabel->setBuddy(port->combo());
    form->addRow(portLabel, port);

    m_speed = new QComboBox(this);
    m_speed->setObjectName(QStringLiteral("speed"));
    for (int s : core::CComPortDlg::kSpeeds)
        m_speed->addItem(QString::number(s));
    connect(m_speed, &QComboBox::currentIndexChanged, this,
            [this](int i) { forward([&] { m_presenter.Port().SelectSpeed(i); }); });
    form->addRow(tr("통신 속도:"), m_speed);

    m_fileName = new QLineEdit(this);
    m_fileName->setObjectName(QStringLiteral("fileName"));
    // Taken as typed: refreshing it while typing would move the cursor.
    connect(m_fileName, &QLineEdit::textChanged, this, [this](const QString &name) {
        if (!refreshing())
            m_presenter.SetFileName(name.toStdString());
    });
    auto *browseButton = new QPushButton(tr("찾아보기..."), this);
    connect(browseButton, &QPushButton::clicked, this, &CPrjMgnDialog::browse);
    auto *row = new QHBoxLayout;
    row->addWidget(m_fileName, 1);
    row->addWidget(browseButton);
    auto *fileLabel = new QLabel(tr("프로젝트 파일:"), this);
    fileLabel->setBuddy(m_fileName);
    form->addRow(fileLabel, row);

    auto *layout = new QVBoxLayout;
    layout->addLayout(channels);
    layout->addLayout(form);
    setContent(layout);
    m_fileName->setMinimumWidth(320);
}

void CPrjMgnDialog::refresh()
{
    m_row1->refresh();
    m_row2->refresh();
    m_speed->setCurrentIndex(m_presenter.Port().SpeedIndex());
    const QString name = QString::fromStdString(m_presenter.FileName());
    if (m_fileName->text() != name)
        m_fileName->setText(name);
}

void CPrjMgnDialog::browse()
{
    const QString path = QFileDialog::getSaveFileName(
            this, tr("찾아보기..."), QString::fromStdString(m_presenter.BrowseFolder()),
            tr("Dorvane 파일 (*.kvr)"));
    if (!path.isEmpty())
        forward([&] { m_presenter.SetFileName(path.toStdString()); });
}

bool CPrjMgnDialog::acceptChanges()
{
    return m_presenter.Ok();
}

} // namespace ui

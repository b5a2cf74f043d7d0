#include "ui/dialogs/comm_para_dialog.h"

#include "ui/common/message_box.h"

#include "util/message_ids.h"
#include "util/messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ui {

namespace {

CCommParaDialog::FileChooser &fileChooser()
{
    static CCommParaDialog::FileChooser chooser;
    return chooser;
}

QComboBox *stationCombo(QWidget *parent)
{
    auto *box = new QComboBox(parent);
    for (int s = 0; s < int(core::CCommParaDlg::kStations); ++s)
        box->addItem(QString::number(s));
    return box;
}

QComboBox *combo(QWidget *parent, const QStringList &items)
{
    auto *box = new QComboBox(parent);
    box->addItems(items);
    return box;
}

} // namespace

void CCommParaDialog::setFileChooser(FileChooser chooser)
{
    fileChooser() = std::move(chooser);
}

CCommParaDialog::CCommParaDialog(const core::CChannelParams &record, bool configControls,
                                 QWidget *parent)
    : CPresenterDialog(parent)
    , m_presenter(prompt(), record, configControls)
    , m_configControls(configControls)
{
    setWindowTitle(tr("통신 설정"));
    build();
    refreshView();
}

void CCommParaDialog::build()
{
    auto *form = new QFormLayout;
    m_own = stationCombo(this);
    form->addRow(tr("자국 번호(&O):"), m_own);
    m_baud = combo(this,
                   {QStringLiteral("1200"), QStringLiteral("2400"), QStringLiteral("4800"),
                    QStringLiteral("9600"), QStringLiteral("19200"), QStringLiteral("38400"),
                    QStringLiteral("57600"), QStringLiteral("115200")});
    form->addRow(tr("통신 속도(&B):"), m_baud);
    m_dataBits = combo(this, {QStringLiteral("8"), QStringLiteral("7")});
    form->addRow(tr("데이터 비트(&D):"), m_dataBits);
    m_parity = combo(this, {QStringLiteral("None"), QStringLiteral("Even"), QStringLiteral("Odd")});
    form->addRow(tr("패리티(&P):"), m_parity);
    m_stopBits = combo(this, {QStringLiteral("1"), QStringLiteral("2")});
    form->addRow(tr("정지 비트(&S):"), m_stopBits);

    m_timeout = new QSpinBox(this);
    m_timeout->setRange(0, 65535);
    m_timeoutLabel = new QLabel(tr("타임아웃(&T):"), this);
    m_timeoutLabel->setBuddy(m_timeout);
    m_timeoutUnit = new QLabel(QStringLiteral("ms"), this);
    auto *timeoutRow = new QHBoxLayout;
    timeoutRow->addWidget(m_timeout);
    timeoutRow->addWidget(m_timeoutUnit);
    timeoutRow->addStretch();
    form->addRow(m_timeoutLabel, timeoutRow);

    m_config = combo(this,
                     {QStringLiteral("1:1"), QStringLiteral("1:N"), QStringLiteral("N:1"),
                      QStringLiteral("N:M")});
    m_configLabel = new QLabel(tr("통신구성(&C):"), this);
    m_configLabel->setBuddy(m_config);
    form->addRow(m_configLabel, m_config);

    m_remote = stationCombo(this);
    m_remoteLabel = new QLabel(this);
    m_remoteLabel->setBuddy(m_remote);
    form->addRow(m_remoteLabel, m_remote);

    auto *layout = new QVBoxLayout;
    layout->addLayout(form);
    m_stationGroup = buildStations();
    layout->addWidget(m_stationGroup);
    m_stationGroup->setVisible(m_configControls);
    setContent(layout);

    connect(m_own, &QComboBox::currentIndexChanged, this,
            [this](int i) { forward([&] { m_presenter.SetOwnStation(std::uint16_t(i)); }); });
    connect(m_baud, &QComboBox::currentIndexChanged, this,
            [this](int i) { forward([&] { m_presenter.SetBaud(std::uint16_t(i)); }); });
    connect(m_dataBits, &QComboBox::currentIndexChanged, this,
            [this](int i) { forward([&] { m_presenter.SetDataBits(std::uint16_t(i)); }); });
    connect(m_parity, &QComboBox::currentIndexChanged, this,
            [this](int i) { forward([&] { m_presenter.SetParity(std::uint16_t(i)); }); });
    connect(m_stopBits, &QComboBox::currentIndexChanged, this,
            [this](int i) { forward([&] { m_presenter.SetStopBits(std::uint16_t(i)); }); });
    connect(m_timeout, &QSpinBox::valueChanged, this,
            [this](int v) { forward([&] { m_presenter.SetTimeout(std::uint16_t(v)); }); });
    connect(m_config, &QComboBox::currentIndexChanged, this,
            [this](int i) { forward([&] { m_presenter.SetConfiguration(std::uint16_t(i)); }); });
    connect(m_remote, &QComboBox::currentIndexChanged, this,
            [this](int i) { forward([&] { m_presenter.SetRemoteStation(std::uint16_t(i)); }); });
}

QWidget *CCommParaDialog::buildStations()
{
    auto *group = new QGroupBox(tr("마스터 국번호"), this);
    auto *grid = new QGridLayout;
    for (int s = 0; s < int(m_stations.size()); ++s) {
        auto *box = new QCheckBox(QString::number(s), group);
        box->setObjectName(QStringLiteral("station%1").arg(s));
        m_stations[std::size_t(s)] = box;
        grid->addWidget(box, s / 8, s % 8);
        connect(box, &QCheckBox::toggled, this, [this, s](bool on) {
            forward([&] { m_presenter.SetStationChecked(std::size_t(s), on); });
        });
    }
    m_selectAll = new QCheckBox(tr("모두선택(&A)"), group);
    connect(m_selectAll, &QCheckBox::toggled, this,
            [this](bool on) { forward([&] { m_presenter.SetSelectAll(on); }); });
    m_counter = new QLabel(group);
    auto *counterLabel = new QLabel(tr("등록된 마스터 갯수:"), group);
    m_counter->setAccessibleName(counterLabel->text());
    m_save = new QPushButton(tr("선택된 국번호 저장"), group);
    m_load = new QPushButton(tr("저장된 국번호 가져오기"), group);
    connect(m_save, &QPushButton::clicked, this, &CCommParaDialog::saveStations);
    connect(m_load, &QPushButton::clicked, this, &CCommParaDialog::loadStations);

    auto *row = new QHBoxLayout;
    row->addWidget(m_selectAll);
    row->addStretch();
    row->addWidget(counterLabel);
    row->addWidget(m_counter);
    auto *files = new QHBoxLayout;
    files->addWidget(m_save);
    files->addWidget(m_load);
    files->addStretch();
    auto *layout = new QVBoxLayout(group);
    layout->addLayout(grid);
    layout->addLayout(row);
    layout->addLayout(files);
    return group;
}

void CCommParaDialog::refresh()
{
    const core::CCommParaDlg &p = m_presenter;
    m_own->setCurrentIndex(p.OwnStation());
    m_baud->setCurrentIndex(p.Baud());
    m_dataBits->setCurrentIndex(p.DataBits());
    m_parity->setCurrentIndex(p.Parity());
    m_stopBits->setCurrentIndex(p.StopBits());
    m_timeout->setValue(p.Timeout());
    m_config->setCurrentIndex(p.Configuration());
    m_remote->setCurrentIndex(p.RemoteStation());
    m_remoteLabel->setText(m_configControls ? messageString(util::msg::kSlaveNumberCaption)
                                            : tr("상대국 번호(&R):"));

    for (QWidget *w : {static_cast<QWidget *>(m_timeout), static_cast<QWidget *>(m_timeoutLabel),
                       static_cast<QWidget *>(m_timeoutUnit)})
        w->setVisible(p.TimeoutVisible());
    m_config->setVisible(p.ConfigVisible());
    m_configLabel->setVisible(p.ConfigVisible());
    m_remote->setVisible(p.RemoteVisible());
    m_remoteLabel->setVisible(p.RemoteVisible());

    const bool boxes = p.StationBoxesEnabled();
    for (std::size_t s = 0; s < m_stations.size(); ++s) {
        m_stations[s]->setChecked(p.StationChecked(s));
        m_stations[s]->setEnabled(boxes);
    }
    m_selectAll->setChecked(p.SelectAll());
    m_selectAll->setEnabled(boxes);
    m_save->setEnabled(boxes);
    m_load->setEnabled(boxes);
    m_counter->setText(QString::fromStdString(p.CounterText()));
}

QString CCommParaDialog::chooseFile(bool save)
{
    if (fileChooser())
        return fileChooser()(this, save);
    const QString filter = tr("Master Station Files(*.ini);;All Files (*.*)");
    if (save) {
        QFileDialog dialog(this, m_save->text(), m_folder, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QLatin1String(core::CCommParaDlg::kStationFileExt));
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }
    return QFileDialog::getOpenFileName(this, m_load->text(), m_folder, filter);
}

void CCommParaDialog::saveStations()
{
    const QString path = chooseFile(true);
    if (path.isEmpty())
        return;
    if (!m_presenter.SaveStations(path.toStdString()))
        showMessage(this, util::msg::kCannotOpenFile,
                    QString::fromStdString(util::formatMessage(util::msg::kCannotOpenFile,
                                                               path.toStdString().c_str())));
}

void CCommParaDialog::loadStations()
{
    const QString path = chooseFile(false);
    if (path.isEmpty())
        return;
    // The presenter says why a file is refused.
    if (m_presenter.LoadStations(path.toStdString()))
        refreshView();
}

} // namespace ui

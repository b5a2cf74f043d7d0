#include "ui/comm/down_dialog.h"

#include "ui/comm/comm_text.h"
#include "ui/common/message_box.h"
#include "ui/common/port_slot_box.h"

#include "core/app/app_config.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace ui {

using Group = core::CDownDlg::Group;

CDownDialog::CDownDialog(core::CAppConfig &config, core::CDownDlg::Mode mode, bool projectOpen,
                         const QString &languageName, QWidget *parent)
    : CPresenterDialog(parent)
    , m_config(config)
    , m_presenter(mode, config.commSetup(), projectOpen, languageName.toStdString())
{
    setObjectName(QStringLiteral("CDownDialog"));
    setWindowTitle(mode == core::CDownDlg::Mode::Download ? tr("다운로드...") : tr("업로드..."));

    auto *areas = new QGroupBox(tr("영역"), this);
    auto *areaLayout = new QVBoxLayout(areas);
    const QString texts[3]
            = {tr("화면"), tr("파라미터"),
               tr("메뉴") + QStringLiteral(" ( ") + languageName + QStringLiteral(" )")};
    const char *names[3] = {"screens", "parameters", "menu"};
    for (int g = 0; g < 3; ++g) {
        m_groups[g] = new QCheckBox(texts[g], areas);
        m_groups[g]->setObjectName(QLatin1String(names[g]));
        areaLayout->addWidget(m_groups[g]);
        connect(m_groups[g], &QCheckBox::toggled, this,
                [this, g](bool on) { forward([&] { m_presenter.SetChecked(Group(g), on); }); });
    }
    m_groups[Group::Menu]->setVisible(m_presenter.MenuOffered());
    m_all = new QCheckBox(tr("모두 선택"), areas);
    m_all->setObjectName(QStringLiteral("selectAll"));
    areaLayout->addWidget(m_all);
    connect(m_all, &QCheckBox::toggled, this,
            [this](bool on) { forward([&] { m_presenter.SelectAll(on); }); });

    m_port = new CPortSlotBox(config, m_presenter.Port().PortIndex(), this);
    connect(m_port, &CPortSlotBox::portChanged, this,
            [this](int i) { forward([&] { m_presenter.Port().SelectPort(i); }); });
    m_speed = new QComboBox(this);
    m_speed->setObjectName(QStringLiteral("speed"));
    for (int s : core::CComPortDlg::kSpeeds)
        m_speed->addItem(QString::number(s));
    connect(m_speed, &QComboBox::currentIndexChanged, this,
            [this](int i) { forward([&] { m_presenter.Port().SelectSpeed(i); }); });
    auto *link = new QGroupBox(tr("통신 설정"), this);
    auto *form = new QFormLayout(link);
    auto *portLabel = new QLabel(tr("포트(&P):"), link);
    portLabel->setBuddy(m_port->combo());
    form->addRow(portLabel, m_port);
    auto *speedLabel = new QLabel(tr("속도(&B):"), link);
    speedLabel->setBuddy(m_speed);
    form->addRow(speedLabel, m_speed);

    m_wiring = new QPushButton(tr("결선도 보기..."), this);
    m_wiring->setObjectName(QStringLiteral("wiring"));
    connect(m_wiring, &QPushButton::clicked, this, &CDownDialog::showWiringDiagram);

    auto *content = new QVBoxLayout;
    content->addWidget(areas);
    content->addWidget(link);
    content->addWidget(m_wiring, 0, Qt::AlignLeft);
    setContent(content);
    refreshView();
    setTabOrder(m_groups[0], m_groups[1]);
    setTabOrder(m_groups[1], m_groups[2]);
    setTabOrder(m_groups[2], m_all);
    setTabOrder(m_all, m_port->combo());
    setTabOrder(m_port->combo(), m_port->chooseButton());
    setTabOrder(m_port->chooseButton(), m_speed);
    setTabOrder(m_speed, m_wiring);
}

void CDownDialog::refresh()
{
    for (int g = 0; g < 3; ++g)
        m_groups[g]->setChecked(m_presenter.Checked(Group(g)));
    m_all->setChecked(m_presenter.AllChecked());
    m_port->combo()->setCurrentIndex(m_presenter.Port().PortIndex());
    m_speed->setCurrentIndex(m_presenter.Port().SpeedIndex());
}

CDownDialog::~CDownDialog()
{
    m_config.setPendingCommPort(0); // a choice that never opened is forgotten
}

bool CDownDialog::acceptChanges()
{
    if (!m_transfer) {
        m_presenter.Ok(m_config);
        m_outcome = core::TransferOutcome::Done;
        return true;
    }
    m_presenter.OfferPort(m_config);
    m_outcome = m_transfer(m_presenter);
    if (m_outcome != core::TransferOutcome::Stay)
        return true;
    // Back from a question or a link error: the dialog comes back if it was hidden.
    show();
    return false;
}

void CDownDialog::showWiringDiagram()
{
    const std::string path = core::CComPortDlg::WiringDiagram(m_config, prompt());
    if (path.empty())
        return;
    const QString file = QString::fromStdString(path);
    QImageReader reader(file);
    const QImage image = reader.read();
    if (image.isNull()) {
        showMessage(this, 0,
                    commText({comm::CommTextId::CannotOpenFile, {comm::CommText::of(path)}}));
        return;
    }
    QDialog viewer(this);
    viewer.setWindowTitle(QFileInfo(file).fileName());
    auto *label = new QLabel(&viewer);
    label->setPixmap(QPixmap::fromImage(image));
    auto *scroll = new QScrollArea(&viewer);
    scroll->setWidget(label);
    auto *layout = new QVBoxLayout(&viewer);
    layout->addWidget(scroll);
    viewer.resize(std::min(image.width() + 40, 1000), std::min(image.height() + 40, 760));
    viewer.exec();
}

} // namespace ui

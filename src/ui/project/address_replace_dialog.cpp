#include "ui/project/address_replace_dialog.h"

#include "ui/project/xref_dialog.h"

#include "core/model/dorvane_doc.h"
#include "core/xref/xref_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace ui {

namespace xref = core::xref;

namespace {

enum Column { kOldColumn, kNewColumn, kUserColumn, kStateColumn, kColumnCount };

QString text(const std::string &s)
{
    return QString::fromStdString(s);
}

} // namespace

CAddressReplaceDialog::CAddressReplaceDialog(const core::CDorvaneDoc &doc, QWidget *parent)
    : CPresenterDialog(parent)
    , m_presenter(doc)
    , m_doc(doc)
{
    setWindowTitle(tr("주소 바꾸기"));
    auto *layout = new QVBoxLayout;
    layout->addLayout(buildEntries());
    layout->addLayout(buildKinds());
    m_preview = new QTreeWidget(this);
    m_preview->setColumnCount(kColumnCount);
    m_preview->setHeaderLabels({tr("현재 주소"), tr("새 주소"), tr("사용처"), tr("상태")});
    m_preview->setRootIsDecorated(false);
    m_preview->setUniformRowHeights(true);
    m_preview->header()->setSectionResizeMode(kUserColumn, QHeaderView::Stretch);
    m_preview->header()->setStretchLastSection(false);
    auto *previewLabel = new QLabel(tr("미리보기(&V):"), this);
    previewLabel->setBuddy(m_preview);
    m_summary = new QLabel(this);
    m_summary->setWordWrap(true);
    layout->addWidget(previewLabel);
    layout->addWidget(m_preview, 1);
    layout->addWidget(m_summary);
    setContent(layout);
    resize(620, 520);
    refreshView();
}

QLayout *CAddressReplaceDialog::buildEntries()
{
    // Created in the order of the form: the range is typed first, and Tab follows the rows.
    m_from = new QLineEdit(this);
    m_from->setPlaceholderText(tr("D100 또는 D100-D199"));
    m_channel = new QComboBox(this);
    m_channel->addItem(tr("패널 메모리"), 0);
    for (int channel = 1; channel <= 2; ++channel)
        m_channel->addItem(tr("채널 %1").arg(channel), channel);
    m_station = new QComboBox(this);
    m_byStart = new QRadioButton(tr("새 시작 주소(&N):"), this);
    m_to = new QLineEdit(this);
    m_to->setAccessibleName(tr("새 시작 주소"));
    m_byOffset = new QRadioButton(tr("오프셋(&O):"), this);
    m_offset = new QSpinBox(this);
    m_offset->setRange(-999999, 999999);
    m_offset->setAccessibleName(tr("오프셋"));

    connect(m_channel, &QComboBox::currentIndexChanged, this, [this](int i) {
        forward([&] { m_presenter.SetChannel(std::uint16_t(m_channel->itemData(i).toInt())); });
    });
    connect(m_station, &QComboBox::currentIndexChanged, this, [this](int i) {
        const QVariant station = m_station->itemData(i);
        forward([&] {
            m_presenter.SetStation(station.isValid() ? std::optional(std::uint16_t(station.toInt()))
                                                     : std::nullopt);
        });
    });
    connect(m_from, &QLineEdit::textEdited, this, [this](const QString &t) {
        forward([&] { m_presenter.SetFrom(t.trimmed().toStdString()); });
    });
    connect(m_to, &QLineEdit::textEdited, this, [this](const QString &t) {
        forward([&] { m_presenter.SetTo(t.trimmed().toStdString()); });
    });
    connect(m_byOffset, &QRadioButton::toggled, this,
            [this](bool on) { forward([&] { m_presenter.SetByOffset(on); }); });
    // The choice's mnemonic leads on to its field, where the user goes on typing.
    connect(m_byStart, &QRadioButton::clicked, this, [this] { m_to->setFocus(); });
    connect(m_byOffset, &QRadioButton::clicked, this, [this] {
        m_offset->setFocus();
        m_offset->selectAll();
    });
    connect(m_offset, &QSpinBox::valueChanged, this,
            [this](int value) { forward([&] { m_presenter.SetOffset(value); }); });

    auto *form = new QGridLayout;
    const auto row = [&](int r, const QString &caption, QWidget *field) {
        auto *label = new QLabel(caption, this);
        label->setBuddy(field);
        form->addWidget(label, r, 0);
        form->addWidget(field, r, 1);
    };
    row(0, tr("바꿀 주소(&F):"), m_from);
    row(1, tr("채널(&C):"), m_channel);
    row(2, tr("국번(&S):"), m_station);
    form->addWidget(m_byStart, 3, 0);
    form->addWidget(m_to, 3, 1);
    form->addWidget(m_byOffset, 4, 0);
    form->addWidget(m_offset, 4, 1);
    return form;
}

QLayout *CAddressReplaceDialog::buildKinds()
{
    auto *box = new QGroupBox(tr("바꿀 사용처"), this);
    auto *grid = new QGridLayout(box);
    // Mnemonics of their own: the entries above take F, C, S, N and O.
    const QString captions[xref::kUserKindCount]
            = {tr("태그(&T)"),     tr("기능 키(&K)"), tr("경보(&A)"),    tr("연산(&L)"),
               tr("블록통신(&B)"), tr("예약(&R)"),    tr("파라미터(&P)")};
    for (int k = 0; k < xref::kUserKindCount; ++k) {
        auto *check = new QCheckBox(captions[k], box);
        m_kinds[std::size_t(k)] = check;
        grid->addWidget(check, k / 4, k % 4);
        connect(check, &QCheckBox::toggled, this, [this, k](bool on) {
            forward([&] { m_presenter.SetKindChosen(xref::UserKind(k), on); });
        });
    }
    auto *layout = new QVBoxLayout;
    layout->addWidget(box);
    return layout;
}

void CAddressReplaceDialog::refresh()
{
    m_channel->setCurrentIndex(m_channel->findData(int(m_presenter.Channel())));
    fillStations();
    const auto station = m_presenter.Station();
    m_station->setCurrentIndex(station ? m_station->findData(int(*station)) : 0);
    m_station->setEnabled(m_presenter.Channel() != 0);
    if (m_from->text().trimmed().toStdString() != m_presenter.From())
        m_from->setText(text(m_presenter.From()));
    m_byStart->setChecked(!m_presenter.ByOffset());
    m_byOffset->setChecked(m_presenter.ByOffset());
    m_to->setEnabled(!m_presenter.ByOffset());
    m_offset->setEnabled(m_presenter.ByOffset());
    m_offset->setValue(int(m_presenter.Offset()));
    for (int k = 0; k < xref::kUserKindCount; ++k)
        m_kinds[std::size_t(k)]->setChecked(m_presenter.KindChosen(xref::UserKind(k)));
    fillPreview();
    if (QPushButton *ok = buttonBox()->button(QDialogButtonBox::Ok))
        ok->setEnabled(m_presenter.CanAccept());
}

// Rebuilt only when the channel's stations differ: never under the box's own signal.
void CAddressReplaceDialog::fillStations()
{
    if (m_station->count() > 0 && m_listedStations == m_presenter.Stations())
        return;
    m_listedStations = m_presenter.Stations();
    m_station->clear();
    m_station->addItem(tr("(전체)"));
    for (const std::uint16_t s : m_listedStations)
        m_station->addItem(QString::number(s), int(s));
}

void CAddressReplaceDialog::fillPreview()
{
    m_preview->clear();
    const core::CPlcSlots &plcSlots = m_doc.Slots();
    const xref::ReplacePlan &plan = m_presenter.Plan();
    const auto add = [&](const xref::ReplaceChange &change, bool refused) {
        auto *item = new QTreeWidgetItem(m_preview);
        item->setText(kOldColumn, text(change.use.addr.CellText(plcSlots)));
        item->setText(kNewColumn, text(change.to.CellText(plcSlots)));
        item->setText(kUserColumn, text(xref::userText(change.use.user)));
        item->setText(kStateColumn, refused ? tr("거부") : tr("바뀜"));
        if (refused)
            for (int c = 0; c < kColumnCount; ++c)
                item->setForeground(c, Qt::red);
    };
    for (const xref::ReplaceChange &change : plan.refused)
        add(change, true);
    for (const xref::ReplaceChange &change : plan.changes)
        add(change, false);
    for (int c : {kOldColumn, kNewColumn, kStateColumn})
        m_preview->resizeColumnToContents(c);

    if (const auto problem = m_presenter.Problem())
        m_summary->setText(text(problem->Text()));
    else if (!m_presenter.Entered())
        m_summary->setText(tr("바꿀 주소나 범위와 새 시작 주소(또는 오프셋)를 입력하면 바뀌는 곳이 "
                              "여기에 나옵니다."));
    else if (plan.refused.empty())
        m_summary->setText(tr("%1곳이 바뀝니다.").arg(plan.changes.size()));
    else
        m_summary->setText(tr("%1곳이 바뀌고, 드라이버가 받지 않는 %2곳은 그대로 남습니다.")
                                   .arg(plan.changes.size())
                                   .arg(plan.refused.size()));
}

bool CAddressReplaceDialog::acceptChanges()
{
    return m_presenter.Ok(prompt());
}

} // namespace ui

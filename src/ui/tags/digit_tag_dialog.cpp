#include "ui/tags/digit_tag_dialog.h"

#include "ui/tags/point_group_box.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ui {

namespace {

QRadioButton *addRadio(QButtonGroup *group, QHBoxLayout *row, const QString &text, int id,
                       QWidget *parent)
{
    auto *radio = new QRadioButton(text, parent);
    group->addButton(radio, id);
    row->addWidget(radio);
    return radio;
}

} // namespace

CDigitTagDialog::CDigitTagDialog(const TagDialogContext &context, core::CDigitTag &tag,
                                 QWidget *parent)
    : CTagPropDialog(context, parent)
    , m_presenter(env(), tag)
{
    setWindowTitle(tr("숫자 속성"));
    auto *columns = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    left->addLayout(buildNumber());
    m_point = pointGroupBox(tr("디바이스"), m_presenter.Point(), CPointGroupBox::Limits);
    left->addWidget(m_point);
    columns->addLayout(left);
    columns->addLayout(buildLook());
    setContent(columns);
    refreshView();
}

QLayout *CDigitTagDialog::buildNumber()
{
    auto *box = new QGroupBox(tr("숫자"), this);
    auto *form = new QFormLayout(box);
    m_digits = new QSpinBox(box);
    m_decimals = new QSpinBox(box);
    form->addRow(tr("전체 자릿수(&T):"), m_digits);
    form->addRow(tr("소수점 이하 자릿수(&P):"), m_decimals);

    m_base = new QButtonGroup(this);
    auto *baseRow = new QHBoxLayout;
    addRadio(m_base, baseRow, QStringLiteral("&DEC"), core::kBaseDec, box);
    addRadio(m_base, baseRow, QStringLiteral("&HEX"), core::kBaseHex, box);
    addRadio(m_base, baseRow, QStringLiteral("&BCD"), core::kBaseBcd, box);
    form->addRow(tr("진법:"), baseRow);

    m_size = new QButtonGroup(this);
    auto *sizeRow = new QHBoxLayout;
    addRadio(m_size, sizeRow, QStringLiteral("&Word"), core::kSizeWord, box);
    addRadio(m_size, sizeRow, QStringLiteral("L&ong"), core::kSizeDWord, box);
    m_signed = new QCheckBox(tr("부호 가능(&G)"), box);
    sizeRow->addWidget(m_signed);
    form->addRow(tr("데이터:"), sizeRow);

    m_writable = new QCheckBox(tr("쓰기 가능(&R)"), box);
    m_password = new QCheckBox(tr("암호 사용(&U)"), box);
    auto *inputRow = new QHBoxLayout;
    inputRow->addWidget(m_writable);
    inputRow->addWidget(m_password);
    form->addRow(tr("입력:"), inputRow);

    auto &p = m_presenter;
    connect(m_digits, &QSpinBox::valueChanged, this,
            [this, &p](int v) { edit([&] { p.SetDigits(v); }); });
    connect(m_decimals, &QSpinBox::valueChanged, this,
            [this, &p](int v) { edit([&] { p.SetDecimals(v); }); });
    connect(m_base, &QButtonGroup::idClicked, this,
            [this, &p](int id) { edit([&] { p.SetBase(std::uint16_t(id)); }); });
    connect(m_size, &QButtonGroup::idClicked, this,
            [this, &p](int id) { edit([&] { p.SetDataSize(std::uint16_t(id)); }); });
    connect(m_signed, &QCheckBox::toggled, this,
            [this, &p](bool on) { edit([&] { p.SetSigned(on); }); });
    connect(m_writable, &QCheckBox::toggled, this,
            [this, &p](bool on) { edit([&] { p.SetWritable(on); }); });
    connect(m_password, &QCheckBox::toggled, this,
            [this, &p](bool on) { edit([&] { p.SetPassword(on); }); });
    auto *layout = new QVBoxLayout;
    layout->addWidget(box);
    return layout;
}

QLayout *CDigitTagDialog::buildLook()
{
    auto *layout = new QVBoxLayout;
    layout->addWidget(positionBox());

    auto *look = new QGroupBox(tr("모양"), this);
    auto *lookLayout = new QVBoxLayout(look);
    m_inverse = new QCheckBox(tr("색 반전(&I)"), look);
    m_border = new QCheckBox(tr("테두리(&E)"), look);
    m_zeroFill = new QCheckBox(tr("0채움(&Z)"), look);
    lookLayout->addWidget(m_inverse);
    lookLayout->addWidget(m_border);
    lookLayout->addWidget(m_zeroFill);
    m_font = new QButtonGroup(this);
    const std::pair<QString, int> fonts[]
            = {{tr("작은 글꼴(&S)"), 2}, {tr("보통 글꼴(&N)"), 0}, {tr("큰 글꼴(&L)"), 1}};
    for (const auto &[text, id] : fonts) {
        auto *radio = new QRadioButton(text, look);
        m_font->addButton(radio, id);
        lookLayout->addWidget(radio);
    }
    layout->addWidget(look);
    layout->addStretch();

    auto &p = m_presenter;
    connect(m_inverse, &QCheckBox::toggled, this,
            [this, &p](bool on) { edit([&] { p.SetInverse(on); }); });
    connect(m_border, &QCheckBox::toggled, this,
            [this, &p](bool on) { edit([&] { p.SetBorder(on); }); });
    connect(m_zeroFill, &QCheckBox::toggled, this,
            [this, &p](bool on) { edit([&] { p.SetZeroFill(on); }); });
    connect(m_font, &QButtonGroup::idClicked, this,
            [this, &p](int id) { edit([&] { p.SetFont(std::uint16_t(id)); }); });
    return layout;
}

void CDigitTagDialog::refresh()
{
    const auto &p = m_presenter;
    const core::CDigitTag &tag = p.Digit();
    refreshPosition();
    const core::SpinRange digits = p.DigitsRange();
    const core::SpinRange decimals = p.DecimalsRange();
    m_digits->setRange(int(digits.min), int(digits.max));
    m_digits->setValue(int(tag.Digits()));
    m_decimals->setRange(int(decimals.min), int(decimals.max));
    m_decimals->setValue(int(tag.Decimals()));
    m_decimals->setEnabled(decimals.enabled);
    m_base->button(p.Base())->setChecked(true);
    if (auto *b = m_size->button(p.DataSize()))
        b->setChecked(true);
    m_signed->setEnabled(p.SignedEnabled());
    m_signed->setChecked(p.IsSigned());
    m_writable->setChecked(p.IsWritable());
    m_password->setEnabled(p.PasswordEnabled());
    m_password->setChecked(tag.UsesPassword());
    m_inverse->setChecked(tag.IsInverse());
    m_border->setChecked(tag.HasBorder());
    m_zeroFill->setChecked(tag.IsZeroFill());
    if (auto *b = m_font->button(tag.Font()))
        b->setChecked(true);
    m_point->setLimitsEnabled(p.LimitsEnabled());
    m_point->refresh();
}

QAbstractButton *CDigitTagDialog::baseButton(int base) const
{
    return m_base->button(base);
}

QAbstractButton *CDigitTagDialog::sizeButton(int dataSize) const
{
    return m_size->button(dataSize);
}

QAbstractButton *CDigitTagDialog::fontButton(int font) const
{
    return m_font->button(font);
}

} // namespace ui

#include "ui/tags/clock_tag_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ui {

CClockTagDialog::CClockTagDialog(const TagDialogContext &context, core::CClockTag &tag,
                                 QWidget *parent)
    : CTagPropDialog(context, parent)
    , m_presenter(env(), tag)
{
    setWindowTitle(tr("시계 속성"));
    auto *columns = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    auto *clock = new QGroupBox(tr("시계"), this);
    auto *form = new QFormLayout(clock);
    m_format = new QComboBox(clock);
    // The labels are the panel's own notation, the same in every language.
    for (int i = 0; i < core::kClockFormatCount; ++i)
        m_format->addItem(QString::fromLatin1(core::clockFormatLabel(i)));
    form->addRow(tr("표시형식(&F):"), m_format);
    m_inverse = new QCheckBox(tr("색 반전(&I)"), clock);
    m_border = new QCheckBox(tr("테두리(&B)"), clock);
    form->addRow(m_inverse);
    form->addRow(m_border);
    left->addWidget(clock);
    auto *place = positionBox();
    left->addWidget(place);
    left->addStretch();
    columns->addLayout(left);

    auto *fonts = new QGroupBox(tr("글꼴"), this);
    auto *fontLayout = new QVBoxLayout(fonts);
    m_font = new QButtonGroup(this);
    const std::pair<QString, int> choices[]
            = {{tr("작은 글꼴(&S)"), 2}, {tr("보통 글꼴(&N)"), 0}, {tr("큰 글꼴(&L)"), 1}};
    for (const auto &[text, id] : choices) {
        auto *radio = new QRadioButton(text, fonts);
        m_font->addButton(radio, id);
        fontLayout->addWidget(radio);
    }
    fontLayout->addStretch();
    columns->addWidget(fonts);
    setContent(columns);

    auto &p = m_presenter;
    connect(m_format, &QComboBox::currentIndexChanged, this,
            [this, &p](int i) { edit([&] { p.SetFormat(i); }); });
    connect(m_inverse, &QCheckBox::toggled, this,
            [this, &p](bool on) { edit([&] { p.SetInverse(on); }); });
    connect(m_border, &QCheckBox::toggled, this,
            [this, &p](bool on) { edit([&] { p.SetBorder(on); }); });
    connect(m_font, &QButtonGroup::idClicked, this,
            [this, &p](int id) { edit([&] { p.SetFont(std::uint16_t(id)); }); });
    refreshView();
}

void CClockTagDialog::refresh()
{
    const core::CClockTag &tag = m_presenter.Clock();
    refreshPosition();
    m_format->setCurrentIndex(tag.Format() < core::kClockFormatCount ? tag.Format() : -1);
    m_inverse->setChecked(tag.IsInverse());
    m_border->setChecked(tag.HasBorder());
    if (auto *b = m_font->button(tag.Font()))
        b->setChecked(true);
}

QAbstractButton *CClockTagDialog::fontButton(int font) const
{
    return m_font->button(font);
}

} // namespace ui

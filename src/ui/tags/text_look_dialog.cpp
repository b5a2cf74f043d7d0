#include "ui/tags/text_look_dialog.h"

#include "core/tags/panel_text.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QValidator>

namespace ui {

namespace {

// Refuses every keystroke and paste that would leave the panel's text field.
class CPanelTextValidator : public QValidator
{
public:
    CPanelTextValidator(const core::CTextLookDlg &presenter, QObject *parent)
        : QValidator(parent)
        , m_presenter(presenter)
    { }

    State validate(QString &input, int &) const override
    {
        return m_presenter.TextFits(input.toStdString()) ? Acceptable : Invalid;
    }

private:
    const core::CTextLookDlg &m_presenter;
};

} // namespace

QGroupBox *CTextLookDialog::buildTextGroup()
{
    auto *box = new QGroupBox(tr("텍스트"), this);
    auto *form = new QFormLayout(box);
    m_text = new QLineEdit(box);
    if (presenter().TextEditable())
        m_text->setValidator(new CPanelTextValidator(presenter(), m_text));
    else
        m_text->setReadOnly(true);
    form->addRow(tr("텍스트(&T):"), m_text);
    addPositionRows(form);
    connect(m_text, &QLineEdit::textEdited, this, [this](const QString &text) {
        edit([&] { presenter().SetText(text.toStdString()); });
    });
    return box;
}

QGroupBox *CTextLookDialog::buildLookGroup()
{
    auto *box = new QGroupBox(tr("모양"), this);
    auto *layout = new QVBoxLayout(box);
    m_inverse = new QCheckBox(tr("색 반전(&I)"), box);
    m_border = new QCheckBox(tr("테두리(&O)"), box);
    layout->addWidget(m_inverse);
    layout->addWidget(m_border);
    layout->addStretch();
    connect(m_inverse, &QCheckBox::toggled, this,
            [this](bool on) { edit([&] { presenter().SetInverse(on); }); });
    connect(m_border, &QCheckBox::toggled, this,
            [this](bool on) { edit([&] { presenter().SetBorder(on); }); });
    return box;
}

QGroupBox *CTextLookDialog::buildFontGroup()
{
    auto *box = new QGroupBox(tr("글꼴"), this);
    auto *layout = new QVBoxLayout(box);
    m_font = new QButtonGroup(this);
    const std::pair<QString, int> fonts[] = {{tr("작은 글꼴(&S)"), core::kFontSmall},
                                             {tr("보통 글꼴(&N)"), core::kFontNormal},
                                             {tr("큰 글꼴(&L)"), core::kFontLarge}};
    for (const auto &[text, id] : fonts) {
        auto *radio = new QRadioButton(text, box);
        m_font->addButton(radio, id);
        layout->addWidget(radio);
    }
    auto *note = new QLabel(tr("( 한글은 작은글꼴이 지원되지 않습니다. )"), box);
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addStretch();
    connect(m_font, &QButtonGroup::idClicked, this,
            [this](int id) { edit([&] { presenter().SetPanelFont(std::uint16_t(id)); }); });
    return box;
}

void CTextLookDialog::refreshTextLook()
{
    const core::CTextLookDlg &p = presenter();
    refreshPosition();
    // Setting the same text again would move the cursor while the user types.
    const QString text = QString::fromStdString(p.Text());
    if (m_text && m_text->text() != text)
        m_text->setText(text);
    if (m_inverse)
        m_inverse->setChecked(p.IsInverse());
    if (m_border)
        m_border->setChecked(p.HasBorder());
    if (m_font)
        if (QAbstractButton *b = m_font->button(p.PanelFont()))
            b->setChecked(true);
}

QAbstractButton *CTextLookDialog::fontButton(int font) const
{
    return m_font ? m_font->button(font) : nullptr;
}

} // namespace ui

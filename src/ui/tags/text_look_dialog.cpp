#include "ui/tags/text_look_dialog.h"

#include "core/tags/panel_text.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QValidator>

namespace ui {

namespace {

// Refuses every keystroke and paste that would leave the panel's text field. Typing simply
// stops at the limit shown beside the field; a refused paste (more than one character at once)
// is explained, after the edit has finished handling it.
class CPanelTextValidator : public QValidator
{
public:
    CPanelTextValidator(const core::CTextLookDlg &presenter, QLineEdit *edit)
        : QValidator(edit)
        , m_presenter(presenter)
        , m_edit(edit)
    { }

    State validate(QString &input, int &) const override
    {
        const std::string text = input.toStdString();
        if (m_presenter.TextFits(text)) {
            m_accepted = input.size();
            return Acceptable;
        }
        // The edit holds the candidate already while it asks: compare with the last accepted.
        if (input.size() > m_accepted + 1)
            QTimer::singleShot(0, m_edit, [p = &m_presenter, text] { p->ExplainRefusal(text); });
        return Invalid;
    }

private:
    const core::CTextLookDlg &m_presenter;
    QLineEdit *m_edit;
    mutable qsizetype m_accepted = 0;
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
    m_textBytes = new QLabel(box);
    auto *textRow = new QHBoxLayout;
    textRow->addWidget(m_text, 1);
    textRow->addWidget(m_textBytes);
    auto *textLabel = new QLabel(tr("텍스트(&T):"), box);
    textLabel->setBuddy(m_text);
    form->addRow(textLabel, textRow);
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
    m_border = new QCheckBox(tr("테두리(&E)"), box);
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
    if (m_textBytes)
        m_textBytes->setText(tr("%1/%2 바이트")
                                     .arg(p.TextBytes(p.Text()))
                                     .arg(core::CTextLookDlg::kMaxTextBytes));
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

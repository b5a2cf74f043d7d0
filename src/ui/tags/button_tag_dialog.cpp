#include "ui/tags/button_tag_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ui {

CButtonTagDialog::CButtonTagDialog(const TagDialogContext &context, core::CButtonTag &tag,
                                   QWidget *parent)
    : CTwoImageTagDialog(context, parent)
    , m_presenter(env(), tag)
{
    setWindowTitle(tr("버튼 속성"));
    build();
}

QLayout *CButtonTagDialog::buildExtra()
{
    auto *box = new QGroupBox(tr("동작"), this);
    auto *grid = new QGridLayout(box);
    m_action = new QButtonGroup(this);
    const std::pair<QString, int> actions[] = {{tr("O&ff"), core::kButtonOff},
                                               {tr("&On"), core::kButtonOn},
                                               {tr("반전(&T)"), core::kButtonToggle},
                                               {tr("누르는 동안 On(&P)"), core::kButtonMomentary}};
    int i = 0;
    for (const auto &[text, id] : actions) {
        auto *radio = new QRadioButton(text, box);
        m_action->addButton(radio, id);
        grid->addWidget(radio, i / 2, i % 2);
        ++i;
    }
    m_password = makeCheck(tr("암호 사용(&U)"), [this](bool on) { m_presenter.SetPassword(on); });
    connect(m_action, &QButtonGroup::idClicked, this,
            [this](int id) { edit([&] { m_presenter.SetAction(std::uint16_t(id)); }); });
    auto *layout = new QVBoxLayout;
    layout->addWidget(box);
    layout->addWidget(m_password);
    return layout;
}

void CButtonTagDialog::refresh()
{
    CTwoImageTagDialog::refresh();
    if (auto *b = m_action->button(m_presenter.Action()))
        b->setChecked(true);
    m_password->setChecked(m_presenter.UsesPassword());
}

QAbstractButton *CButtonTagDialog::actionButton(int action) const
{
    return m_action->button(action);
}

} // namespace ui

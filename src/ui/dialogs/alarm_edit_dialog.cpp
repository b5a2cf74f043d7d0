#include "ui/dialogs/alarm_edit_dialog.h"

#include "ui/common/message_box.h"
#include "ui/dialogs/addr_group_box.h"
#include "ui/dialogs/byte_limit_validator.h"
#include "ui/dialogs/function_dialog_parts.h"

#include "core/functions/alarm_record.h"

#include "util/message_ids.h"

#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace ui {

CAlarmEditDialog::CAlarmEditDialog(const core::FunctionEnv &env, core::CAlarmEditDlg &presenter,
                                   QWidget *parent)
    : CPresenterDialog(parent)
    , m_presenter(presenter)
{
    setWindowTitle(tr("경보 편집"));
    build(env);
    refreshView();
}

void CAlarmEditDialog::build(const core::FunctionEnv &env)
{
    auto &p = m_presenter;
    m_address = new CAddrGroupBox(messageString(util::msg::kAddressCaption), env.plcSlots,
                                  p.Address(), false, true, this);
    auto *condition = radioBox(messageString(util::msg::kConditionCaption),
                               {messageString(util::msg::kOff), messageString(util::msg::kOn)},
                               m_condition, this);

    m_message = new QLineEdit(this);
    m_message->setValidator(
            new CByteLimitValidator(env.panelLang, core::CAlarmRecord::kMaxMessage, m_message));
    auto *messageLabel = new QLabel(tr("경보메시지(&M):"), this);
    messageLabel->setBuddy(m_message);
    auto *messageRow = new QHBoxLayout;
    messageRow->addWidget(messageLabel);
    messageRow->addWidget(m_message, 1);

    auto *buzzer = radioBox(messageString(util::msg::kBuzzerCaption),
                            {messageString(util::msg::kBuzzerNotUsed), tr("설정시간 동안 울리기"),
                             tr("계속 울리기")},
                            m_buzzer, this, true);
    m_seconds = new QLineEdit(this);
    m_seconds->setValidator(new QIntValidator(0, 65535, m_seconds));
    m_secondsLabel = new QLabel(tr("초"), this);
    m_secondsLabel->setBuddy(m_seconds);
    auto *secondsRow = new QHBoxLayout;
    secondsRow->addSpacing(24);
    secondsRow->addWidget(m_seconds);
    secondsRow->addWidget(m_secondsLabel);
    secondsRow->addStretch();
    static_cast<QVBoxLayout *>(buzzer->layout())->insertLayout(2, secondsRow);

    auto *display = radioBox(messageString(util::msg::kMessageDisplayCaption),
                             {tr("화면에서 계속 보여주기"), tr("화면에서 안 보여주기")}, m_display,
                             this, true);

    auto *layout = new QVBoxLayout;
    layout->addWidget(m_address);
    layout->addWidget(condition);
    layout->addLayout(messageRow);
    auto *lower = new QHBoxLayout;
    lower->addWidget(buzzer);
    lower->addWidget(display);
    layout->addLayout(lower);
    setContent(layout);

    connect(m_address, &CAddrGroupBox::changed, this, [this] { refreshView(); });
    connect(m_condition, &QButtonGroup::idClicked, this,
            [this, &p](int id) { forward([&] { p.SetConditionOn(id == 1); }); });
    connect(m_message, &QLineEdit::textEdited, this, [this, &p](const QString &text) {
        if (!refreshing())
            p.SetMessage(text.toStdString());
    });
    connect(m_buzzer, &QButtonGroup::idClicked, this,
            [this, &p](int id) { forward([&] { p.SetBuzzerMode(std::uint16_t(id)); }); });
    connect(m_seconds, &QLineEdit::editingFinished, this, &CAlarmEditDialog::takeSeconds);
    connect(m_display, &QButtonGroup::idClicked, this,
            [this, &p](int id) { forward([&] { p.SetHideAfterClear(id == 1); }); });
}

void CAlarmEditDialog::takeSeconds()
{
    // An entry outside 1 to 65535 gives the previous value back.
    if (!refreshing() && m_presenter.SecondsVisible())
        forward([this] { m_presenter.SecondsFocusLost(m_seconds->text().toStdString()); });
}

void CAlarmEditDialog::refresh()
{
    const auto &p = m_presenter;
    m_address->refresh();
    m_condition->button(p.ConditionOn() ? 1 : 0)->setChecked(true);
    if (m_message->text().toStdString() != p.Message())
        m_message->setText(QString::fromStdString(p.Message()));
    m_buzzer->button(p.BuzzerMode() <= 2 ? p.BuzzerMode() : 0)->setChecked(true);
    m_seconds->setVisible(p.SecondsVisible());
    m_secondsLabel->setVisible(p.SecondsVisible());
    m_seconds->setText(QString::fromStdString(p.SecondsText()));
    m_display->button(p.HideAfterClear() ? 1 : 0)->setChecked(true);
}

bool CAlarmEditDialog::acceptChanges()
{
    m_presenter.SetMessage(m_message->text().toStdString());
    if (m_presenter.SecondsVisible())
        m_presenter.SecondsFocusLost(m_seconds->text().toStdString());
    refreshView();
    return m_presenter.Ok();
}

} // namespace ui

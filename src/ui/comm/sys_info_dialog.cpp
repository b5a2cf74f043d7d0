#include "ui/comm/sys_info_dialog.h"

#include "ui/comm/comm_text.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

CSysInfoDialog::CSysInfoDialog(comm::CCommThread &link, comm::IPanelUi &ui, QWidget *parent)
    : QDialog(parent)
    , m_link(link)
    , m_ui(ui)
{
    setObjectName(QStringLiteral("CSysInfoDialog"));
    setWindowTitle(tr("Velmar Panel 정보"));
    const QString labels[FieldCount] = {tr("OS 버전:"),        tr("OS 날짜:"),
                                        tr("시계 타입:"),      tr("HMI 시계:"),
                                        tr("최대 스캔 시간:"), tr("현재 스캔 시간:"),
                                        tr("메뉴 언어:"),      tr("메뉴 버전:"),
                                        tr("채널1 드라이버:"), tr("채널1 드라이버 버전:"),
                                        tr("채널2 드라이버:"), tr("채널2 드라이버 버전:")};
    auto *form = new QFormLayout;
    for (int f = 0; f < FieldCount; ++f) {
        auto *edit = new QLineEdit(this);
        edit->setReadOnly(true);
        edit->setObjectName(QStringLiteral("field%1").arg(f));
        auto *label = new QLabel(labels[f], this);
        label->setBuddy(edit);
        form->addRow(label, edit);
        m_fields[std::size_t(f)] = edit;
    }
    m_read = new QPushButton(tr("읽어오기"), this);
    m_read->setObjectName(QStringLiteral("read"));
    m_read->setDefault(true);
    m_close = new QPushButton(tr("닫기"), this);
    m_close->setObjectName(QStringLiteral("close"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_read);
    buttons->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    connect(m_read, &QPushButton::clicked, this, &CSysInfoDialog::read);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    setMinimumWidth(380);
    m_read->setFocus();
}

void CSysInfoDialog::read()
{
    m_read->setEnabled(false);
    m_close->setEnabled(false);
    if (m_prepare)
        m_prepare();
    if (const auto texts = comm::ReadSystemInfo(m_link, m_ui))
        showTexts(*texts);
    m_read->setEnabled(true);
    m_close->setEnabled(true);
    m_read->setFocus();
}

void CSysInfoDialog::showTexts(const comm::SystemInfoTexts &t)
{
    const auto plain = [](const std::string &value) { return QString::fromStdString(value); };
    const QString values[FieldCount]
            = {plain(t.osVersion),       plain(t.osDate),         plain(t.clockType),
               commText(t.clockTime),    plain(t.scanMax),        plain(t.scanCurrent),
               commText(t.menuLanguage), commText(t.menuVersion), commText(t.driver1Name),
               plain(t.driver1Version),  commText(t.driver2Name), plain(t.driver2Version)};
    for (int f = 0; f < FieldCount; ++f)
        m_fields[std::size_t(f)]->setText(values[f]);
}

} // namespace ui

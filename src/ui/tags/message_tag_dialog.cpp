#include "ui/tags/message_tag_dialog.h"

#include "ui/tags/point_group_box.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

CMessageTagDialog::CMessageTagDialog(const TagDialogContext &context, core::CMessageTag &tag,
                                     QWidget *parent)
    : CTextLookDialog(context, parent)
    , m_presenter(env(), tag, context.strings)
{
    setWindowTitle(tr("메시지 속성"));
    auto *columns = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    left->addWidget(buildTextGroup());
    auto *look = new QHBoxLayout;
    look->addWidget(buildLookGroup());
    look->addWidget(buildFontGroup());
    left->addLayout(look);
    columns->addLayout(left);

    auto *right = new QVBoxLayout;
    // The panel reads the word only: no format, no limits.
    m_point = pointGroupBox(tr("디바이스"), m_presenter.Point(), 0);
    right->addWidget(m_point);
    m_editMessages = new QPushButton(tr("메시지 편집(&M)..."), this);
    m_editMessages->setEnabled(bool(context.editMessageTable));
    right->addWidget(m_editMessages);
    right->addStretch();
    columns->addLayout(right);
    setContent(columns);
    connect(m_editMessages, &QPushButton::clicked, this, &CMessageTagDialog::editMessages);
    refreshView();
}

void CMessageTagDialog::editMessages()
{
    if (!context().editMessageTable || !context().editMessageTable(this, m_presenter.MessageTag()))
        return;
    m_presenter.TableChanged();
    refreshView();
    notifyTagChanged();
}

void CMessageTagDialog::refresh()
{
    refreshTextLook();
    m_point->refresh();
}

} // namespace ui

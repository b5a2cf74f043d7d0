#include "ui/tags/text_tag_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace ui {

CTextTagDialog::CTextTagDialog(const TagDialogContext &context, core::CTextTag &tag,
                               QWidget *parent)
    : CTextLookDialog(context, parent)
    , m_presenter(env(), tag)
{
    setWindowTitle(tr("텍스트 속성"));
    auto *layout = new QVBoxLayout;
    layout->addWidget(buildTextGroup());
    auto *row = new QHBoxLayout;
    row->addWidget(buildLookGroup());
    row->addWidget(buildFontGroup());
    layout->addLayout(row);
    setContent(layout);
    refreshView();
}

} // namespace ui

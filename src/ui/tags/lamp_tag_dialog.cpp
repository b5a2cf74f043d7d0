#include "ui/tags/lamp_tag_dialog.h"

namespace ui {

CLampTagDialog::CLampTagDialog(const TagDialogContext &context, core::CLampTag &tag,
                               QWidget *parent)
    : CTwoImageTagDialog(context, parent)
    , m_presenter(env(), tag)
{
    setWindowTitle(tr("램프 속성"));
    build();
}

} // namespace ui

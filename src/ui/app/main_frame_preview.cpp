// The preview of the open project: the panel running in a window of its own, with no link.

#include "ui/app/main_frame.h"

#include "ui/app/project_controller.h"
#include "ui/canvas/tag_painter.h"
#include "ui/preview/panel_preview_window.h"
#include "ui/view/dorvane_view.h"

#include "core/app/app_services.h"
#include "core/model/dorvane_doc.h"

#include <QFileInfo>

namespace ui {

void CMainFrame::showPreview(bool fromOpenScreen)
{
    const core::CDorvaneDoc *doc = document();
    if (!doc)
        return;
    if (!m_preview) {
        CPanelPreviewWindow::Options options;
        options.fonts = core::PanelFonts::fromConfig(m_services.Config(), doc->PanelLangId());
        options.textLangId = panelLangId();
        options.title = QFileInfo(QString::fromStdString(doc->Path())).fileName();
        // The panel's password is set on the panel, not in the project: an empty entry passes.
        options.password.clear();
        const core::EditorColors &colors = m_services.Config().colors();
        options.back = fromColorRef(colors.back);
        options.lit = fromColorRef(colors.fill);
        m_preview = std::make_unique<CPanelPreviewWindow>(options);
        m_preview->setDocument(doc);
    }
    // The panel starts on the project's initial screen; the open window's screen on request.
    if (const CDorvaneView *view = activeView(); fromOpenScreen && view && m_preview->runtime())
        m_preview->runtime()->ShowScreen(view->screenNumber());
    m_preview->scanNow();
    m_preview->show();
    m_preview->raise();
    m_preview->activateWindow();
}

} // namespace ui

// Printing, the print preview, the PDF report and the picture export of the main window.

#include "ui/app/main_frame.h"

#include "ui/app/dialog_factory.h"
#include "ui/canvas/tag_painter.h"
#include "ui/common/message_box.h"
#include "ui/common/qt_prompt.h"
#include "ui/print/picture_export_dialog.h"
#include "ui/print/report_renderer.h"
#include "ui/print/report_setup_dialog.h"
#include "ui/print/screen_picture.h"
#include "ui/view/dorvane_view.h"

#include "core/app/app_services.h"
#include "core/model/dorvane_doc.h"
#include "core/model/img_res_mgr.h"
#include "core/report/picture_export_dlg.h"
#include "core/report/project_report.h"
#include "core/report/screen_scope.h"
#include "core/runtime/screen_renderer.h"

#include "util/file_io.h"
#include "util/message_ids.h"

#include <QBuffer>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSvgGenerator>

namespace ui {

namespace {

// Everything one report needs, for as long as it is drawn.
struct ReportJob
{
    ReportJob(CMainFrame &frame, const core::CDorvaneDoc &doc,
              const std::vector<std::uint16_t> &screens, int pictureWidth, bool crossReference)
        : prompt(&frame)
        , env{doc.Slots(), prompt, frame.panelLangId()}
        , report(doc, env, options(frame, screens, crossReference))
        , painter(frame.services().Config())
        , renderer(report, painter, doc.Images(),
                   QFileInfo(QString::fromStdString(doc.Path())).fileName())
    {
        renderer.setPictureWidth(pictureWidth / 100.0);
    }

    static core::ReportOptions options(CMainFrame &frame, const std::vector<std::uint16_t> &screens,
                                       bool crossReference)
    {
        core::ReportOptions o = core::reportOptionsFor(frame.services().Config());
        o.screens = screens;
        o.crossReference = crossReference;
        o.date = QDate::currentDate().toString(Qt::ISODate).toStdString();
        return o;
    }

    CQtPrompt prompt;
    core::FunctionEnv env;
    core::CProjectReport report;
    CTagPainter painter;
    CReportRenderer renderer;
};

void usePageLayout(QPrinter &printer)
{
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(15, 12, 15, 12), QPageLayout::Millimeter);
}

// The bare display as squares of lit pixels, one rectangle per run of a row.
bool writeBareSvg(const QImage &mono, int scale, QIODevice &out)
{
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setSize(mono.size() * scale);
    svg.setViewBox(QRect(QPoint(0, 0), mono.size() * scale));
    QPainter p;
    if (!p.begin(&svg))
        return false;
    p.fillRect(QRect(QPoint(0, 0), mono.size() * scale), Qt::white);
    for (int y = 0; y < mono.height(); ++y)
        for (int x = 0; x < mono.width();) {
            if (mono.pixelIndex(x, y) == 0) {
                ++x;
                continue;
            }
            int end = x;
            while (end < mono.width() && mono.pixelIndex(end, y) == 1)
                ++end;
            p.fillRect(QRect(x * scale, y * scale, (end - x) * scale, scale), Qt::black);
            x = end;
        }
    return p.end();
}

bool writeImageSvg(const QImage &image, QIODevice &out)
{
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setSize(image.size());
    svg.setViewBox(QRect(QPoint(0, 0), image.size()));
    QPainter p;
    if (!p.begin(&svg))
        return false;
    p.drawImage(0, 0, image);
    return p.end();
}

QString cannotWrite(const QString &path)
{
    return messageString(util::msg::kCannotOpenFile).replace(QStringLiteral("%s"), path);
}

} // namespace

int CMainFrame::exportReportPdf(const QString &path, const std::vector<std::uint16_t> &screens,
                                int pictureWidth, bool crossReference)
{
    const core::CDorvaneDoc *doc = document();
    if (!doc)
        return 0;
    const ReportJob job(*this, *doc, screens, pictureWidth, crossReference);
    return writeReportPdf(job.renderer, path);
}

int CMainFrame::printReport(QPrinter &printer, const std::vector<std::uint16_t> &screens,
                            int pictureWidth, bool crossReference)
{
    const core::CDorvaneDoc *doc = document();
    if (!doc)
        return 0;
    const ReportJob job(*this, *doc, screens, pictureWidth, crossReference);
    return job.renderer.render(printer);
}

bool CMainFrame::askReportSetup(std::vector<std::uint16_t> &screens, int &pictureWidth,
                                bool &crossReference)
{
    const core::CDorvaneDoc *doc = document();
    if (!doc)
        return false;
    const CDorvaneView *view = activeView();
    const auto dialog = makeReportSetupDialog(*doc, view ? int(view->screenNumber()) : -1, this);
    if (dialog->exec() != QDialog::Accepted)
        return false;
    screens = dialog->presenter().Chosen();
    pictureWidth = dialog->presenter().PictureWidth();
    crossReference = dialog->presenter().CrossReference();
    return true;
}

bool CMainFrame::exportScreenPictures(const QString &dir, const std::vector<std::uint16_t> &screens,
                                      int scale, bool bare, bool svg)
{
    const core::CDorvaneDoc *doc = document();
    if (!doc)
        return false;
    CTagPainter painter(m_services.Config());
    const core::CScreenRenderer renderer(
            *doc, core::PanelFonts::fromConfig(m_services.Config(), doc->PanelLangId()));
    const auto format = svg ? core::CPictureExportDlg::kSvg : core::CPictureExportDlg::kPng;
    // Every picture is drawn before any is written, and they are put in place together: a
    // failure leaves the folder as it was, not a set of old and new or a cut-off picture.
    std::vector<QByteArray> pictures;
    std::vector<util::FileWrite> files;
    pictures.reserve(screens.size());
    for (std::uint16_t number : screens) {
        const core::CScreenData *screen = doc->FindScreen(number);
        if (!screen)
            return false;
        QBuffer buffer(&pictures.emplace_back());
        buffer.open(QIODevice::WriteOnly);
        bool ok = false;
        if (bare) {
            const QImage mono = bareScreenImage(renderer, *screen, 1);
            ok = svg ? writeBareSvg(mono, scale, buffer)
                     : mono.scaled(mono.size() * scale, Qt::IgnoreAspectRatio,
                                   Qt::FastTransformation)
                               .save(&buffer, "PNG");
        } else {
            const QImage image
                    = editorScreenImage(*screen, painter, m_picture, m_services.Config(), scale);
            ok = svg ? writeImageSvg(image, buffer) : image.save(&buffer, "PNG");
        }
        if (!ok)
            return false;
    }
    const bool madeDir = !QFileInfo::exists(dir);
    if (!QDir().mkpath(dir))
        return false;
    for (std::size_t i = 0; i < screens.size(); ++i) {
        const QString path = QDir(dir).filePath(
                QString::fromStdString(core::CPictureExportDlg::FileName(screens[i], format)));
        files.push_back({QFile::encodeName(path).toStdString(),
                         util::ConstByteSpan(
                                 reinterpret_cast<const std::uint8_t *>(pictures[i].constData()),
                                 std::size_t(pictures[i].size()))});
    }
    if (util::writeFilesAtomic(files))
        return true;
    if (madeDir)
        QDir().rmdir(dir);
    return false;
}

void CMainFrame::onPrint()
{
    std::vector<std::uint16_t> screens;
    int width = 0;
    bool xref = false;
    if (!askReportSetup(screens, width, xref))
        return;
    QPrinter printer(QPrinter::HighResolution);
    usePageLayout(printer);
    QPrintDialog dialog(&printer, this);
    // The report's own set-up chose what it covers; a page range would cut tables apart.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    if (dialog.exec() == QDialog::Accepted && printReport(printer, screens, width, xref) == 0)
        showMessage(this, util::msg::kCannotOpenFile,
                    cannotWrite(printer.outputFileName().isEmpty() ? printer.printerName()
                                                                   : printer.outputFileName()));
}

void CMainFrame::onPrintPreview()
{
    std::vector<std::uint16_t> screens;
    int width = 0;
    bool xref = false;
    if (!askReportSetup(screens, width, xref))
        return;
    QPrinter printer(QPrinter::HighResolution);
    usePageLayout(printer);
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("printPreview"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&](QPrinter *p) { printReport(*p, screens, width, xref); });
    preview.exec();
}

void CMainFrame::onExportPdf()
{
    const core::CDorvaneDoc *doc = document();
    std::vector<std::uint16_t> screens;
    int width = 0;
    bool xref = false;
    if (!doc || !askReportSetup(screens, width, xref))
        return;
    const QFileInfo project(QString::fromStdString(doc->Path()));
    const QString path = QFileDialog::getSaveFileName(
            this, tr("PDF로 내보내기"),
            project.absoluteDir().filePath(project.completeBaseName() + QStringLiteral(".pdf")),
            tr("PDF 파일 (*.pdf)"));
    if (path.isEmpty())
        return;
    if (exportReportPdf(path, screens, width, xref) == 0)
        showMessage(this, util::msg::kCannotOpenFile, cannotWrite(path));
}

void CMainFrame::onExportPictures()
{
    const core::CDorvaneDoc *doc = document();
    if (!doc)
        return;
    const CDorvaneView *view = activeView();
    const auto dialog = makePictureExportDialog(*doc, view ? int(view->screenNumber()) : -1, this);
    const QFileInfo project(QString::fromStdString(doc->Path()));
    dialog->presenter().SetFolder(project.absolutePath().toStdString());
    dialog->folderEdit()->setText(project.absolutePath());
    if (dialog->exec() != QDialog::Accepted)
        return;
    const core::CPictureExportDlg &p = dialog->presenter();
    const QString dir = QString::fromStdString(p.Folder());
    if (!exportScreenPictures(dir, p.Chosen(), p.Scale(), p.Bare(),
                              p.GetFormat() == core::CPictureExportDlg::kSvg))
        showMessage(this, util::msg::kCannotOpenFile, cannotWrite(dir));
}

} // namespace ui

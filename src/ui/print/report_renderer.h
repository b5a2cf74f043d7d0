#pragma once

// Draws the project report (core::CProjectReport) onto a paged device: a PDF writer, a printer
// or the print preview. Sections are taken from the report one at a time and drawn page by page,
// so only the section on hand is held. Every page has a header with the project name and the
// section, and a footer with "page / pages"; a table that runs over a page starts again on the
// next one with its header row. The total comes from a first pass laid out on a PDF engine that
// writes nowhere, with the target's page layout and resolution.

#include <QCoreApplication>
#include <QString>

class QPageLayout;
class QPagedPaintDevice;

namespace core {
class CImgResMgr;
class CProjectReport;
enum class ReportLabel : int;
struct ReportText;
} // namespace core

namespace ui {

class CTagPainter;

class CReportRenderer
{
    Q_DECLARE_TR_FUNCTIONS(CReportRenderer)
public:
    CReportRenderer(const core::CProjectReport &report, CTagPainter &painter,
                    const core::CImgResMgr &images, QString projectName);

    // The name in every page header, and the PDF's title.
    const QString &projectName() const { return m_projectName; }

    // Width of the screen pictures as a share of the printable width (0 < share <= 1).
    void setPictureWidth(double share) { m_pictureWidth = share; }

    // Draws the whole report; returns the number of pages, or 0 when the device could not be
    // painted on.
    int render(QPagedPaintDevice &device) const;
    // The pages the report takes on a device of that layout and resolution, nothing drawn.
    int countPages(const QPageLayout &layout, int resolution) const;

    static QString labelText(core::ReportLabel label);
    static QString text(const core::ReportText &text);

private:
    const core::CProjectReport &m_report;
    CTagPainter &m_painter;
    const core::CImgResMgr &m_images;
    QString m_projectName;
    int draw(QPagedPaintDevice &device, int total) const;

    double m_pictureWidth = 0.75;
};

// The report as a PDF file (A4) titled with the project's name; the page count, or 0 when the
// file could not be written. The file appears only once complete.
int writeReportPdf(const CReportRenderer &renderer, const QString &path);

} // namespace ui

#pragma once

// Draws the project report (core::CProjectReport) onto a paged device: a PDF writer, a printer
// or the print preview. Sections are taken from the report one at a time and drawn page by page,
// so only the section on hand is held. Every page has a header with the project name and the
// section, and a footer with the page number; a table that runs over a page starts again on the
// next one with its header row.

#include <QCoreApplication>
#include <QString>

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

    // Points (1/72 inch) per panel pixel of the screen pictures; made smaller if the picture
    // would not fit the page's width.
    void setPictureScale(double pointsPerPixel) { m_pictureScale = pointsPerPixel; }

    // Draws the whole report; returns the number of pages, or 0 when the device could not be
    // painted on.
    int render(QPagedPaintDevice &device) const;

    static QString labelText(core::ReportLabel label);
    static QString text(const core::ReportText &text);

private:
    const core::CProjectReport &m_report;
    CTagPainter &m_painter;
    const core::CImgResMgr &m_images;
    QString m_projectName;
    double m_pictureScale = 2.0;
};

// The report as a PDF file (A4); the page count, or 0 when the file could not be written.
int writeReportPdf(const CReportRenderer &renderer, const QString &path);

} // namespace ui

#include "ui/print/report_renderer.h"

#include "ui/canvas/tag_painter.h"
#include "ui/print/pdf_info.h"
#include "ui/print/screen_picture.h"

#include "core/functions/record_text.h"
#include "core/model/dorvane_doc.h"
#include "core/model/img_res_mgr.h"
#include "core/report/project_report.h"
#include "core/runtime/screen_renderer.h"
#include "util/file_io.h"

#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QIODevice>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <functional>

#include <algorithm>
#include <numeric>

namespace ui {

namespace {

using core::ReportLabel;
using core::ReportSection;
using core::ReportTable;

// Takes the bytes of the counting pass and forgets them.
class CDiscardDevice : public QIODevice
{
protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 size) override { return size; }
};

// Lays the report out top to bottom, page after page.
class CPageWriter
{
public:
    CPageWriter(QPagedPaintDevice &device, QPainter &p, QString project, int total)
        : m_device(device)
        , m_p(p)
        , m_project(std::move(project))
        , m_total(total)
        , m_width(device.width())
        , m_height(device.height())
        , m_unit(device.logicalDpiY() / 72.0)
    {
        m_p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        m_top = pt(18);
        m_bottom = m_height - pt(18);
    }

    double pt(double points) const { return points * m_unit; }
    int pages() const { return m_pages; }
    double width() const { return m_width; }

    // A section starts on a page of its own.
    void startSection(const QString &title)
    {
        if (m_pages > 0) {
            drawFooter();
            m_device.newPage();
        }
        m_section = title;
        beginPage();
        drawHeader();
        heading(title, 14);
    }

    void finish()
    {
        if (m_pages > 0)
            drawFooter();
    }

    // Room for `h` more on this page, else a new one.
    bool ensure(double h)
    {
        if (m_y + h <= m_bottom || m_y <= m_top + 1)
            return false;
        newPage();
        return true;
    }

    void heading(const QString &text, double size)
    {
        setFont(size, true);
        const double h = lineHeight() * 1.4;
        ensure(h + lineHeight() * 3);
        m_p.drawText(QRectF(0, m_y, m_width, h), Qt::AlignLeft | Qt::AlignVCenter, text);
        m_y += h;
    }

    void fields(const std::vector<core::ReportField> &fields)
    {
        setFont(9, false);
        const double nameWidth = m_width * 0.28;
        for (const auto &f : fields) {
            const QString value = QString::fromStdString(f.value);
            const double h = textHeight(value, m_width - nameWidth) + pt(3);
            ensure(h);
            setFont(9, true);
            m_p.drawText(QRectF(0, m_y, nameWidth, h), Qt::AlignLeft | Qt::AlignTop,
                         CReportRenderer::text(f.name));
            setFont(9, false);
            m_p.drawText(QRectF(nameWidth, m_y, m_width - nameWidth, h),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, value);
            m_y += h;
        }
        m_y += pt(6);
    }

    void gauges(const std::vector<std::pair<std::uint32_t, std::uint32_t>> &gauges,
                const QStringList &names)
    {
        setFont(9, false);
        const double h = pt(12);
        for (std::size_t i = 0; i < gauges.size(); ++i) {
            ensure(h + pt(4));
            const auto [used, capacity] = gauges[i];
            const double part = capacity ? std::min(1.0, double(used) / capacity) : 0.0;
            const double x = m_width * 0.28, w = m_width * 0.5;
            m_p.drawText(QRectF(0, m_y, x, h), Qt::AlignLeft | Qt::AlignVCenter,
                         names.value(int(i)));
            m_p.fillRect(QRectF(x, m_y, w * part, h), QColor(90, 90, 90));
            m_p.setPen(Qt::black);
            m_p.drawRect(QRectF(x, m_y, w, h));
            m_p.drawText(QRectF(x + w + pt(6), m_y, m_width - x - w, h),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("%1%").arg(int(part * 100 + 0.5)));
            m_y += h + pt(4);
        }
        m_y += pt(6);
    }

    void picture(const QImage &image, double share)
    {
        const double w = m_width * std::clamp(share, 0.05, 1.0);
        const double h = w * image.height() / std::max(1, image.width());
        ensure(h + pt(8));
        m_p.drawImage(QRectF(0, m_y, w, h), image);
        m_p.setPen(QPen(Qt::black, 0));
        m_p.drawRect(QRectF(0, m_y, w, h));
        m_y += h + pt(10);
    }

    // `cellImage` gives a picture for a cell (or a null image); pictures take `imageHeight`.
    void table(const ReportTable &t, const std::function<QImage(int row, int col)> &cellImage = {},
               double imageHeight = 0)
    {
        const std::size_t cols = t.header.size();
        if (cols == 0)
            return;
        std::vector<double> x(cols + 1, 0.0);
        const double total = std::accumulate(t.weights.begin(), t.weights.end(), 0.0);
        for (std::size_t c = 0; c < cols; ++c) {
            const double weight = c < t.weights.size() && total > 0 ? t.weights[c] : 1.0;
            x[c + 1] = x[c] + m_width * weight / (total > 0 ? total : double(cols));
        }
        QStringList header;
        for (const auto &h : t.header)
            header << CReportRenderer::text(h);
        heading(CReportRenderer::text(t.title), 11);
        drawRow(header, x, true, {}, 0);
        if (t.rows.empty()) {
            setFont(8, false);
            ensure(lineHeight() + pt(4));
            m_p.drawText(QRectF(pt(3), m_y, m_width, lineHeight() + pt(4)),
                         Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("-"));
            m_y += lineHeight() + pt(4);
        }
        for (std::size_t r = 0; r < t.rows.size(); ++r) {
            QStringList cells;
            for (std::size_t c = 0; c < cols; ++c)
                cells << (c == 0 && r < t.rowLabels.size()
                                  ? CReportRenderer::labelText(t.rowLabels[r])
                                  : QString::fromStdString(c < t.rows[r].size() ? t.rows[r][c]
                                                                                : std::string()));
            const auto image = [&](int c) { return cellImage ? cellImage(int(r), c) : QImage(); };
            drawRow(cells, x, false, image, imageHeight);
        }
        m_y += pt(8);
    }

private:
    void setFont(double size, bool bold)
    {
        QFont f;
        f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("NanumGothic")});
        f.setPointSizeF(size);
        f.setBold(bold);
        m_p.setFont(f);
    }
    double lineHeight() const { return m_p.fontMetrics().height(); }
    double textHeight(const QString &text, double width) const
    {
        return m_p
                .boundingRect(QRectF(0, 0, std::max(1.0, width), 1e6),
                              Qt::AlignLeft | Qt::TextWordWrap, text)
                .height();
    }

    // A row that does not fit goes to the next page, below the table's header row again.
    void drawRow(const QStringList &cells, const std::vector<double> &x, bool isHeader,
                 const std::function<QImage(int)> &image, double imageHeight)
    {
        setFont(8, isHeader);
        const double pad = pt(2);
        double h = lineHeight();
        for (int c = 0; c < cells.size(); ++c)
            h = std::max(h, textHeight(cells[c], x[c + 1] - x[c] - 2 * pad));
        if (imageHeight > 0)
            h = std::max(h, imageHeight);
        h += 2 * pad;
        if (isHeader) {
            m_header = cells;
            m_headerX = x;
            ensure(h * 2);
        } else if (ensure(h)) {
            drawCells(m_header, m_headerX, true, {}, 0);
            setFont(8, false);
        }
        drawCells(cells, x, isHeader, image, h);
    }

    void drawCells(const QStringList &cells, const std::vector<double> &x, bool isHeader,
                   const std::function<QImage(int)> &image, double rowHeight)
    {
        setFont(8, isHeader);
        const double pad = pt(2);
        double h = rowHeight;
        if (h <= 0) {
            h = lineHeight();
            for (int c = 0; c < cells.size(); ++c)
                h = std::max(h, textHeight(cells[c], x[c + 1] - x[c] - 2 * pad));
            h += 2 * pad;
        }
        if (isHeader)
            m_p.fillRect(QRectF(0, m_y, x.back(), h), QColor(225, 225, 225));
        m_p.setPen(QPen(Qt::black, 0));
        for (int c = 0; c < cells.size(); ++c) {
            const QRectF cell(x[c], m_y, x[c + 1] - x[c], h);
            m_p.drawRect(cell);
            const QImage img = image ? image(c) : QImage();
            if (!img.isNull()) {
                const QSizeF fit = QSizeF(img.size())
                                           .scaled(cell.size() - QSizeF(2 * pad, 2 * pad),
                                                   Qt::KeepAspectRatio);
                m_p.drawImage(QRectF(cell.topLeft() + QPointF(pad, pad), fit), img);
            } else {
                m_p.drawText(cell.adjusted(pad, pad, -pad, -pad),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, cells[c]);
            }
        }
        m_y += h;
    }

    void beginPage()
    {
        ++m_pages;
        m_y = m_top;
    }

    void newPage()
    {
        drawFooter();
        m_device.newPage();
        beginPage();
        drawHeader();
    }

    void drawHeader()
    {
        setFont(8, false);
        m_p.setPen(QPen(Qt::black, 0));
        const QRectF band(0, 0, m_width, pt(12));
        m_p.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, m_project);
        m_p.drawText(band, Qt::AlignRight | Qt::AlignVCenter, m_section);
        m_p.drawLine(QPointF(0, pt(13)), QPointF(m_width, pt(13)));
    }

    void drawFooter()
    {
        setFont(8, false);
        m_p.setPen(QPen(Qt::black, 0));
        m_p.drawLine(QPointF(0, m_height - pt(13)), QPointF(m_width, m_height - pt(13)));
        m_p.drawText(QRectF(0, m_height - pt(12), m_width, pt(12)), Qt::AlignCenter,
                     m_total > 0 ? QStringLiteral("%1 / %2").arg(m_pages).arg(m_total)
                                 : QString::number(m_pages));
    }

    QPagedPaintDevice &m_device;
    QPainter &m_p;
    QString m_project;
    int m_total;
    QString m_section;
    double m_width;
    double m_height;
    double m_unit;
    double m_top = 0;
    double m_bottom = 0;
    double m_y = 0;
    int m_pages = 0;
    QStringList m_header;
    std::vector<double> m_headerX;
};

} // namespace

CReportRenderer::CReportRenderer(const core::CProjectReport &report, CTagPainter &painter,
                                 const core::CImgResMgr &images, QString projectName)
    : m_report(report)
    , m_painter(painter)
    , m_images(images)
    , m_projectName(std::move(projectName))
{ }

QString CReportRenderer::text(const core::ReportText &text)
{
    return text.label == ReportLabel::None ? QString::fromStdString(text.text)
                                           : labelText(text.label);
}

QString CReportRenderer::labelText(core::ReportLabel label)
{
    const int kind = int(label) - int(ReportLabel::kKindFirst);
    // The kind names follow the resource language, as the tag list's tabs do.
    if (kind >= 0)
        return QString::fromStdString(core::tagKindText(kind));
    switch (label) {
    case ReportLabel::None:
        return {};
    case ReportLabel::Cover:
        return tr("프로젝트 개요");
    case ReportLabel::ProjectFile:
        return tr("프로젝트 파일");
    case ReportLabel::Date:
        return tr("날짜");
    case ReportLabel::PanelLanguage:
        return tr("패널 언어");
    case ReportLabel::Channel1:
        return tr("채널 1");
    case ReportLabel::Channel2:
        return tr("채널 2");
    case ReportLabel::PlcType:
        return tr("PLC 종류");
    case ReportLabel::OwnStation:
        return tr("자국 번호");
    case ReportLabel::Baud:
        return tr("통신 속도");
    case ReportLabel::DataBits:
        return tr("데이터 비트");
    case ReportLabel::Parity:
        return tr("패리티");
    case ReportLabel::StopBits:
        return tr("정지 비트");
    case ReportLabel::Timeout:
        return tr("타임아웃");
    case ReportLabel::Configuration:
        return tr("통신구성");
    case ReportLabel::SlaveStation:
        return tr("상대국 번호");
    case ReportLabel::ChannelUnused:
        return tr("미사용");
    case ReportLabel::Memory:
        return tr("메모리");
    case ReportLabel::ScreenArea:
        return tr("화면 영역");
    case ReportLabel::StringArea:
        return tr("문자열 영역");
    case ReportLabel::ImageArea:
        return tr("이미지 영역");
    case ReportLabel::Screen:
        return tr("화면");
    case ReportLabel::Number:
        return tr("번호");
    case ReportLabel::Name:
        return tr("이름");
    case ReportLabel::Previous:
        return tr("이전 화면");
    case ReportLabel::Next:
        return tr("다음 화면");
    case ReportLabel::Background:
        return tr("배경 이미지");
    case ReportLabel::Password:
        return tr("암호");
    case ReportLabel::FunctionKeys:
        return tr("기능키");
    case ReportLabel::Tags:
        return tr("태그");
    case ReportLabel::Kind:
        return tr("종류");
    case ReportLabel::Position:
        return tr("위치");
    case ReportLabel::Size:
        return tr("크기");
    case ReportLabel::Channel:
        return tr("채널");
    case ReportLabel::Station:
        return tr("국번");
    case ReportLabel::Address:
        return tr("주소");
    case ReportLabel::DataSize:
        return tr("데이터 크기");
    case ReportLabel::Base:
        return tr("진법");
    case ReportLabel::Limits:
        return tr("범위");
    case ReportLabel::Resources:
        return tr("메시지/이미지");
    case ReportLabel::Functions:
        return tr("공통 기능");
    case ReportLabel::Alarms:
        return tr("경보");
    case ReportLabel::Calculations:
        return tr("연산");
    case ReportLabel::Transfers:
        return tr("블록통신");
    case ReportLabel::Reservations:
        return tr("예약");
    case ReportLabel::Messages:
        return tr("메시지 목록");
    case ReportLabel::Images:
        return tr("등록된 이미지");
    case ReportLabel::SystemMemory:
        return tr("사용된 시스템 메모리");
    case ReportLabel::Id:
        return tr("ID");
    case ReportLabel::Text:
        return tr("내용");
    case ReportLabel::References:
        return tr("참조 수");
    case ReportLabel::Picture:
        return tr("그림");
    case ReportLabel::Used:
        return tr("사용");
    case ReportLabel::Unused:
        return tr("남음");
    case ReportLabel::CrossReference:
        return tr("교차 참조");
    case ReportLabel::Point:
        return tr("주소");
    case ReportLabel::Access:
        return tr("읽기/쓰기");
    case ReportLabel::Users:
        return tr("사용처");
    case ReportLabel::kKindFirst:
        break;
    }
    return {};
}

int CReportRenderer::render(QPagedPaintDevice &device) const
{
    const int total = countPages(device.pageLayout(), device.logicalDpiY());
    return total > 0 ? draw(device, total) : 0;
}

int CReportRenderer::countPages(const QPageLayout &layout, int resolution) const
{
    CDiscardDevice nowhere;
    nowhere.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&nowhere);
    pdf.setResolution(resolution);
    pdf.setPageLayout(layout);
    return draw(pdf, 0);
}

int CReportRenderer::draw(QPagedPaintDevice &device, int total) const
{
    QPainter p;
    if (!p.begin(&device))
        return 0;
    CPageWriter out(device, p, m_projectName, total);
    // Screen pictures show the screens as the panel does at rest.
    const core::CScreenRenderer screens(
            m_report.Document(),
            core::PanelFonts::fromConfig(m_painter.config(), m_report.Document().PanelLangId()));
    const QColor white(Qt::white);
    for (std::size_t i = 0; i < m_report.SectionCount(); ++i) {
        const core::ReportSection s = m_report.Section(i);
        out.startSection(text(s.title));
        out.fields(s.fields);
        if (s.kind == ReportSection::Kind::Cover)
            out.gauges(s.gauges,
                       {labelText(ReportLabel::ScreenArea), labelText(ReportLabel::StringArea),
                        labelText(ReportLabel::ImageArea)});
        if (s.kind == ReportSection::Kind::Screen) {
            if (const core::CScreenData *screen
                = m_report.Document().FindScreen(std::uint16_t(s.screenNumber)))
                out.picture(bareScreenImage(screens, *screen, 1), m_pictureWidth);
        }
        for (const core::ReportTable &t : s.tables) {
            if (s.kind == ReportSection::Kind::Images) {
                // The first column holds the image's id: its thumbnail is drawn there.
                out.table(
                        t,
                        [&](int row, int col) {
                            if (col != 0)
                                return QImage();
                            const auto *bmp = m_images.Bitmap(
                                    std::uint32_t(std::stoul(t.rows.at(std::size_t(row)).at(0))));
                            return bmp
                                    ? blackAndWhite(m_painter.image(*bmp, false), m_painter.back())
                                    : QImage();
                        },
                        out.pt(40));
            } else {
                out.table(t);
            }
        }
    }
    out.finish();
    p.end();
    return out.pages();
}

int writeReportPdf(const CReportRenderer &renderer, const QString &path)
{
    const QString creator = QStringLiteral("Dorvane");
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    int pages = 0;
    {
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(15, 12, 15, 12), QPageLayout::Millimeter);
        pdf.setResolution(300);
        pdf.setTitle(renderer.projectName());
        pdf.setCreator(creator);
        pages = renderer.render(pdf);
    }
    if (pages == 0)
        return 0;
    QByteArray bytes = buffer.data();
    // The writer has no subject of its own; without the update the file keeps its title.
    appendPdfInfo(bytes,
                  {renderer.projectName(), CReportRenderer::tr("프로젝트 보고서"), creator,
                   QStringLiteral("Qt ") + QLatin1String(qVersion()),
                   QDateTime::currentDateTime()});
    // The same write as every other file: the old report stays unless the new one is complete.
    const util::ConstByteSpan data(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                                   std::size_t(bytes.size()));
    return util::writeFileAtomic(QFile::encodeName(path).toStdString(), data) ? pages : 0;
}

} // namespace ui

#include "ui/canvas/panel_text_painter.h"

#include "core/app/app_config.h"
#include "core/tags/panel_text.h"

#include "util/code_page.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace ui {

QString familyForFace(const std::string &faceBytes)
{
    const QString face = QString::fromStdString(util::toUtf8Lossy(faceBytes, util::kLangKorean));
    if (face == QStringLiteral("굴림") || face == QStringLiteral("돋움")
        || face.startsWith(QStringLiteral("굴림")) || face.startsWith(QStringLiteral("돋움")))
        return QStringLiteral("NanumGothic");
    if (face.startsWith(QStringLiteral("바탕")))
        return QStringLiteral("NanumMyeongjo");
    if (face == QStringLiteral("Arial"))
        return QStringLiteral("Liberation Sans");
    if (face == QStringLiteral("Times New Roman"))
        return QStringLiteral("Liberation Serif");
    return face.isEmpty() ? QStringLiteral("NanumGothic") : face;
}

CPanelTextPainter::CPanelTextPainter(const core::CAppConfig &config)
    : m_config(config)
{ }

void CPanelTextPainter::draw(QPainter &p, int x, int y, std::string_view bytes, std::uint16_t font,
                             std::uint16_t panelLangId, const QColor &text, const QColor &back)
{
    const bool small = font == core::kFontSmall;
    const int h = core::panelCellHeight(font);
    std::size_t i = 0;
    while (i < bytes.size()) {
        const bool dbcs = !small && std::uint8_t(bytes[i]) >= 128 && i + 1 < bytes.size();
        const std::size_t n = dbcs ? 2 : 1;
        const int w = core::panelCellWidth(font, dbcs);
        const std::string_view ch = bytes.substr(i, n);
        if (ch != " ")
            p.drawImage(QRect(x, y, w, h), glyph(ch, font, dbcs, panelLangId, text, back));
        else
            p.fillRect(QRect(x, y, w, h), back);
        x += w;
        i += n;
    }
}

QImage CPanelTextPainter::glyph(std::string_view ch, std::uint16_t font, bool doubleByte,
                                std::uint16_t lang, const QColor &text, const QColor &back)
{
    const quint64 colours = (quint64(text.rgb()) << 32) | back.rgb();
    quint32 code = quint8(ch[0]);
    if (ch.size() > 1)
        code = (code << 8) | quint8(ch[1]);
    const quint64 key = (quint64(lang) << 32) | (quint64(font) << 16) | code;
    QHash<quint64, QImage> &glyphs = m_cache[colours];
    const auto it = glyphs.constFind(key);
    if (it != glyphs.constEnd())
        return *it;

    // The large fonts are the normal ones with doubled width; the cell stretch does the rest.
    const core::PanelFontSize size = font == core::kFontSmall ? core::PanelFontSize::Font6x8
            : doubleByte                                      ? core::PanelFontSize::Font16x16
                                                              : core::PanelFontSize::Font8x16;
    const util::CLogFont lf = m_config.panelFont(size);
    const int cellW = core::panelCellWidth(
            font == core::kFontSmall ? font : std::uint16_t(core::kFontNormal), doubleByte);
    const int cellH = core::panelCellHeight(
            font == core::kFontSmall ? font : std::uint16_t(core::kFontNormal));
    QFont qf(familyForFace(lf.faceName()));
    qf.setPixelSize(lf.height() != 0 ? std::abs(lf.height()) : cellH);
    qf.setStyleStrategy(QFont::NoAntialias);
    if (lf.weight() >= 600)
        qf.setBold(true);
    const QString s = QString::fromStdString(
            util::toUtf8Lossy(std::string(ch), doubleByte ? lang : util::kLangKorean));
    const QFontMetrics fm(qf);
    const int w = std::max(cellW, fm.horizontalAdvance(s));
    const int h = std::max(cellH, fm.height());
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(back);
    {
        QPainter gp(&img);
        gp.setFont(qf);
        gp.setPen(text);
        gp.drawText(QRect(0, 0, w, h), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, s);
    }
    glyphs.insert(key, img);
    return img;
}

} // namespace ui

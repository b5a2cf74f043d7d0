#include "ui/canvas/canvas_picture_cache.h"

#include "core/tags/clock_tag.h"
#include "core/tags/digit_tag.h"
#include "core/tags/message_tag.h"
#include "core/tags/tag.h"
#include "core/tags/tag_resources.h"
#include "core/tags/two_image_tag.h"

#include "util/archive.h"

#include <QPaintEngine>
#include <QPainter>

#include <cstring>

namespace ui {

void CFingerprint::addBytes(const void *data, std::size_t size)
{
    // Eight bytes a step: the sum runs over every tag at every paint.
    const auto *bytes = static_cast<const unsigned char *>(data);
    std::size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes + i, 8);
        m_hash = (m_hash ^ word) * 0x9E3779B97F4A7C15ULL;
        m_hash ^= m_hash >> 32;
    }
    for (; i < size; ++i) {
        m_hash ^= bytes[i];
        m_hash *= 1099511628211ULL;
    }
}

void addTagFace(CFingerprint &sum, const core::CTag &tag)
{
    util::CArchive ar;
    // Storing only reads the tag; Serialize is one function for both directions.
    const_cast<core::CTag &>(tag).Serialize(ar);
    sum.add(ar.buffer().size());
    sum.addBytes(ar.buffer().data(), ar.buffer().size());
    const core::CRect r = tag.Rect();
    sum.add(r.left);
    sum.add(r.top);
    sum.add(r.right);
    sum.add(r.bottom);
    sum.add(tag.IsLocked());
    sum.add(tag.Resources().panelLangId);
    sum.add(tag.Resources().resourceLangId);
    sum.add(tag.Resources().images);
    if (const auto *t = dynamic_cast<const core::CDigitTag *>(&tag))
        sum.addText(t->Sample());
    else if (const auto *t = dynamic_cast<const core::CMessageTag *>(&tag))
        sum.addText(t->ShownText());
    else if (const auto *t = dynamic_cast<const core::CClockTag *>(&tag))
        sum.addText(t->SampleText());
    else if (const auto *t = dynamic_cast<const core::CTwoImageTag *>(&tag))
        sum.add(t->DisplayState());
}

bool CCanvasPictureCache::paint(QPainter &p, const QRect &rect, QSize size, std::uint64_t key,
                                const std::function<void(QPainter &, const QRect &)> &draw)
{
    QPaintEngine *engine = p.paintEngine();
    QPaintDevice *device = engine ? engine->paintDevice() : nullptr;
    if (!device || device->devType() != QInternal::Image || device->devicePixelRatio() != 1.0
        || !p.transform().isIdentity())
        return false;
    // The picture has the target's format, so that what is drawn into it (the XOR marks too)
    // comes out as it would straight on the target.
    const QImage::Format format = static_cast<const QImage *>(device)->format();
    if (m_image.size() != size || m_image.format() != format) {
        m_image = QImage(size, format);
        m_drawn = QRegion();
    }
    if (m_key != key) {
        m_key = key;
        m_drawn = QRegion();
    }
    const QRegion missing = QRegion(rect) - m_drawn;
    if (!missing.isEmpty()) {
        const QRect clip = missing.boundingRect();
        QPainter picture(&m_image);
        picture.setClipRect(clip);
        draw(picture, clip);
        m_drawn += clip;
        ++m_draws;
    }
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(rect, m_image, rect);
    p.restore();
    return true;
}

void CCanvasPictureCache::clear()
{
    m_drawn = QRegion();
    m_image = QImage();
}

} // namespace ui

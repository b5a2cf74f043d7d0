#pragma once

// The painted panel of a canvas kept between paints. Most repaints show a picture that has not
// changed (a band dragged over it, a window uncovered, a neighbour's selection changing): the
// picture is drawn once for a key that sums up everything it shows and copied from then on,
// until the key changes. Only the parts a paint asks for are drawn, so that a small change
// still costs a small repaint.

#include <QImage>
#include <QRegion>

#include <cstdint>
#include <functional>
#include <string_view>

class QPainter;
class QRect;

namespace core {
class CTag;
} // namespace core

namespace ui {

// A 64-bit sum over the values fed to it (multiply and shift per word, FNV-1a for the rest).
class CFingerprint
{
public:
    void addBytes(const void *data, std::size_t size);
    void addText(std::string_view text)
    {
        add(text.size());
        addBytes(text.data(), text.size());
    }
    template<class T>
    void add(const T &value)
    {
        static_assert(std::is_trivially_copyable_v<T>);
        addBytes(&value, sizeof value);
    }
    std::uint64_t value() const { return m_hash; }

private:
    std::uint64_t m_hash = 14695981039346656037ULL;
};

// Everything of a tag its face is drawn from: its stored fields, rectangle and lock, and what it
// shows that is not stored (the sample of a numeric or clock tag, the current text of a message,
// the state a button or lamp is shown in).
void addTagFace(CFingerprint &sum, const core::CTag &tag);

class CCanvasPictureCache
{
public:
    // Copies `rect` of the picture for `key` onto `p`. What of `rect` was not drawn for this key,
    // size and target pixel format yet is drawn first with `draw` (given the clip to fill).
    // False when the target takes no copy (not a raster image at one device pixel per pixel):
    // then the caller paints itself.
    bool paint(QPainter &p, const QRect &rect, QSize size, std::uint64_t key,
               const std::function<void(QPainter &, const QRect &)> &draw);
    // Forgets the picture (the next paint draws it afresh).
    void clear();
    // How many times a part of the picture was drawn: the number the cache saves on.
    int drawCount() const { return m_draws; }

private:
    QImage m_image;
    std::uint64_t m_key = 0;
    QRegion m_drawn; // the part of m_image drawn for m_key
    int m_draws = 0;
};

} // namespace ui

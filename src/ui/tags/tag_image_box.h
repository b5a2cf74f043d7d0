#pragma once

// A picture button of the tag property dialogs: it shows one image of the project (black on
// white, scaled to fit) or "No\nBmp" when the project holds no such image, names the number in
// its tool tip and accessible name, and asks for another image when clicked.

#include <QPushButton>

#include <cstdint>

namespace core {
class CImgResMgr;
}

namespace ui {

class CTagImageBox : public QPushButton
{
    Q_OBJECT
public:
    // `name` says which image the box is for ("OFF", "1", ...); it leads the accessible name.
    // `images` are the project's.
    CTagImageBox(const QString &name, const core::CImgResMgr *images, QWidget *parent = nullptr);

    // Shows `number` as the project's image manager holds it now.
    void setImage(std::uint16_t number);
    std::uint16_t image() const { return m_number; }
    // Whether the project holds the image (otherwise the box shows "No\nBmp").
    bool hasPicture() const { return !icon().isNull(); }

signals:
    // The user wants another image in place of `current`.
    void pickRequested(std::uint16_t current);

private:
    QString m_name;
    const core::CImgResMgr *m_images = nullptr;
    std::uint16_t m_number = 0xFFFF;
};

} // namespace ui

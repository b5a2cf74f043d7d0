#include "ui/tags/image_tag_dialog.h"

#include "ui/tags/tag_image_box.h"

#include <QCheckBox>

namespace ui {

CTagImageBox *CImageTagDialog::makeImageBox(const QString &name, ImageTaker take)
{
    auto *box = new CTagImageBox(name, context().images, this);
    box->setEnabled(canChooseImages());
    connect(box, &CTagImageBox::pickRequested, this,
            [this, take = std::move(take)](std::uint16_t current) { pickImage(current, take); });
    return box;
}

void CImageTagDialog::pickImage(std::uint16_t current, const ImageTaker &take)
{
    const std::optional<std::uint16_t> chosen = chooseImage(current);
    if (chosen)
        edit([&] { take(*chosen); });
}

QCheckBox *CImageTagDialog::makeCheck(const QString &text, std::function<void(bool)> set)
{
    auto *box = new QCheckBox(text, this);
    connect(box, &QCheckBox::toggled, this,
            [this, set = std::move(set)](bool on) { edit([&] { set(on); }); });
    return box;
}

} // namespace ui

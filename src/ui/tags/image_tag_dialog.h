#pragma once

// The base of the property dialogs of the image-showing tags (lamp, button, image, rotation,
// moving): picture boxes that open the image library and hand its choice to the presenter, and
// the check boxes wired to one presenter setter each.

#include "ui/tags/tag_prop_dialog.h"

#include <cstdint>
#include <functional>

class QCheckBox;

namespace ui {

class CTagImageBox;

class CImageTagDialog : public CTagPropDialog
{
    Q_OBJECT
public:
    using CTagPropDialog::CTagPropDialog;

protected:
    // Takes the library's choice; false when the presenter refused or ignored it.
    using ImageTaker = std::function<bool(std::uint32_t number)>;

    // Whether the image library can be opened (picture boxes are disabled otherwise).
    bool canChooseImages() const { return bool(context().chooseImage); }
    // A picture box named `name` whose click opens the image library on its image and hands
    // the chosen number to `take`; the canvas repaints after it.
    CTagImageBox *makeImageBox(const QString &name, ImageTaker take);
    // Opens the image library on `current` and hands its choice to `take`.
    void pickImage(std::uint16_t current, const ImageTaker &take);
    // A check box whose toggling is one change of the tag through `set`.
    QCheckBox *makeCheck(const QString &text, std::function<void(bool)> set);
};

} // namespace ui

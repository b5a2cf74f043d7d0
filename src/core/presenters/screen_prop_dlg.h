#pragma once

// The logic of the screen property dialog ("화면 속성"). Every field acts on the screen at once, so
// the project window and the view's caption follow while the dialog is open; anything but OK puts
// the screen back as it was. A refused entry is put back to the screen's value.

#include "core/presenters/function_prompt.h"

#include <cstdint>
#include <string>
#include <vector>

namespace core {

class CDorvaneDoc;
class CScreenData;

// The fields the dialog changes, as one value (the undo step swaps two of them).
struct ScreenProps
{
    std::uint16_t number = 0;
    std::string name; // panel code page
    std::uint16_t prev = 0;
    std::uint16_t next = 0;
    std::uint16_t background = 65535;
    bool backgroundOn = false;
    bool passwordOn = false;

    bool operator==(const ScreenProps &) const = default;
    static ScreenProps Of(const CScreenData &screen);
};

// Puts `to` onto the screen that carries `from`'s number; false when it cannot be renumbered.
bool ApplyScreenProps(CDorvaneDoc &doc, const ScreenProps &from, const ScreenProps &to);

class CScreenPropDlg
{
public:
    // Texts are UTF-8 here; the screen stores its name in the panel code page.
    CScreenPropDlg(CDorvaneDoc &doc, CScreenData &screen, std::uint16_t panelLangId,
                   CFunctionPrompt &prompt);

    std::string Name() const;
    int Number() const;
    int Prev() const;
    int Next() const;
    bool BackgroundOn() const;
    bool PasswordOn() const;
    // Width and height of the background image, 0 x 0 without one.
    int BackgroundWidth() const;
    int BackgroundHeight() const;

    // Each returns true when the screen changed. A name the document refuses, a number or a
    // neighbour above 999 are put back silently; a number another screen has gets 52603.
    bool SetName(const std::string &utf8);
    bool SetNumber(int number);
    bool SetPrev(int number);
    bool SetNext(int number);
    bool SetBackgroundOn(bool on);
    bool SetPasswordOn(bool on);
    // The background image chosen in the image library. An image the project lacks is loaded
    // from the library first; a file that does not load (51813, 51814) or does not fit into the
    // image area (52302) keeps the old image. A number outside the library's categories clears
    // the background. A new image switches the background on.
    bool SetBackgroundImage(std::uint16_t number);

    // The screen as the dialog found it, and as it is now.
    const ScreenProps &Before() const { return m_before; }
    ScreenProps Now() const;
    // OK: keeps the screen as it is, and drops the images loaded for a choice made again
    // before OK (the image the screen had before stays, for undo).
    void Ok();
    // Puts the screen back as the dialog found it (anything but OK), and drops the images it
    // loaded that nothing refers to any more.
    void Cancel();

private:
    CDorvaneDoc &m_doc;
    CScreenData &m_screen;
    std::uint16_t m_langId;
    CFunctionPrompt &m_prompt;
    void DropLoadedImages();

    ScreenProps m_before;
    std::vector<std::uint16_t> m_loaded; // images this dialog added to the project
};

} // namespace core

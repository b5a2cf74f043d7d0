#pragma once

// The screen property dialog's changes as one undo step: number, name, neighbours, background
// and password, from the state before the dialog to the state it was confirmed with.

#include <QUndoCommand>

#include <cstdint>
#include <string>

namespace core {
class CScreenData;
}

namespace ui {

class CScreenHost;

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

    static ScreenProps of(const core::CScreenData &screen);
};

class CScreenPropsCommand : public QUndoCommand
{
public:
    // The screen shows `after` already.
    CScreenPropsCommand(CScreenHost &host, ScreenProps before, ScreenProps after);

    void undo() override;
    void redo() override;

    // Puts `to` onto the screen that currently carries `from`'s number.
    static bool apply(CScreenHost &host, const ScreenProps &from, const ScreenProps &to);

private:
    CScreenHost &m_host;
    ScreenProps m_before;
    ScreenProps m_after;
    bool m_done = true;
};

} // namespace ui

#pragma once

// One undo step for a function-key change: the eight keys of every screen and the sharing flags
// before and after (a shared key changes every screen at once).

#include "core/model/dorvane_doc.h"

#include <QUndoCommand>

#include <map>
#include <vector>

namespace ui {

class CFunctionKeysCommand : public QUndoCommand
{
public:
    struct Keys
    {
        std::map<std::uint16_t, std::vector<core::FunctionKeyRecord>> screens;
        std::vector<bool> shared;
    };
    static Keys Capture(const core::CDorvaneDoc &doc);

    CFunctionKeysCommand(core::CDorvaneDoc &doc, Keys before, Keys after, const QString &text);
    void undo() override { apply(m_before); }
    void redo() override { apply(m_after); }

private:
    void apply(const Keys &keys);

    core::CDorvaneDoc &m_doc;
    Keys m_before, m_after;
};

} // namespace ui

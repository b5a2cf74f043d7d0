#pragma once

// Locking or unlocking tags as one undo step; each tag gets its own old flag back on undo.

#include <QUndoCommand>

#include <vector>

namespace core {
class CTag;
}

namespace ui {

class CLockTagsCommand : public QUndoCommand
{
public:
    CLockTagsCommand(std::vector<core::CTag *> tags, bool lock, const QString &text,
                     QUndoCommand *parent = nullptr);

    void undo() override;
    void redo() override;

private:
    std::vector<core::CTag *> m_tags;
    std::vector<bool> m_old;
    bool m_lock;
};

} // namespace ui

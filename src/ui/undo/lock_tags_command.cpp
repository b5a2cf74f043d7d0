#include "ui/undo/lock_tags_command.h"

#include "core/tags/tag.h"

namespace ui {

CLockTagsCommand::CLockTagsCommand(std::vector<core::CTag *> tags, bool lock, const QString &text,
                                   QUndoCommand *parent)
    : QUndoCommand(text, parent)
    , m_tags(std::move(tags))
    , m_lock(lock)
{
    for (const core::CTag *tag : m_tags)
        m_old.push_back(tag->IsLocked());
}

void CLockTagsCommand::undo()
{
    for (std::size_t i = 0; i < m_tags.size(); ++i)
        m_tags[i]->SetLocked(m_old[i]);
}

void CLockTagsCommand::redo()
{
    for (core::CTag *tag : m_tags)
        tag->SetLocked(m_lock);
}

} // namespace ui

#include "ui/undo/change_tags_command.h"

#include "core/tags/tag.h"
#include "core/tags/tag_body.h"

#include "util/archive.h"

namespace ui {

CChangeTagsCommand::Snapshots CChangeTagsCommand::snapshot(const std::vector<core::CTag *> &tags)
{
    Snapshots out;
    for (core::CTag *tag : tags) {
        util::CArchive ar;
        tag->Serialize(ar);
        out.push_back(ar.buffer());
    }
    return out;
}

CChangeTagsCommand::CChangeTagsCommand(std::vector<core::CTag *> tags, Snapshots before,
                                       const QString &text, int mergeId, QUndoCommand *parent)
    : QUndoCommand(text, parent)
    , m_tags(std::move(tags))
    , m_before(std::move(before))
    , m_after(snapshot(m_tags))
    , m_mergeId(mergeId)
{ }

void CChangeTagsCommand::undo()
{
    restore(m_before);
}

void CChangeTagsCommand::redo()
{
    restore(m_after);
}

bool CChangeTagsCommand::mergeWith(const QUndoCommand *other)
{
    const auto *o = static_cast<const CChangeTagsCommand *>(other);
    if (o->m_tags != m_tags)
        return false;
    m_after = o->m_after;
    return true;
}

void CChangeTagsCommand::restore(const Snapshots &state)
{
    // Through the dialogs' loader, so that image texts keep the image area's total right.
    for (std::size_t i = 0; i < m_tags.size() && i < state.size(); ++i)
        core::loadTagBody(*m_tags[i], state[i]);
}

} // namespace ui

#include "ui/undo/add_remove_tags_command.h"

#include "core/model/screen_data.h"

#include <algorithm>

namespace ui {

CAddRemoveTagsCommand::CAddRemoveTagsCommand(core::CScreenData &screen, Mode mode,
                                             std::vector<core::CTag *> tags, const QString &text,
                                             QUndoCommand *parent)
    : QUndoCommand(text, parent)
    , m_screen(screen)
    , m_mode(mode)
{
    for (core::CTag *tag : tags)
        m_entries.push_back({tag, nullptr, 0});
}

CAddRemoveTagsCommand::~CAddRemoveTagsCommand() = default;

void CAddRemoveTagsCommand::undo()
{
    m_mode == Mode::Add ? takeOut() : putBack();
}

void CAddRemoveTagsCommand::redo()
{
    m_mode == Mode::Add ? putBack() : takeOut();
}

void CAddRemoveTagsCommand::takeOut()
{
    const auto &tags = m_screen.Tags();
    for (Entry &e : m_entries) {
        if (e.owned)
            continue;
        const auto it = std::find_if(tags.begin(), tags.end(),
                                     [&](const auto &p) { return p.get() == e.tag; });
        e.index = std::size_t(it - tags.begin());
    }
    // From the back, so the recorded places stay valid.
    std::vector<Entry *> order;
    for (Entry &e : m_entries)
        if (!e.owned)
            order.push_back(&e);
    std::sort(order.begin(), order.end(), [](Entry *a, Entry *b) { return a->index > b->index; });
    for (Entry *e : order)
        e->owned = m_screen.TakeTag(e->tag);
}

void CAddRemoveTagsCommand::putBack()
{
    std::vector<Entry *> order;
    for (Entry &e : m_entries)
        if (e.owned)
            order.push_back(&e);
    std::sort(order.begin(), order.end(), [](Entry *a, Entry *b) { return a->index < b->index; });
    for (Entry *e : order) {
        std::unique_ptr<core::CTag> tag = std::move(e->owned);
        core::CTag *raw = tag.get();
        if (m_screen.AddTag(std::move(tag), false) != core::kTagOk)
            continue; // cannot happen in stack order; the tag is then lost with the command
        m_screen.MoveTagToIndex(raw, e->index);
    }
}

} // namespace ui

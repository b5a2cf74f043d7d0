#pragma once

// A change of tags' own fields (moves, resizes, arrange commands) as one undo step: each tag's
// clipboard body before and after the change; undo and redo load the one or the other back into
// the same tag object, so other commands that name the tag stay valid.

#include "util/byte_order.h"

#include <QUndoCommand>

#include <vector>

namespace core {
class CTag;
}

namespace ui {

class CChangeTagsCommand : public QUndoCommand
{
public:
    using Snapshots = std::vector<util::Bytes>;
    static Snapshots snapshot(const std::vector<core::CTag *> &tags);

    // The change has been made already; `before` was taken just before it.
    CChangeTagsCommand(std::vector<core::CTag *> tags, Snapshots before, const QString &text,
                       int mergeId = -1, QUndoCommand *parent = nullptr);

    // True when the change left every tag as it was (then nothing is pushed).
    bool isEmpty() const { return m_before == m_after; }

    void undo() override;
    void redo() override;
    int id() const override { return m_mergeId; }
    bool mergeWith(const QUndoCommand *other) override;

private:
    void restore(const Snapshots &state);

    std::vector<core::CTag *> m_tags;
    Snapshots m_before;
    Snapshots m_after;
    int m_mergeId;
};

} // namespace ui

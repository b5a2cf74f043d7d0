#pragma once

// Adds tags to a screen or removes them, as one undo step. While the tags are off the screen the
// command owns them; each goes back to its old place in the drawing order, and the screen's
// memory total follows (taking a tag gives its bytes back, adding charges them again).

#include <QUndoCommand>

#include <memory>
#include <vector>

namespace core {
class CScreenData;
class CTag;
} // namespace core

namespace ui {

class CAddRemoveTagsCommand : public QUndoCommand
{
public:
    enum class Mode { Add, Remove };
    // Add: the tags are on the screen already (made by a tool, pasted or duplicated), so the first
    // redo changes nothing. Remove: the first redo takes them off.
    CAddRemoveTagsCommand(core::CScreenData &screen, Mode mode, std::vector<core::CTag *> tags,
                          const QString &text, QUndoCommand *parent = nullptr);
    ~CAddRemoveTagsCommand() override;

    void undo() override;
    void redo() override;

private:
    struct Entry
    {
        core::CTag *tag = nullptr;
        std::unique_ptr<core::CTag> owned; // set while the tag is off the screen
        std::size_t index = 0;
    };
    void takeOut();
    void putBack();

    core::CScreenData &m_screen;
    Mode m_mode;
    std::vector<Entry> m_entries;
};

} // namespace ui

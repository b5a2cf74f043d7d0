#pragma once

// A new drawing order of a screen's tags as one undo step.

#include <QUndoCommand>

#include <vector>

namespace core {
class CScreenData;
class CTag;
} // namespace core

namespace ui {

class CZOrderCommand : public QUndoCommand
{
public:
    CZOrderCommand(core::CScreenData &screen, std::vector<core::CTag *> before,
                   std::vector<core::CTag *> after, const QString &text,
                   QUndoCommand *parent = nullptr);

    void undo() override { apply(m_before); }
    void redo() override { apply(m_after); }

private:
    void apply(const std::vector<core::CTag *> &order);

    core::CScreenData &m_screen;
    std::vector<core::CTag *> m_before;
    std::vector<core::CTag *> m_after;
};

} // namespace ui

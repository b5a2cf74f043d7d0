#include "ui/canvas/canvas_actions.h"

#include "ui/canvas/screen_canvas.h"
#include "ui/common/menu_text.h"
#include "ui/common/message_box.h"
#include "ui/undo/add_remove_tags_command.h"
#include "ui/undo/change_tags_command.h"
#include "ui/undo/lock_tags_command.h"
#include "ui/undo/z_order_command.h"

#include "core/editor/selection_rules.h"
#include "core/editor/tag_clipboard.h"
#include "core/editor/z_order.h"
#include "core/model/screen_data.h"

#include "util/message_ids.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include <array>

namespace ui {

namespace {

// What a command needs: a number of selected tags, tags on the screen, or clipboard data.
enum class Needs { Selected1, Selected2, Selected3, AnyTag, Clipboard };

struct CommandRule
{
    CanvasCommand command;
    Needs needs;
};

constexpr std::array kRules{
        CommandRule{CanvasCommand::SelectAll, Needs::AnyTag},
        CommandRule{CanvasCommand::Delete, Needs::Selected1},
        CommandRule{CanvasCommand::Cut, Needs::Selected1},
        CommandRule{CanvasCommand::Copy, Needs::Selected1},
        CommandRule{CanvasCommand::Paste, Needs::Clipboard},
        CommandRule{CanvasCommand::BringToFront, Needs::Selected1},
        CommandRule{CanvasCommand::SendToBack, Needs::Selected1},
        CommandRule{CanvasCommand::LockSelection, Needs::Selected1},
        CommandRule{CanvasCommand::UnlockAll, Needs::AnyTag},
        CommandRule{CanvasCommand::AlignLeft, Needs::Selected2},
        CommandRule{CanvasCommand::AlignRight, Needs::Selected2},
        CommandRule{CanvasCommand::AlignTop, Needs::Selected2},
        CommandRule{CanvasCommand::AlignBottom, Needs::Selected2},
        CommandRule{CanvasCommand::AlignScreenLeft, Needs::Selected1},
        CommandRule{CanvasCommand::AlignScreenRight, Needs::Selected1},
        CommandRule{CanvasCommand::AlignScreenTop, Needs::Selected1},
        CommandRule{CanvasCommand::AlignScreenBottom, Needs::Selected1},
        CommandRule{CanvasCommand::CentreHorizontally, Needs::Selected1},
        CommandRule{CanvasCommand::CentreVertically, Needs::Selected1},
        CommandRule{CanvasCommand::DistributeHorizontally, Needs::Selected3},
        CommandRule{CanvasCommand::DistributeVertically, Needs::Selected3},
};

std::vector<core::CTag *> drawingOrder(const core::CScreenData &screen)
{
    std::vector<core::CTag *> order;
    for (const auto &tag : screen.Tags())
        order.push_back(tag.get());
    return order;
}

} // namespace

std::optional<AlignEdge> alignEdgeOf(CanvasCommand command)
{
    const int first = int(CanvasCommand::AlignLeft);
    const int index = int(command) - first;
    if (index < 0 || index > int(AlignEdge::SpreadV))
        return std::nullopt;
    return AlignEdge(index);
}

CCanvasActions::CCanvasActions(CScreenCanvas &canvas)
    : m_canvas(canvas)
{ }

QString CCanvasActions::mimeType()
{
    return QStringLiteral("application/x-kohmi-tag");
}

QString CCanvasActions::menuText(CanvasCommand command)
{
    using enum CanvasCommand;
    switch (command) {
    case SelectAll:
        return tr("전체선택(&A)");
    case Delete:
        return tr("삭제하기(&D)");
    case Cut:
        return tr("잘라내기(&T)");
    case Copy:
        return tr("복사(&C)");
    case Paste:
        return tr("붙여넣기(&P)");
    case BringToFront:
        return tr("맨 앞으로 가져오기(&F)");
    case SendToBack:
        return tr("맨 뒤로 보내기(&B)");
    case LockSelection:
        return tr("선택된 태그 고정(&L)");
    case UnlockAll:
        return tr("태그 고정 해제");
    case AlignLeft:
        return tr("왼쪽 맞춤(&L)");
    case AlignRight:
        return tr("오른쪽 맞춤(&R)");
    case AlignTop:
        return tr("위쪽 맞춤(&T)");
    case AlignBottom:
        return tr("아래쪽 맞춤(&B)");
    case AlignScreenLeft:
        return tr("화면 왼쪽 맞춤");
    case AlignScreenRight:
        return tr("화면 오른쪽 맞춤");
    case AlignScreenTop:
        return tr("화면 위쪽 맞춤");
    case AlignScreenBottom:
        return tr("화면 아래쪽 맞춤");
    case CentreHorizontally:
        return tr("화면 가로 가운데 맞춤");
    case CentreVertically:
        return tr("화면 세로 가운데 맞춤");
    case DistributeHorizontally:
        return tr("가로 간격을 동일하게");
    case DistributeVertically:
        return tr("세로 간격을 동일하게");
    }
    return {};
}

QString CCanvasActions::undoText(CanvasCommand command)
{
    return withoutMnemonic(menuText(command));
}

bool CCanvasActions::canRun(CanvasCommand command) const
{
    const std::size_t selected = m_canvas.selection().size();
    for (const CommandRule &rule : kRules) {
        if (rule.command != command)
            continue;
        switch (rule.needs) {
        case Needs::Selected1:
            return selected >= 1;
        case Needs::Selected2:
            return selected >= 2;
        case Needs::Selected3:
            return selected >= 3;
        case Needs::AnyTag:
            return m_canvas.screen().TagCount() > 0;
        case Needs::Clipboard: {
            const QMimeData *mime = QApplication::clipboard()->mimeData();
            return mime && mime->hasFormat(mimeType());
        }
        }
    }
    return false;
}

void CCanvasActions::run(CanvasCommand command)
{
    if (const auto edge = alignEdgeOf(command))
        return align(*edge);
    switch (command) {
    case CanvasCommand::SelectAll:
        return selectAll();
    case CanvasCommand::Delete:
        return deleteSelection();
    case CanvasCommand::Cut:
        return cut();
    case CanvasCommand::Copy:
        return copy();
    case CanvasCommand::Paste:
        return paste();
    case CanvasCommand::BringToFront:
        return bringToFront();
    case CanvasCommand::SendToBack:
        return sendToBack();
    case CanvasCommand::LockSelection:
        return lockSelection();
    case CanvasCommand::UnlockAll:
        return unlockAll();
    default:
        return;
    }
}

std::vector<core::CRect> CCanvasActions::selectedRects() const
{
    std::vector<core::CRect> rects;
    for (const core::CTag *tag : m_canvas.selection())
        rects.push_back(tag->Rect());
    return rects;
}

void CCanvasActions::applyRects(const std::vector<core::CRect> &rects, const QString &text)
{
    const std::vector<core::CTag *> tags = m_canvas.selection();
    auto before = CChangeTagsCommand::snapshot(tags);
    for (std::size_t i = 0; i < tags.size() && i < rects.size(); ++i)
        core::editor::moveTagToRect(*tags[i], rects[i]);
    m_canvas.update();
    auto *cmd = new CChangeTagsCommand(tags, std::move(before), text);
    if (cmd->isEmpty())
        delete cmd;
    else
        m_canvas.pushCommand(cmd);
}

void CCanvasActions::align(AlignEdge edge)
{
    using core::editor::Edge;
    const std::size_t selected = m_canvas.selection().size();
    const auto rects = selectedRects();
    switch (edge) {
    case AlignEdge::Left:
    case AlignEdge::Right:
    case AlignEdge::Top:
    case AlignEdge::Bottom: {
        if (selected < 2)
            return;
        static const Edge edges[] = {Edge::Left, Edge::Right, Edge::Top, Edge::Bottom};
        const int i = int(edge) - int(AlignEdge::Left);
        return applyRects(core::editor::alignRects(rects, edges[i]),
                          undoText(CanvasCommand(int(CanvasCommand::AlignLeft) + i)));
    }
    case AlignEdge::ScreenLeft:
    case AlignEdge::ScreenRight:
    case AlignEdge::ScreenTop:
    case AlignEdge::ScreenBottom: {
        static const Edge edges[] = {Edge::Left, Edge::Right, Edge::Top, Edge::Bottom};
        const int i = int(edge) - int(AlignEdge::ScreenLeft);
        return applyRects(core::editor::alignToScreen(rects, edges[i]),
                          undoText(CanvasCommand(int(CanvasCommand::AlignScreenLeft) + i)));
    }
    case AlignEdge::ScreenCentreH:
        return applyRects(core::editor::centreRects(rects, true),
                          undoText(CanvasCommand::CentreHorizontally));
    case AlignEdge::ScreenCentreV:
        return applyRects(core::editor::centreRects(rects, false),
                          undoText(CanvasCommand::CentreVertically));
    case AlignEdge::SpreadH:
    case AlignEdge::SpreadV: {
        if (selected < 3)
            return;
        const bool horizontal = edge == AlignEdge::SpreadH;
        const auto spread = core::editor::distributeRects(rects, horizontal);
        if (!spread)
            return showMessage(&m_canvas, util::msg::kNoRoomToDistribute);
        return applyRects(*spread,
                          undoText(horizontal ? CanvasCommand::DistributeHorizontally
                                              : CanvasCommand::DistributeVertically));
    }
    }
}

void CCanvasActions::bringToFront()
{
    reorder(true);
}

void CCanvasActions::sendToBack()
{
    reorder(false);
}

void CCanvasActions::reorder(bool front)
{
    // The file keeps tags group by group: a tag moves to the front (back) of its own group,
    // and the user is told when that is not in front of (behind) everything.
    const auto before = drawingOrder(m_canvas.screen());
    const auto &selection = m_canvas.selection();
    const auto moved = front ? core::editor::bringToFront(before, selection)
                             : core::editor::sendToBack(before, selection);
    const auto after = core::editor::keptOrder(moved);
    if (after != before)
        m_canvas.pushCommand(new CZOrderCommand(
                m_canvas.screen(), before, after,
                undoText(front ? CanvasCommand::BringToFront : CanvasCommand::SendToBack)));
    if (!core::editor::selectionAtEnd(after, selection, front))
        emit m_canvas.statusMessage(
                front ? tr(
                        "태그 종류의 그리는 순서 때문에 맨 앞으로 가져올 수 없는 태그가 있습니다.")
                      : tr("태그 종류의 그리는 순서 때문에 맨 뒤로 보낼 수 없는 태그가 있습니다."));
    m_canvas.update();
}

void CCanvasActions::selectAll()
{
    for (const auto &tag : m_canvas.screen().Tags())
        m_canvas.select(tag.get(), true);
    m_canvas.setFocus();
}

void CCanvasActions::lockSelection()
{
    if (m_canvas.selection().empty())
        return;
    m_canvas.pushCommand(new CLockTagsCommand(m_canvas.selection(), true,
                                              undoText(CanvasCommand::LockSelection)));
    m_canvas.clearSelection();
}

void CCanvasActions::unlockAll()
{
    std::vector<core::CTag *> locked;
    for (const auto &tag : m_canvas.screen().Tags())
        if (tag->IsLocked())
            locked.push_back(tag.get());
    if (!locked.empty())
        m_canvas.pushCommand(
                new CLockTagsCommand(locked, false, undoText(CanvasCommand::UnlockAll)));
}

void CCanvasActions::deleteSelection()
{
    if (m_canvas.selection().empty())
        return;
    const std::vector<core::CTag *> tags = m_canvas.selection();
    m_canvas.setSelection({});
    m_canvas.pushCommand(new CAddRemoveTagsCommand(m_canvas.screen(),
                                                   CAddRemoveTagsCommand::Mode::Remove, tags,
                                                   undoText(CanvasCommand::Delete)));
    m_canvas.update();
}

void CCanvasActions::copy()
{
    if (m_canvas.selection().empty())
        return;
    const std::vector<const core::CTag *> tags(m_canvas.selection().begin(),
                                               m_canvas.selection().end());
    const util::Bytes bytes = core::editor::writeTagRecord(m_canvas.screen().Number(), tags);
    auto *mime = new QMimeData;
    mime->setData(
            mimeType(),
            QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size())));
    QApplication::clipboard()->setMimeData(mime);
}

void CCanvasActions::cut()
{
    copy();
    deleteSelection();
}

void CCanvasActions::paste()
{
    const QMimeData *mime = QApplication::clipboard()->mimeData();
    if (!mime || !mime->hasFormat(mimeType()))
        return;
    const QByteArray data = mime->data(mimeType());
    auto record = core::editor::readTagRecord(
            util::ConstByteSpan(reinterpret_cast<const std::uint8_t *>(data.constData()),
                                std::size_t(data.size())),
            &m_canvas.screen().Resources());
    if (!record)
        return;
    m_canvas.clearSelection();
    core::CScreenData &screen = m_canvas.screen();
    std::vector<core::CTag *> added;
    for (auto &tag : record->tags) {
        core::CTag *raw = tag.get();
        const auto result = screen.AddTag(std::move(tag), false);
        if (result != core::kTagOk) {
            for (const core::CTag *t : added)
                screen.TakeTag(t);
            m_canvas.update();
            showMessage(&m_canvas, core::tagRefusalMessage(result));
            return;
        }
        if (record->sourceScreen == screen.Number())
            core::editor::applyPasteOffset(*raw);
        raw->UpdateRect();
        added.push_back(raw);
    }
    if (added.empty())
        return;
    m_canvas.pushCommand(new CAddRemoveTagsCommand(screen, CAddRemoveTagsCommand::Mode::Add, added,
                                                   undoText(CanvasCommand::Paste)));
    m_canvas.setSelection(added);
}

} // namespace ui

#include "ui/undo/function_keys_command.h"

namespace ui {

CFunctionKeysCommand::Keys CFunctionKeysCommand::Capture(const core::CDorvaneDoc &doc)
{
    Keys keys;
    for (const auto &screen : doc.Screens()) {
        auto &list = keys.screens[screen->Number()];
        for (std::size_t k = 0; k < core::kFunctionKeyCount; ++k)
            list.push_back(screen->FunctionKey(k));
    }
    for (std::size_t k = 0; k < core::kFunctionKeyCount; ++k)
        keys.shared.push_back(doc.IsCommonKey(k));
    return keys;
}

CFunctionKeysCommand::CFunctionKeysCommand(core::CDorvaneDoc &doc, Keys before, Keys after,
                                           const QString &text)
    : QUndoCommand(text)
    , m_doc(doc)
    , m_before(std::move(before))
    , m_after(std::move(after))
{ }

void CFunctionKeysCommand::apply(const Keys &keys)
{
    for (const auto &[number, list] : keys.screens)
        if (auto *screen = m_doc.FindScreen(number))
            for (std::size_t k = 0; k < list.size() && k < core::kFunctionKeyCount; ++k)
                screen->FunctionKey(k) = list[k];
    for (std::size_t k = 0; k < keys.shared.size(); ++k)
        m_doc.SetCommonKey(k, keys.shared[k]);
}

} // namespace ui

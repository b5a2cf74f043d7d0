#pragma once

// The core presenters' prompt, answered with the editor's message boxes.

#include "core/presenters/function_prompt.h"

class QWidget;

namespace ui {

class CQtPrompt : public core::CFunctionPrompt
{
public:
    explicit CQtPrompt(QWidget *parent = nullptr)
        : m_parent(parent)
    { }
    void ShowMessage(int id, const std::string &text) override;
    bool AskYesNo(int id, const std::string &text) override;

private:
    QWidget *m_parent;
};

} // namespace ui

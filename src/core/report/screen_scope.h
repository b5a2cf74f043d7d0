#pragma once

// Which screens a print or export covers: the open one, all of them, or a list such as "0,2-5".
// Shared by the report's set-up window and the picture export window.

#include "core/presenters/function_env.h"

#include <cstdint>
#include <string>
#include <vector>

namespace core {

class CDorvaneDoc;

// The numbers of the project's screens, in order.
std::vector<std::uint16_t> screenNumbers(const CDorvaneDoc &doc);

class CScreenScope
{
public:
    enum Scope { kCurrent, kAll, kList };

    // `screens` of the project in order; `current` the open screen, or -1 without one. The scope
    // starts at the open screen when there is one.
    CScreenScope(std::vector<std::uint16_t> screens, int current);

    bool HasCurrent() const { return m_current >= 0; }
    Scope GetScope() const { return m_scope; }
    // The open screen cannot be chosen without one: all screens instead.
    void SetScope(Scope scope) { m_scope = scope == kCurrent && !HasCurrent() ? kAll : scope; }
    const std::string &ListText() const { return m_list; }
    void SetListText(std::string text) { m_list = std::move(text); }

    // The chosen screens in `out`; false (after 52601) when the list does not read or names a
    // number that is not a screen of the project.
    bool Choose(const FunctionEnv &env, std::vector<std::uint16_t> &out) const;

private:
    std::vector<std::uint16_t> m_screens;
    int m_current;
    Scope m_scope;
    std::string m_list;
};

} // namespace core

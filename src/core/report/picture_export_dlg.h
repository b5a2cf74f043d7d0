#pragma once

// The logic of the picture export window: which screens (the open one, all, or a list such as
// "0,2-5"), the format (PNG or SVG), the look (as the editor draws it, or the bare display in
// black and white) with its integer scale, and the folder the files go to, one file a screen.

#include "core/presenters/function_env.h"
#include "core/report/screen_scope.h"

#include <cstdint>
#include <string>
#include <vector>

namespace core {

class CPictureExportDlg
{
public:
    using Scope = CScreenScope::Scope;
    static constexpr Scope kCurrent = CScreenScope::kCurrent;
    static constexpr Scope kAll = CScreenScope::kAll;
    static constexpr Scope kList = CScreenScope::kList;
    enum Format { kPng, kSvg };
    static constexpr int kMinScale = 1;
    static constexpr int kMaxScale = 16;

    // `screens` of the project in order; `current` the open screen, or -1 without one.
    CPictureExportDlg(const FunctionEnv &env, std::vector<std::uint16_t> screens, int current);

    CScreenScope &ScreenScope() { return m_scope; }
    bool HasCurrent() const { return m_scope.HasCurrent(); }
    Scope GetScope() const { return m_scope.GetScope(); }
    void SetScope(Scope scope) { m_scope.SetScope(scope); }
    const std::string &ListText() const { return m_scope.ListText(); }
    void SetListText(std::string text) { m_scope.SetListText(std::move(text)); }
    Format GetFormat() const { return m_format; }
    void SetFormat(Format format) { m_format = format; }
    bool Bare() const { return m_bare; }
    void SetBare(bool bare) { m_bare = bare; }
    int Scale() const { return m_scale; }
    void SetScale(int scale);
    const std::string &Folder() const { return m_folder; }
    void SetFolder(std::string folder) { m_folder = std::move(folder); }

    // OK's checks: a folder (51810) and a list that reads and names screens of the project
    // (52601). The chosen screens afterwards in Chosen().
    bool Ok();
    const std::vector<std::uint16_t> &Chosen() const { return m_chosen; }

    // "screen_007.png" and the like.
    static std::string FileName(std::uint16_t screen, Format format);

private:
    FunctionEnv m_env;
    CScreenScope m_scope;
    Format m_format = kPng;
    bool m_bare = false;
    int m_scale = 1;
    std::string m_folder;
    std::vector<std::uint16_t> m_chosen;
};

} // namespace core

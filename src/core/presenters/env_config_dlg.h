#pragma once

// The logic of the options dialog ("옵션"): the six editor colours (COLORREF values), the
// auto-save interval and the program resource language. Apply stores the colours and, when
// another language was chosen, LoadResource, and says that the language takes effect at the next
// start (50900); the caller applies the interval.

#include "core/app/app_config.h"
#include "core/presenters/function_prompt.h"

#include "util/message_ids.h"

#include <cstdint>
#include <string>
#include <vector>

namespace core {

class CEnvConfigDlg
{
public:
    static constexpr int kMsgRestart = util::msg::kRestartForResources;
    // The colours in the dialog's order.
    enum ColorIndex { kBack, kFill, kGrid, kSelect, kOutline, kFocus, kColorCount };

    explicit CEnvConfigDlg(const CAppConfig &config);

    // 0x00BBGGRR, as APP.INI stores them.
    static std::uint32_t ColorRef(int red, int green, int blue);

    const EditorColors &Colors() const { return m_colors; }
    // An index outside the list reads 0 and changes nothing.
    std::uint32_t Color(int index) const;
    void SetColor(int index, std::uint32_t colorRef);
    // The colour the program starts with when APP.INI names none (0 outside the list); the dialog
    // offers it beside each colour.
    static std::uint32_t DefaultColor(int index);
    bool IsDefaultColor(int index) const { return Color(index) == DefaultColor(index); }
    void ResetColor(int index) { SetColor(index, DefaultColor(index)); }

    int AutoSave() const { return m_autoSave; }
    // Minutes, 0 (off) to kMaxAutoSaveMinutes.
    void SetAutoSave(int minutes);

    // The resource languages by name, and the one chosen (the running one, else the first;
    // -1 when the program folder names none).
    const std::vector<std::string> &LanguageNames() const { return m_languageNames; }
    int Language() const { return m_language; }
    void SetLanguage(int index);

    // Returns whether another language was stored.
    bool Apply(CAppConfig &config, CFunctionPrompt &prompt) const;

private:
    EditorColors m_colors;
    int m_autoSave = 0;
    std::vector<std::string> m_languageNames;
    std::vector<std::uint32_t> m_languageIds;
    int m_language = -1;
};

} // namespace core

#pragma once

// The logic of the report's set-up window, asked before printing, the print preview and the PDF
// export: which screens the report shows (the open one, all, or a list such as "0,2-5") and how
// wide each screen's picture is drawn, as a share of the page's width.

#include "core/presenters/function_env.h"
#include "core/report/screen_scope.h"

#include <cstdint>
#include <vector>

namespace core {

class CReportSetupDlg
{
public:
    static constexpr int kMinPictureWidth = 20; // percent of the printable width
    static constexpr int kMaxPictureWidth = 100;
    static constexpr int kDefaultPictureWidth = 75;

    // `screens` of the project in order; `current` the open screen, or -1 without one. A report
    // starts with every screen, whatever is open.
    CReportSetupDlg(const FunctionEnv &env, std::vector<std::uint16_t> screens, int current);

    CScreenScope &Scope() { return m_scope; }
    const CScreenScope &Scope() const { return m_scope; }
    int PictureWidth() const { return m_pictureWidth; }
    void SetPictureWidth(int percent);
    // The cross-reference as the report's last section; off unless asked for (it is long).
    bool CrossReference() const { return m_crossReference; }
    void SetCrossReference(bool on) { m_crossReference = on; }

    // OK's check: a list that reads and names screens of the project (52601). The chosen screens
    // afterwards in Chosen().
    bool Ok();
    const std::vector<std::uint16_t> &Chosen() const { return m_chosen; }

private:
    FunctionEnv m_env;
    CScreenScope m_scope;
    int m_pictureWidth = kDefaultPictureWidth;
    bool m_crossReference = false;
    std::vector<std::uint16_t> m_chosen;
};

} // namespace core

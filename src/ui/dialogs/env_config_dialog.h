#pragma once

// The options dialog ("옵션"), a view over the core's options presenter: the six editor colours,
// each with a button back to its default, the auto-save interval and the program resource
// language. The frame runs apply() after OK and
// takes the interval.

#include "ui/dialogs/presenter_dialog.h"

#include "core/presenters/env_config_dlg.h"

#include <array>

class QComboBox;
class QPushButton;
class QSpinBox;

namespace ui {

class CEnvConfigDialog : public CPresenterDialog
{
    Q_OBJECT
public:
    explicit CEnvConfigDialog(core::CAppConfig &config, QWidget *parent = nullptr);

    core::CEnvConfigDlg &presenter() { return m_presenter; }
    core::EditorColors colors() const { return m_presenter.Colors(); }
    void setColor(int index, std::uint32_t colorref);
    QPushButton *colorButton(int index) const { return m_buttons.at(std::size_t(index)); }
    // Puts the colour back to the one the program starts with.
    QPushButton *defaultButton(int index) const { return m_defaultButtons.at(std::size_t(index)); }
    QSpinBox *autoSaveSpin() const { return m_autoSave; }
    int autoSaveInterval() const { return m_presenter.AutoSave(); }
    QComboBox *languageCombo() const { return m_language; }
    // Writes the colours and, when another language was chosen, LoadResource with message
    // 50900. Returns whether the language changed.
    bool apply();

protected:
    void refresh() override;

private:
    void build();
    void chooseColor(int index);
    QPushButton *makeDefaultButton(int index, const QString &colorName);

    core::CAppConfig &m_config;
    core::CEnvConfigDlg m_presenter;
    std::array<QPushButton *, core::CEnvConfigDlg::kColorCount> m_buttons{};
    std::array<QPushButton *, core::CEnvConfigDlg::kColorCount> m_defaultButtons{};
    QSpinBox *m_autoSave = nullptr;
    QComboBox *m_language = nullptr;
};

} // namespace ui

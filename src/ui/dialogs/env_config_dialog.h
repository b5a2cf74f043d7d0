#pragma once

// The options dialog ("옵션"): the six editor colours, the auto-save interval and the program
// resource language. OK stores the colours and the language choice; the frame applies the
// interval.

#include "core/app/app_config.h"

#include <QDialog>

#include <array>

class QComboBox;
class QPushButton;
class QSpinBox;

namespace ui {

class CEnvConfigDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CEnvConfigDialog(core::CAppConfig &config, QWidget *parent = nullptr);

    core::EditorColors colors() const { return m_colors; }
    void setColor(int index, std::uint32_t colorref);
    QSpinBox *autoSaveSpin() const { return m_autoSave; }
    int autoSaveInterval() const;
    QComboBox *languageCombo() const { return m_language; }
    // Writes the colours and, when another language was chosen, LoadResource with message
    // 50900. Returns whether the language changed.
    bool apply();

private:
    void chooseColor(int index);
    void showColor(int index);
    std::uint32_t &colorAt(int index);

    core::CAppConfig &m_config;
    core::EditorColors m_colors;
    std::array<QPushButton *, 6> m_buttons{};
    QSpinBox *m_autoSave = nullptr;
    QComboBox *m_language = nullptr;
};

} // namespace ui

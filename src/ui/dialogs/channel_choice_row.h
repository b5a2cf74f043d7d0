#pragma once

// One channel's PLC choice as the PLC type and new-project dialogs show it, over a
// core::CChannelChoice: the combo ("미사용" and the catalogue), "통신설정" (the channel's serial
// settings, live only when the driver lets the user change them) and "결선도" (the wiring
// diagram of the chosen PLC).

#include "core/presenters/channel_choice.h"

#include <QObject>

class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QWidget;

namespace ui {

class CChannelChoiceRow : public QObject
{
    Q_OBJECT
public:
    // Adds label, combo and the two buttons as row `row` of `grid`.
    CChannelChoiceRow(core::CChannelChoice &choice, QWidget *parent, QGridLayout *grid, int row);

    QComboBox *combo() const { return m_combo; }
    QPushButton *settingsButton() const { return m_settings; }
    QPushButton *wiringButton() const { return m_wiring; }

    void refresh();

private:
    void editSettings();
    void showWiring();

    core::CChannelChoice &m_choice;
    QWidget *m_parent;
    QComboBox *m_combo = nullptr;
    QPushButton *m_settings = nullptr;
    QPushButton *m_wiring = nullptr;
};

} // namespace ui

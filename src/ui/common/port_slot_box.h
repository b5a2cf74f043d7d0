#pragma once

// The port slots COM1 to COM8, each shown with the device file it maps to ([comm_ports] of
// APP.INI), and the "포트..." button that lists the serial devices present and maps the chosen
// one (or a typed path, a pseudo-terminal say) to the slot.

#include <QWidget>

#include <functional>

class QComboBox;
class QPushButton;

namespace core {
class CAppConfig;
}

namespace ui {

class CPortSlotBox : public QWidget
{
    Q_OBJECT
public:
    CPortSlotBox(core::CAppConfig &config, int portIndex, QWidget *parent = nullptr);

    QComboBox *combo() const { return m_combo; }
    QPushButton *chooseButton() const { return m_choose; }
    int portIndex() const;
    // Maps the current slot to `device` and shows it (what the chooser's OK does).
    void mapCurrentSlot(const QString &device);

signals:
    void portChanged(int index);

private:
    void choose();
    void fillSlots();

    core::CAppConfig &m_config;
    QComboBox *m_combo = nullptr;
    QPushButton *m_choose = nullptr;
};

} // namespace ui

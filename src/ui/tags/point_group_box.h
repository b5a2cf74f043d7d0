#pragma once

// The device-point group of a tag property dialog over core::CPointGroup: S / Ch1 / Ch2, the
// station list, the address with its entry button and, where the kind has them, Word / Long,
// the signed box and the two limits.

#include "ui/tags/tag_prop_dialog.h"

#include <QGroupBox>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace core {
class CPointGroup;
}

namespace ui {

class CPointGroupBox : public QGroupBox
{
    Q_OBJECT
public:
    enum Part { Channel = 0, Format = 1, Limits = 2 };

    // `parts` is an OR of Format and Limits.
    CPointGroupBox(const QString &title, core::CPointGroup &group, const TagDialogContext &context,
                   int parts, QWidget *parent);

    void refresh();
    void setLimitsEnabled(bool enabled);
    // A second box of the same dialog gives its letters up to the first: its entries are
    // reached with Tab from the first's.
    void dropMnemonics();

    QAbstractButton *channelButton(int channel) const;
    QComboBox *stationBox() const { return m_station; }
    QLineEdit *addressEdit() const { return m_address; }
    QPushButton *addressButton() const { return m_addressButton; }
    QAbstractButton *sizeButton(int dataSize) const;
    QCheckBox *signedBox() const { return m_signed; }
    QLineEdit *minEdit() const { return m_min; }
    QLineEdit *maxEdit() const { return m_max; }
    // A limit was refused in the event being handled (Enter in a limit edit also presses OK).
    bool refusedJustNow() const { return m_refusedJustNow; }

signals:
    // The point changed (the dialog refreshes and the canvas repaints).
    void edited();

private:
    void buildChannel(QWidget *parent, class QFormLayout *form);
    void buildFormat(class QFormLayout *form);
    void buildLimits(class QFormLayout *form);
    void editAddress();
    void takeLimit(QLineEdit *edit, bool minimum);
    template<typename Change>
    void change(Change &&c)
    {
        if (m_refreshing)
            return;
        c();
        emit edited();
    }

    core::CPointGroup &m_group;
    TagDialogContext m_context;
    QButtonGroup *m_channel = nullptr;
    QComboBox *m_station = nullptr;
    QLineEdit *m_address = nullptr;
    QPushButton *m_addressButton = nullptr;
    QButtonGroup *m_size = nullptr;
    QCheckBox *m_signed = nullptr;
    QLineEdit *m_min = nullptr;
    QLineEdit *m_max = nullptr;
    bool m_limitsEnabled = true;
    bool m_refreshing = false;
    bool m_refusedJustNow = false;
};

} // namespace ui

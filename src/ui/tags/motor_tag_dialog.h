#pragma once

// The rotation tag's property dialog ("회전 속성") over core::CMotorTagDlg.

#include "ui/tags/image_tag_dialog.h"

#include "core/presenters/motor_tag_dlg.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace ui {

class CPointGroupBox;
class CTagImageBox;

class CMotorTagDialog : public CImageTagDialog
{
    Q_OBJECT
public:
    CMotorTagDialog(const TagDialogContext &context, core::CMotorTag &tag,
                    QWidget *parent = nullptr);

    core::CMotorTagDlg &presenter() override { return m_presenter; }

    QComboBox *countBox() const { return m_count; }
    QComboBox *directionBox() const { return m_direction; }
    // Slot 0 to 7.
    CTagImageBox *imageBox(std::size_t slot) const { return m_images.at(slot); }
    QCheckBox *enlargeBox() const { return m_enlarge; }
    QCheckBox *inverseBox() const { return m_inverse; }
    QLineEdit *maxRpmEdit() const { return m_maxRpm; }
    CPointGroupBox *pointBox() const { return m_point; }

protected:
    void refresh() override;

private:
    QWidget *buildImages();
    QLayout *buildPoint();
    void takeMaxRpm();

    core::CMotorTagDlg m_presenter;
    QComboBox *m_count = nullptr;
    QComboBox *m_direction = nullptr;
    std::array<CTagImageBox *, core::CMotorTag::kMaxImages> m_images{};
    QCheckBox *m_enlarge = nullptr;
    QCheckBox *m_inverse = nullptr;
    CPointGroupBox *m_point = nullptr;
    QLineEdit *m_maxRpm = nullptr;
};

} // namespace ui

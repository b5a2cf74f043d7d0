#pragma once

// The numeric tag's property dialog ("숫자 속성") over core::CDigitTagDlg.

#include "ui/tags/tag_prop_dialog.h"

#include "core/presenters/digit_tag_dlg.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;

namespace ui {

class CPointGroupBox;

class CDigitTagDialog : public CTagPropDialog
{
    Q_OBJECT
public:
    CDigitTagDialog(const TagDialogContext &context, core::CDigitTag &tag,
                    QWidget *parent = nullptr);

    core::CDigitTagDlg &presenter() override { return m_presenter; }

    QSpinBox *digitsEdit() const { return m_digits; }
    QSpinBox *decimalsEdit() const { return m_decimals; }
    QAbstractButton *baseButton(int base) const;
    QAbstractButton *sizeButton(int dataSize) const;
    QCheckBox *signedBox() const { return m_signed; }
    QCheckBox *writableBox() const { return m_writable; }
    QCheckBox *passwordBox() const { return m_password; }
    QCheckBox *inverseBox() const { return m_inverse; }
    QCheckBox *borderBox() const { return m_border; }
    QCheckBox *zeroFillBox() const { return m_zeroFill; }
    QAbstractButton *fontButton(int font) const;
    CPointGroupBox *pointBox() const { return m_point; }

protected:
    void refresh() override;

private:
    QLayout *buildNumber();
    QLayout *buildLook();

    core::CDigitTagDlg m_presenter;
    QSpinBox *m_digits = nullptr;
    QSpinBox *m_decimals = nullptr;
    QButtonGroup *m_base = nullptr;
    QButtonGroup *m_size = nullptr;
    QCheckBox *m_signed = nullptr;
    QCheckBox *m_writable = nullptr;
    QCheckBox *m_password = nullptr;
    QCheckBox *m_inverse = nullptr;
    QCheckBox *m_border = nullptr;
    QCheckBox *m_zeroFill = nullptr;
    QButtonGroup *m_font = nullptr;
    CPointGroupBox *m_point = nullptr;
};

} // namespace ui

#pragma once

// The picture export window ("그림으로 내보내기"): the screens, the format, the look and scale,
// and the folder. A view over core::CPictureExportDlg; the caller writes the files.

#include "ui/dialogs/presenter_dialog.h"

#include "core/report/picture_export_dlg.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace ui {

class CScreenScopeBox;

class CPictureExportDialog : public CPresenterDialog
{
    Q_OBJECT
public:
    // `current` is the open screen, or -1 without one.
    CPictureExportDialog(const core::CPlcSlots &plcSlots, std::vector<std::uint16_t> screens,
                         int current, QWidget *parent = nullptr);

    core::CPictureExportDlg &presenter() { return m_presenter; }
    QLineEdit *folderEdit() const { return m_folder; }
    QLineEdit *listEdit() const;

protected:
    void refresh() override;
    bool acceptChanges() override;

private:
    void browse();

    core::CPictureExportDlg m_presenter;
    CScreenScopeBox *m_scope = nullptr;
    QComboBox *m_format = nullptr;
    QCheckBox *m_bare = nullptr;
    QSpinBox *m_scale = nullptr;
    QLineEdit *m_folder = nullptr;
};

} // namespace ui

#pragma once

// The new-project dialog ("프로젝트 관리"): PLC of both channels, the panel connection port and
// speed, and the project file name. The rules are the presenter's; OK asks its Ok().

#include "ui/dialogs/presenter_dialog.h"

#include "core/presenters/prj_mgn_dlg.h"

class QComboBox;
class QLineEdit;

namespace ui {

class CChannelChoiceRow;

class CPrjMgnDialog : public CPresenterDialog
{
    Q_OBJECT
public:
    CPrjMgnDialog(core::CAppConfig &config, std::uint16_t panelLanguage, QWidget *parent = nullptr);

    core::CPrjMgnDlg &presenter() { return m_presenter; }
    QLineEdit *fileNameEdit() const { return m_fileName; }
    CChannelChoiceRow &row(int channel) const { return channel == 2 ? *m_row2 : *m_row1; }

public slots:
    void browse();

protected:
    void refresh() override;
    bool acceptChanges() override;

private:
    void build(core::CAppConfig &config);

    core::CPrjMgnDlg m_presenter;
    QComboBox *m_speed = nullptr;
    QLineEdit *m_fileName = nullptr;
    CChannelChoiceRow *m_row1 = nullptr;
    CChannelChoiceRow *m_row2 = nullptr;
};

} // namespace ui

#pragma once

// The new-project dialog ("프로젝트 관리"): PLC of both channels, the panel connection port and
// speed, and the project file name. The rules are the presenter's.

#include "core/presenters/prj_mgn_dlg.h"
#include "ui/common/qt_prompt.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace ui {

class CChannelChoiceRow;

class CPrjMgnDialog : public QDialog
{
    Q_OBJECT
public:
    CPrjMgnDialog(core::CAppConfig &config, std::uint16_t panelLanguage,
                  QWidget *parent = nullptr);

    core::CPrjMgnDlg &presenter() { return m_presenter; }
    QLineEdit *fileNameEdit() const { return m_fileName; }

public slots:
    void accept() override;
    void browse();

    CChannelChoiceRow &row(int channel) const { return channel == 2 ? *m_row2 : *m_row1; }

private:
    CQtPrompt m_prompt;
    core::CPrjMgnDlg m_presenter;
    QLineEdit *m_fileName = nullptr;
    CChannelChoiceRow *m_row1 = nullptr;
    CChannelChoiceRow *m_row2 = nullptr;
};

} // namespace ui

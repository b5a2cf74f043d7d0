#pragma once

// The new-project dialog ("프로젝트 관리"): PLC of both channels, the panel connection port and
// speed, and the project file name. The rules are the presenter's.

#include "core/presenters/prj_mgn_dlg.h"
#include "ui/app/qt_prompt.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace ui {

class CPrjMgnDialog : public QDialog
{
    Q_OBJECT
public:
    CPrjMgnDialog(const core::CAppConfig &config, std::uint16_t panelLanguage,
                  QWidget *parent = nullptr);

    core::CPrjMgnDlg &presenter() { return m_presenter; }
    QLineEdit *fileNameEdit() const { return m_fileName; }

public slots:
    void accept() override;
    void browse();

private:
    QComboBox *channelCombo(int channel);

    CQtPrompt m_prompt;
    core::CPrjMgnDlg m_presenter;
    QLineEdit *m_fileName = nullptr;
};

} // namespace ui

#pragma once

// "Alarm history": the panel's history read into a grid, kept in the project's alarm database,
// searched there and deleted from it. The panel is only read by "Upload"; the database is only
// touched by save, search and delete.

#include "ui/dialogs/presenter_dialog.h"

#include "core/presenters/alarm_hist_dlg.h"

#include <set>

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace comm {
class CCommThread;
class IPanelUi;
} // namespace comm

namespace ui {

class CAlarmHistDialog : public CPresenterDialog
{
    Q_OBJECT
public:
    CAlarmHistDialog(core::CAlarmHistDlg &presenter, comm::CCommThread &link, comm::IPanelUi &ui,
                     QWidget *parent = nullptr);

    QTableWidget *grid() const { return m_grid; }
    QLineEdit *pathEdit() const { return m_path; }
    QPushButton *uploadButton() const { return m_upload; }
    QPushButton *saveButton() const { return m_save; }
    QPushButton *searchButton() const { return m_search; }
    QPushButton *deleteButton() const { return m_delete; }
    QPushButton *fileButton() const { return m_file; }

    // The database file the buttons work on from now on (what "change file" picks).
    void setDatabaseFile(const QString &path);

signals:
    void databaseFileChanged(const QString &path);

protected:
    void refresh() override;

private:
    void build();
    void upload();
    void search();
    void removeSelected();
    void chooseFile();
    std::set<std::size_t> selectedRows() const;

    core::CAlarmHistDlg &m_presenter;
    comm::CCommThread &m_link;
    comm::IPanelUi &m_ui;
    QLineEdit *m_path = nullptr;
    QTableWidget *m_grid = nullptr;
    QPushButton *m_upload = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_search = nullptr;
    QPushButton *m_delete = nullptr;
    QPushButton *m_file = nullptr;
};

} // namespace ui

#pragma once

// One list dialog for the alarms, calculations, block transfers and reservations: a table whose
// columns and cell texts come from the core's list presenter, and Add, Modify and Delete buttons
// (double click and the Delete key too). The presenter works on copies; the caller hands its
// result to the document on OK, as one undo step.

#include "ui/dialogs/presenter_dialog.h"

#include "core/presenters/record_list_dlg.h"

#include <functional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

class QPushButton;
class QTableWidget;

namespace ui {

// What the list dialog asks of a list presenter, whatever its record type.
class CRecordListSource
{
public:
    virtual ~CRecordListSource() = default;
    virtual std::vector<core::ListColumn> Columns() const = 0;
    virtual std::size_t Count() const = 0;
    virtual std::string CellText(std::size_t row, int column) const = 0;
    virtual bool Add() = 0;
    virtual bool DoubleClick(int row) = 0;
    virtual bool Delete(int row) = 0;
};

// The source over one of the core's list presenters; `runEditor` shows the record editor
// modally and says whether it ended with OK.
template<typename List>
class CRecordListSourceOf : public CRecordListSource
{
public:
    using Editor = std::remove_reference_t<decltype(std::declval<List &>().EditorPresenter())>;
    using RunEditor = std::function<bool(Editor &)>;

    CRecordListSourceOf(List &list, RunEditor runEditor)
        : m_list(list)
        , m_run(std::move(runEditor))
    { }

    std::vector<core::ListColumn> Columns() const override { return List::Columns(); }
    std::size_t Count() const override { return m_list.Count(); }
    std::string CellText(std::size_t row, int column) const override
    {
        return m_list.CellText(row, column);
    }
    bool Add() override { return m_list.Add(m_run); }
    bool DoubleClick(int row) override { return m_list.DoubleClick(row, m_run); }
    bool Delete(int row) override { return m_list.Delete(row); }

private:
    List &m_list;
    RunEditor m_run;
};

class CRecordListDialog : public CPresenterDialog
{
    Q_OBJECT
public:
    CRecordListDialog(const QString &title, CRecordListSource &source, QWidget *parent = nullptr);

    QTableWidget *table() const { return m_table; }
    QPushButton *addButton() const { return m_add; }
    QPushButton *modifyButton() const { return m_modify; }
    QPushButton *deleteButton() const { return m_delete; }

public slots:
    void addRecord();
    void modifyRecord();
    void deleteRecord();

protected:
    void refresh() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int selectedRow() const;

    CRecordListSource &m_source;
    QTableWidget *m_table = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_modify = nullptr;
    QPushButton *m_delete = nullptr;
};

} // namespace ui

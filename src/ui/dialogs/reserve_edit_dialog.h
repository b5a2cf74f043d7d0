#pragma once

// The reservation editor ("예약 편집"): the start bit and its condition, the repeat mode with its
// date, weekdays or day of the month, the time, the bit that is set and its value. A view over
// core::CReserveEditDlg, which the reservation list owns; only the controls of the chosen repeat
// mode are shown, and weekly without a weekday keeps the dialog open (51650).

#include "ui/dialogs/presenter_dialog.h"

#include "core/presenters/reserve_edit_dlg.h"

#include <array>

class QButtonGroup;
class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QTimeEdit;

namespace ui {

class CAddrGroupBox;

class CReserveEditDialog : public CPresenterDialog
{
    Q_OBJECT
public:
    CReserveEditDialog(const core::FunctionEnv &env, core::CReserveEditDlg &presenter,
                       QWidget *parent = nullptr);

    CAddrGroupBox *startBox() const { return m_start; }
    // Ids 0 always, 1 while On, 2 while Off.
    QButtonGroup *conditionGroup() const { return m_condition; }
    // Ids 0 once, 1 daily, 2 weekly, 3 monthly.
    QButtonGroup *repeatGroup() const { return m_repeat; }
    QDateEdit *dateEdit() const { return m_date; }
    QCheckBox *weekdayBox(int index) const { return m_weekdays.at(std::size_t(index)); }
    QLineEdit *dayEdit() const { return m_day; }
    QTimeEdit *timeEdit() const { return m_time; }
    CAddrGroupBox *execBox() const { return m_exec; }
    // Ids 0 Off, 1 On.
    QButtonGroup *valueGroup() const { return m_value; }

protected:
    void refresh() override;
    bool acceptChanges() override;

private:
    void build(const core::FunctionEnv &env);
    QWidget *buildRepeat();
    void takeDay();
    void takeDateTime();

    core::CReserveEditDlg &m_presenter;
    CAddrGroupBox *m_start = nullptr;
    QButtonGroup *m_condition = nullptr;
    QButtonGroup *m_repeat = nullptr;
    QLabel *m_dateLabel = nullptr;
    QDateEdit *m_date = nullptr;
    std::array<QCheckBox *, core::CReserveEditDlg::kWeekdays> m_weekdays{};
    QWidget *m_weekdayPanel = nullptr;
    QLabel *m_dayLabel = nullptr;
    QLineEdit *m_day = nullptr;
    QTimeEdit *m_time = nullptr;
    CAddrGroupBox *m_exec = nullptr;
    QButtonGroup *m_value = nullptr;
};

} // namespace ui

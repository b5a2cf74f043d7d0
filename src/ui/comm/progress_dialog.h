#pragma once

// The transfer's progress on the link's worker: one bar per command and an overall bar, the
// bytes moved, the current area, the elapsed time and the rate. The worker's messages arrive
// through queued calls. Stop ends the transfer without waiting on this thread: the worker
// finishes its block and ends the connection by itself.
// A plain QDialog, not a CPresenterDialog: it shows a running transfer and has only Stop, no
// entries for OK/Cancel to accept.

#include "core/comm/comm_cmd.h"
#include "core/comm/progress_model.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include <vector>

class QLabel;
class QProgressBar;
class QPushButton;

namespace comm {
class CCommThread;
class IPanelUi;
} // namespace comm

namespace ui {

class CQueuedNotify;

class CProgressDialog : public QDialog
{
    Q_OBJECT
public:
    CProgressDialog(comm::CCommThread &link, comm::CProgressModel &model, comm::IPanelUi &ui,
                    QWidget *parent = nullptr);
    ~CProgressDialog() override;

    // Starts the list and shows the dialog until it ends.
    comm::ProgressResult run();

    // Bytes moved so far over all commands, and the total as far as it is known.
    quint64 bytesMoved() const;
    quint64 bytesKnown() const;
    QProgressBar *overallBar() const { return m_overall; }
    QProgressBar *commandBar(int index) const { return m_bars.at(std::size_t(index)); }
    QLabel *areaLabel() const { return m_area; }
    QLabel *bytesLabel() const { return m_bytes; }
    QPushButton *stopButton() const { return m_stop; }

protected:
    void reject() override; // Escape stops like the button

private:
    struct Row
    {
        std::uint32_t size = 0;
        std::uint32_t moved = 0;
    };
    void onMessage(const comm::CommMessage &message);
    void onStop();
    void finish();
    void updateFigures();
    QString areaName(int index) const;

    comm::CCommThread &m_link;
    comm::CProgressModel &m_model;
    comm::IPanelUi &m_ui;
    CQueuedNotify *m_notify = nullptr;
    comm::ICommNotify *m_previous = nullptr;
    std::vector<Row> m_rows;
    std::vector<QProgressBar *> m_bars;
    QProgressBar *m_overall = nullptr;
    QLabel *m_area = nullptr;
    QLabel *m_bytes = nullptr;
    QLabel *m_elapsed = nullptr;
    QLabel *m_rate = nullptr;
    QPushButton *m_stop = nullptr;
    QElapsedTimer m_clock;
    QTimer m_tick;
    bool m_started = false;
};

} // namespace ui

#pragma once

// "Downloading...": runs one download on a worker thread and shows its phase, speed and
// progress. The worker reaches the dialog only through queued calls; Stop, Escape and closing
// the window all ask the worker to stop and wait for it, and the dialog closes itself once the
// worker has finished and its messages have been shown.

#include "flash_worker.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <thread>

class QLabel;
class QProgressBar;
class QPushButton;

namespace quillet {

class CDownloadDialog : public QDialog
{
    Q_OBJECT

public:
    using MessageSink = std::function<void(const QString &)>;

    explicit CDownloadDialog(FlashRequest request, QWidget *parent = nullptr);
    ~CDownloadDialog() override;

    // Where the flow's messages go; message boxes unless replaced.
    void setMessageSink(MessageSink sink) { m_sink = std::move(sink); }

    bool running() const { return m_thread.joinable(); }
    bool succeeded() const { return m_succeeded; }
    QString phaseText() const;
    QString speedText() const;
    int progressValue() const;
    QPushButton *stopButton() const { return m_stop; }

public slots:
    void stop();
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    class Bridge;
    void startWorker();
    void onMessage(const QString &text);
    void onFinished(bool ok);
    void finish();

    FlashRequest m_request;
    std::unique_ptr<Bridge> m_bridge;
    std::unique_ptr<CFlashWorker> m_worker;
    std::thread m_thread;
    MessageSink m_sink;
    QLabel *m_phase = nullptr;
    QLabel *m_speed = nullptr;
    QProgressBar *m_bar = nullptr;
    QPushButton *m_stop = nullptr;
    bool m_started = false;
    bool m_showingMessage = false;
    bool m_closePending = false;
    bool m_succeeded = false;
    bool m_done = false;
};

} // namespace quillet

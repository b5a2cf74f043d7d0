#pragma once

// The running panel in a window: its display at a zoom in the panel's colours, the eight keys
// (mouse, or F1-F4 and the arrow keys), the active alarm, the panel clock, and a table of every
// device point the project uses with its value (editable, or moved by a ramp, sine or random
// driver). A scan every 100 ms runs the project's logic and redraws. The editor opens it on the
// open project ("미리보기"); the panel simulator on what a download sent.

#include "core/online/link_settings.h"
#include "core/online/plc_connect_form.h"
#include "core/runtime/panel_glyphs.h"
#include "core/runtime/panel_runtime.h"
#include "core/runtime/screen_renderer.h"
#include "core/runtime/signal_driver.h"

#include "util/byte_order.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <ctime>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class QLabel;
class QPushButton;
class QTableWidget;

namespace core {
class CDorvaneDoc;
class CTag;
} // namespace core

namespace core::online {
class COnlineChannels;
}

namespace ui {

class CPanelDisplay;

class CPanelPreviewWindow : public QWidget
{
    Q_OBJECT
public:
    struct Options
    {
        core::PanelFonts fonts;
        std::uint16_t textLangId = 0x0412; // the panel language's LANGID
        QString title; // after "미리보기 - "
        std::string password; // the panel's password for keys and entries that ask for it
        std::function<std::tm()> clock; // the panel clock; local time when empty
        int zoom = 3;
        QColor back = QColor(38, 73, 9);
        QColor lit = QColor(Qt::white);
    };

    explicit CPanelPreviewWindow(Options options, QWidget *parent = nullptr);
    ~CPanelPreviewWindow() override;

    // Runs `doc` from a restart (null: nothing to run, with `why` shown instead). The document
    // must outlive the window or the next call.
    void setDocument(const core::CDorvaneDoc *doc, const QString &why = {});
    // The project's panel language, as its fonts: how the display draws texts and which code
    // page alarm texts and screen names are read in (before setDocument).
    void setPanelLanguage(core::PanelFonts fonts);
    // The title of a panel running what a download sent (such a project has no file name): the
    // panel, and the project by its initial screen's name (after setPanelLanguage).
    void setPanelTitle(const QString &panel, const core::CDorvaneDoc *doc);
    // The panel's password (the simulator's may be set over the link at any time).
    void setPanelPassword(const std::string &password);
    // The document changed in the editor: the runtime and the device table follow, the memory
    // stays.
    void documentEdited();
    // The alarm history the panel starts with (the simulator's area W).
    void setAlarmHistory(util::Bytes areaW);
    // Called after an alarm went into the history, with the whole area W.
    std::function<void(const util::Bytes &)> historyChanged;

    core::CPanelRuntime *runtime() { return m_runtime.get(); }
    CPanelDisplay *display() const { return m_display; }
    QTableWidget *deviceTable() const { return m_table; }
    QPushButton *keyButton(int key) const { return m_keys.at(std::size_t(key)); }
    QLabel *alarmLabel() const { return m_alarm; }
    // One scan and redraw now (the timer does it every 100 ms).
    void scanNow();

    // --- a real PLC ------------------------------------------------------------------------------
    // Channel 1 or 2 reads and writes a Modbus PLC from now on, also after the document is
    // replaced or edited, until disconnectPlc(); false with `error` (in English) when the channel
    // cannot go online.
    bool connectPlc(int channel, const core::online::LinkEndpoint &endpoint,
                    const core::online::LinkOptions &options, std::string &error);
    void disconnectPlc(int channel);
    bool isPlcConnected(int channel) const;
    core::online::COnlineChannels *online() const { return m_online.get(); }
    // One line per online channel and station: state, last error, scan time, requests.
    QLabel *plcStatusLabel() const { return m_plcStatus; }
    QPushButton *plcConnectButton() const { return m_plcConnect; }
    QPushButton *plcDisconnectButton() const { return m_plcDisconnect; }
    // "PLC 연결": asks how to reach the PLC of a Modbus channel and connects it.
    void openPlcConnect();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    QWidget *makeKeys();
    void pressKey(int key);
    void releaseKey(int key);
    void touch(int x, int y);
    void enterValue(int x, int y);
    void report(core::RuntimeResult result, const core::CTag *tag = nullptr);
    std::tm now() const;
    void fillTable();
    void refreshTable();
    void tableEdited(int row, int column);
    void redraw();
    QWidget *makePlcButtons();
    void goOnline();
    void refreshPlcStatus();

    Options m_options;
    const core::CDorvaneDoc *m_doc = nullptr;
    std::unique_ptr<core::CScreenRenderer> m_renderer;
    std::unique_ptr<core::CPanelRuntime> m_runtime;
    // After the runtime: it lets go of the runtime's memory first.
    std::unique_ptr<core::online::COnlineChannels> m_online;
    struct PlcChoice
    {
        core::online::LinkEndpoint endpoint;
        core::online::LinkOptions options;
    };
    std::map<int, PlcChoice> m_plcChoices; // by channel
    QLabel *m_plcStatus = nullptr;
    QPushButton *m_plcConnect = nullptr;
    QPushButton *m_plcDisconnect = nullptr;
    std::optional<core::online::PlcConnectForm> m_plcForm; // as last connected
    util::Bytes m_history;
    std::map<int, core::CSignalDriver> m_drivers; // by table row
    CPanelDisplay *m_display = nullptr;
    QLabel *m_screen = nullptr;
    QLabel *m_alarm = nullptr;
    QLabel *m_clock = nullptr;
    std::array<QPushButton *, 8> m_keys{};
    QTableWidget *m_table = nullptr;
    QTimer m_timer;
    QElapsedTimer m_running;
    bool m_filling = false;
    bool m_prompted = false; // the runtime asked for the password during the last press
};

} // namespace ui

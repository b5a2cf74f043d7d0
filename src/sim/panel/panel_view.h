#pragma once

// What the simulator shows of the project a download sent: a picture of one screen for scripts
// (--render), and the running panel in a window while the link is served (--show). Both need the
// program folder (fonts, PLC types, drivers), by default the folder of the program itself.

#include "sim/panel/panel_memory.h"
#include "sim/panel/panel_server.h"

#include "core/app/app_services.h"
#include "core/model/dorvane_doc.h"

#include <QObject>
#include <QTimer>
#include <QTranslator>

#include <memory>
#include <string>
#include <vector>

namespace core::online {
class COnlineChannels;
}

namespace ui {
class CPanelPreviewWindow;
}

namespace sim {

struct RenderRequest
{
    std::string areasDir; // G.bin, S.bin, R.bin, C.bin
    int screen = -1;
    std::vector<std::string> sets; // "POINT=VALUE"
    std::string out; // PNG file
    int scale = 1;
    std::string programDir;
    std::vector<std::string> plc; // "CH=..." channels read from a real PLC
};

// Connects each "CH=..." choice of --plc; false with `error` naming the choice that failed.
bool connectPlcs(core::online::COnlineChannels &online, const core::CDorvaneDoc &doc,
                 const std::vector<std::string> &choices, std::string &error);

// 0 written, 1 a project, point or output failure (said on standard error); a point that its
// PLC did not answer is drawn as failed and makes the result 1.
int renderScreen(const RenderRequest &request);

struct ShowOptions
{
    std::string programDir;
    int zoom = 3;
    unsigned baud = 0; // the link's pace (0 unpaced): a download is over after a longer pause
    std::string port; // the pseudo-terminal the link serves, which names the panel
    std::vector<std::string> plc; // "CH=..." channels read from a real PLC
};

// The running panel over the simulator's memory: shows the project the areas hold, and after
// a download (once the areas have been quiet for a moment) restarts with the new one, as a real
// panel does. Alarms the window records go into the memory's history area W, where the link
// reads them.
class CPanelShow : public QObject
{
    Q_OBJECT
public:
    CPanelShow(CPanelMemory &memory, const ShowOptions &options);
    ~CPanelShow() override;

    ui::CPanelPreviewWindow &window() { return *m_window; }
    const core::CDorvaneDoc *document() const { return m_doc.get(); }
    // Reads the areas again now (the poll does it after a download).
    void reload();

private:
    void poll();
    void connectChoices();

    CPanelMemory &m_memory;
    std::vector<std::string> m_plc; // --plc choices, connected again with every project
    core::CAppServices m_app;
    QTranslator m_translator;
    QTranslator m_qtTranslator; // Qt's own buttons in the same language
    QString m_panel;
    std::unique_ptr<core::CDorvaneDoc> m_doc;
    std::unique_ptr<ui::CPanelPreviewWindow> m_window;
    QTimer m_poll;
    std::uint64_t m_shown = ~std::uint64_t(0);
    std::uint64_t m_seen = 0;
    std::uint64_t m_history = 0;
    int m_quiet = 0;
    int m_quietNeeded = 3;
};

// Serves the link on its own thread and runs the window until it is closed.
int showPanel(int argc, char **argv, CPanelMemory &memory, CPanelServer &server,
              const ShowOptions &options);

} // namespace sim

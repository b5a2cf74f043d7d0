#pragma once

// The application object: start-up in its documented order (configuration and catalogues,
// managers, driver slots, panel picture, translation of the resource language, main window),
// and the command line (a project file to open, --grab to render the window to a picture).

#include "core/app/app_services.h"

#include <QImage>
#include <QString>
#include <QTranslator>

#include <memory>
#include <vector>

namespace ui {

class CMainFrame;

class CDorvaneApp
{
public:
    explicit CDorvaneApp(QString programDir);
    ~CDorvaneApp();

    // False when the panel picture cannot be loaded: the program then exits without a message.
    bool start();

    core::CAppServices &services() { return m_services; }
    const QImage &panelPicture() const { return m_picture; }
    CMainFrame *mainFrame() const { return m_frame.get(); }
    bool translationLoaded() const { return m_translated; }

    // The whole program: `args` without the program name. Returns the exit code.
    int run(const QStringList &args);
    // What --help prints.
    static QString usage();
    // Renders the main window (with `project` open when given) into a PNG file.
    // The project of a picture mode: the given file, or a new project.
    bool openForGrab(const QString &project);
    bool grab(const QString &out);

    // --export-pdf and --export-png: the exit status (0 done, 1 failed, 2 bad options).
    int runExport(const QStringList &args);
    // What --export-pdf and --export-png were asked to cover and how.
    struct ExportChoice
    {
        std::vector<std::uint16_t> screens; // empty: every screen
        int scale = 1;
        bool bare = false;
        bool crossReference = false; // the PDF closes with the cross-reference
    };
    int exportProject(bool pdf, const QString &project, const QString &out, ExportChoice choice);

private:
    // Shows the problems the configuration found in the program folder, one message each.
    void reportConfigProblems() const;
    QString m_dir;
    core::CAppServices m_services;
    QImage m_picture;
    QTranslator m_translator;
    // Qt's own texts (button boxes, file dialogs) in the resource language.
    QTranslator m_qtTranslator;
    bool m_translated = false;
    std::unique_ptr<CMainFrame> m_frame;
};

} // namespace ui

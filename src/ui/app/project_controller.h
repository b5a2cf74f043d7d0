#pragma once

// Owns the open project: the document and its undo stack. Project-level operations (new, open,
// save, close; adding, deleting, copying and pasting screens) are carried out here, each change
// as one undo command, and the windows learn what changed through the signals. Questions and
// messages stay with the caller: the operations return what went wrong.

#include "ui/undo/screen_host.h"
#include "ui/undo/undo_sink.h"

#include "util/byte_order.h"

#include <QObject>
#include <QUndoStack>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace core {
class CAppServices;
class CDorvaneDoc;
class CScreenData;
struct NewProjectSettings;
} // namespace core

namespace ui {

class CProjectController : public QObject, public IUndoSink, public IScreenHost
{
    Q_OBJECT
public:
    explicit CProjectController(core::CAppServices &services, QObject *parent = nullptr);
    ~CProjectController() override;

    core::CAppServices &services() const { return m_services; }
    core::CDorvaneDoc *document() const override { return m_doc.get(); }
    QUndoStack *undoStack() const { return m_undo.get(); }
    // The panel language's LANGID: the code page of the project's texts.
    std::uint16_t panelLangId() const;
    // Changed since it was opened or last saved (a new project until its first save): the undo
    // stack's clean state alone.
    bool isModified() const;

    // --- project ----------------------------------------------------------------------------
    // Replaces the open project without asking; false when the document refuses the settings.
    bool newProject(const core::NewProjectSettings &settings);
    // Replaces the open project with the file's; false (the open project kept) when it does not
    // read. The caller checks the file first.
    bool openProject(const std::string &path);
    bool saveProject(const std::string &path, std::string *error);
    void closeProject();
    // An upload rebuilt the open project in place, or brought `created` when none was open: the
    // undo history no longer applies and the project is unsaved.
    void adoptUploaded(std::unique_ptr<core::CDorvaneDoc> created);

    // --- screens: each call is one undo step ------------------------------------------------
    // Adds a screen as the new-screen dialog does (UTF-8 name); 0 or the message to show.
    int addScreen(int number, const std::string &name, std::uint16_t *added = nullptr);
    // A screen the new-screen dialog has just added to the document.
    void screenAdded(const core::CScreenData &screen);
    // Removes the screens (never the last one); false when nothing was removed.
    bool deleteScreens(const std::vector<std::uint16_t> &numbers);
    // The screens in their clipboard form, and the same put onto the system clipboard.
    util::Bytes encodeScreens(const std::vector<std::uint16_t> &numbers) const;
    void copyScreens(const std::vector<std::uint16_t> &numbers) const;
    // Adds the clipboard's screens under free numbers; 0, or the message of the screen that was
    // refused (the ones before it stay).
    int pasteScreens();
    int pasteScreens(util::ConstByteSpan data);

    // Pushes a change that is already made (most commands are built after the fact).
    void push(QUndoCommand *command) override;
    void beginMacro(const QString &text) override;
    void endMacro() override;

    // For the screen commands: a screen is about to leave, the screen list changed.
    void notifyScreenRemoving(std::uint16_t number) override;
    void notifyScreensChanged() override;

    static const char *screenMimeType();

signals:
    // A project was opened, created or closed.
    void documentChanged();
    // Screens were added, removed, renumbered or renamed.
    void screensChanged();
    // The screen's views must go before it leaves the project.
    void screenRemoving(std::uint16_t number);
    void modifiedChanged(bool modified);
    // An undo step was done, undone or redone.
    void changed();

private:
    void start(std::unique_ptr<core::CDorvaneDoc> doc, bool modified);
    // The document's flag and the windows follow the stack's clean state.
    void publishModified();

    core::CAppServices &m_services;
    std::unique_ptr<core::CDorvaneDoc> m_doc;
    std::unique_ptr<QUndoStack> m_undo;
};

} // namespace ui

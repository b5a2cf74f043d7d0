#pragma once

// The dialog gallery: every window of the editor by its class name, opened over the frame's
// open project and filled from it (a tag dialog from the project's first tag of its kind), so
// that the manual's pictures and a reviewer's look come from the real widgets.

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QDialog;

namespace ui {

class CMainFrame;

// An opened gallery dialog with what it works on (prompts, presenters, scratch tags).
struct GalleryDialog
{
    std::shared_ptr<void> keep;
    std::unique_ptr<QDialog> dialog;
};

struct GalleryEntry
{
    QString name; // the class name (a suffix after "-" tells variants apart)
    QString family; // the manual page it belongs to
    std::function<GalleryDialog(CMainFrame &)> open;
};

const std::vector<GalleryEntry> &dialogGallery();
QStringList dialogGalleryNames();

// Renders the named dialog over the frame's project into a PNG file; false (with the reason
// on standard error) for an unknown name or a file that cannot be written.
bool grabDialog(CMainFrame &frame, const QString &name, const QString &out);
// One PNG per gallery dialog into `dir`, named after the dialog.
bool grabDialogs(CMainFrame &frame, const QString &dir);

} // namespace ui

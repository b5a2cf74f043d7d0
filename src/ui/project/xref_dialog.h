#pragma once

// The cross-reference window: every device point of the project with its users and the points
// sharing its memory, then the messages and images the tags show, narrowed by a text, a channel
// and a kind of user. A double click on a user asks (by a signal) for the place it names.
// A plain QDialog, not a CPresenterDialog: it only shows a list built once from the document and
// has no state for OK/Cancel to accept.

#include "core/xref/cross_reference.h"

#include <QDialog>

#include <cstddef>
#include <cstdint>

class QComboBox;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace ui {

class CXrefDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CXrefDialog(const core::CDorvaneDoc &doc, QWidget *parent = nullptr);
    // "태그", "기능 키", "경보", ...: a kind of user as the filters name it.
    static QString userKindName(core::xref::UserKind kind);

    QLineEdit *filterEdit() const { return m_filter; }
    QComboBox *channelBox() const { return m_channel; }
    QComboBox *kindBox() const { return m_kind; }
    QTreeWidget *tree() const { return m_tree; }

signals:
    // A tag by its screen's number and its place in the screen's tag list.
    void openTag(std::uint16_t screen, std::size_t index);
    void openFunctionKey(std::uint16_t screen, int key);
    // A record of an alarm, calculation, transfer or reservation list, or the panel settings.
    void openRecord(core::xref::UserKind kind, std::size_t index);

private:
    void buildControls();
    void fill();
    void addPoint(const core::xref::PointEntry &point);
    void addResources(const QString &title, const QString &prefix,
                      const std::vector<core::xref::ResourceEntry> &list,
                      const std::optional<core::xref::UserKind> &kind);
    static QString sizeText(const core::xref::PointEntry &point);
    core::xref::XrefFilter filter() const;
    void activate(const QTreeWidgetItem *item);

    const core::xref::CCrossReference m_xref;
    QLineEdit *m_filter = nullptr;
    QComboBox *m_channel = nullptr;
    QComboBox *m_kind = nullptr;
    QTreeWidget *m_tree = nullptr;
};

} // namespace ui

#pragma once

// The project window ("프로젝트 창"): a dock with the tree of the project's screens. It shows the
// document and reports what the user asks for; the main frame carries it out.

#include <QDockWidget>
#include <QString>

#include <cstdint>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

namespace core {
class CDorvaneDoc;
}

namespace ui {

class CProjectWindow : public QDockWidget
{
    Q_OBJECT
public:
    explicit CProjectWindow(QWidget *parent = nullptr);

    // Rebuilds the tree from the document (null: empty), keeping the selection where it can.
    void rebuild(const core::CDorvaneDoc *doc, std::uint16_t panelLangId);
    QTreeWidget *tree() const { return m_tree; }
    // Selected screen numbers in tree order.
    std::vector<std::uint16_t> selectedScreens() const;
    void selectScreen(std::uint16_t number);
    bool treeHasFocus() const;
    // The clipboard format of copied screens: the menu's paste is enabled only when it is there.
    void setScreenFormat(const QString &mimeType) { m_screenFormat = mimeType; }

signals:
    void openScreen(std::uint16_t number);
    void screenSelected(std::uint16_t number);
    void deleteRequested();
    void newScreenRequested();
    void cutRequested();
    void copyRequested();
    void pasteRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showContextMenu(const QPoint &pos);

    QTreeWidget *m_tree = nullptr;
    QString m_screenFormat;
};

} // namespace ui

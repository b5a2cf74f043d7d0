#pragma once

// The tag list ("태그 리스트"): one tab per tag kind, each listing the current screen's tags of
// that kind with their position and size, their device points and their look (inverse, border,
// font) where the kind has them. It only displays.
// A plain QDialog, not a CPresenterDialog: a read-only list with a Close button has no presenter
// state to refresh and nothing for OK/Cancel to accept.

#include <QDialog>

#include <cstdint>

class QTabWidget;
class QTableWidget;

namespace core {
class CScreenData;
}

namespace ui {

class CTagListDialog : public QDialog
{
    Q_OBJECT
public:
    // The panel language reads an image text's face name; without it the face is read as
    // CP1252.
    CTagListDialog(const core::CScreenData &screen, std::uint16_t panelLangId,
                   QWidget *parent = nullptr);
    explicit CTagListDialog(const core::CScreenData &screen, QWidget *parent = nullptr);

    QTabWidget *tabs() const { return m_tabs; }
    QTableWidget *table(int kind) const;

private:
    QTabWidget *m_tabs = nullptr;
};

} // namespace ui

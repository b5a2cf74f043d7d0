#pragma once

// The registered-images window ("등록된 이미지"): the project's images eight at a time with a
// scroll bar, and for the clicked image its size, its library and number there, and the screens
// that refer to it. A view over core::CImgViewerDlg. "사용하지 않는 이미지 삭제" removes the images
// no screen refers to, through the caller (one undo step).

#include "ui/dialogs/presenter_dialog.h"

#include "core/presenters/img_viewer_dlg.h"

#include <array>
#include <functional>

class QLabel;
class QPushButton;
class QScrollBar;
class QTreeWidget;

namespace ui {

class CImageLibCell;

class CImgViewerDialog : public CPresenterDialog
{
    Q_OBJECT
public:
    // `removeUnused` takes the unused images out of the project; the button is disabled
    // without it.
    CImgViewerDialog(const core::FunctionEnv &env, const core::CImgResMgr &images,
                     const std::vector<std::unique_ptr<core::CScreenData>> &screens,
                     std::function<void()> removeUnused = {}, QWidget *parent = nullptr);

    core::CImgViewerDlg &presenter() { return *m_presenter; }
    CImageLibCell *cell(int index) const { return m_cells.at(std::size_t(index)); }
    QScrollBar *scrollBar() const { return m_scroll; }
    QLabel *widthLabel() const { return m_width; }
    QLabel *heightLabel() const { return m_height; }
    QLabel *libraryLabel() const { return m_library; }
    QLabel *idLabel() const { return m_id; }
    QTreeWidget *referenceList() const { return m_references; }
    QPushButton *removeUnusedButton() const { return m_removeButton; }

protected:
    void refresh() override;

private:
    void build();
    void removeUnused();

    core::FunctionEnv m_env;
    const core::CImgResMgr &m_images;
    const std::vector<std::unique_ptr<core::CScreenData>> &m_screens;
    std::unique_ptr<core::CImgViewerDlg> m_presenter;
    std::function<void()> m_removeUnused;
    std::array<CImageLibCell *, core::CImgViewerDlg::kCells> m_cells{};
    QScrollBar *m_scroll = nullptr;
    QLabel *m_width = nullptr;
    QLabel *m_height = nullptr;
    QLabel *m_library = nullptr;
    QLabel *m_id = nullptr;
    QTreeWidget *m_references = nullptr;
    QPushButton *m_removeButton = nullptr;
};

} // namespace ui

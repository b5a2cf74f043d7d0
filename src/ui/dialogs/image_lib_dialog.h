#pragma once

// The image library dialog ("이미지 라이브러리"), a view over the core's library presenter: a
// category, eight preview cells in two rows of four with a scroll bar counting rows, and the add
// and delete commands on the library folder. It hands back one image number; the property dialog
// that opened it sets the number and lets the project load the image.

#include "ui/dialogs/presenter_dialog.h"

#include "core/presenters/function_env.h"
#include "core/presenters/image_lib_dlg.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class QComboBox;
class QPushButton;
class QScrollBar;

namespace ui {

class CImageLibCell;

class CImageLibDialog : public CPresenterDialog
{
    Q_OBJECT
public:
    CImageLibDialog(const core::FunctionEnv &env, const std::string &imagesDir,
                    std::uint16_t number, QWidget *parent = nullptr);

    core::CImageLibDlg &presenter() { return m_presenter; }
    // The number OK hands back (65535 without a selected cell).
    std::uint16_t chosenNumber() const { return m_presenter.Ok(); }

    QComboBox *categoryBox() const { return m_category; }
    CImageLibCell *cell(int index) const { return m_cells.at(std::size_t(index)); }
    QScrollBar *scrollBar() const { return m_scroll; }
    QPushButton *addButton() const { return m_add; }
    QPushButton *deleteButton() const { return m_delete; }

public slots:
    void addImage();
    void deleteImage();

protected:
    void refresh() override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void build();
    void scrollAction(int action);
    void focusSelectedCell();

    core::CImageLibDlg m_presenter;
    QComboBox *m_category = nullptr;
    std::array<CImageLibCell *, core::CImageLibDlg::kCells> m_cells{};
    QScrollBar *m_scroll = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_delete = nullptr;
    int m_wheel = 0; // wheel turn not yet worth a row
};

// Opens the image library on `current` and returns the number chosen with OK (65535 when no cell
// was selected), nothing on Cancel. Every property dialog that takes an image calls this.
std::optional<std::uint16_t> chooseLibraryImage(QWidget *parent, const core::FunctionEnv &env,
                                                const std::string &imagesDir,
                                                std::uint16_t current);

using LibraryImageChooser = std::function<std::optional<std::uint16_t>(
        QWidget *parent, const core::FunctionEnv &env, const std::string &imagesDir,
        std::uint16_t current)>;
// Replaces the dialog behind chooseLibraryImage (tests); an empty chooser puts it back.
void setLibraryImageChooser(LibraryImageChooser chooser);

} // namespace ui

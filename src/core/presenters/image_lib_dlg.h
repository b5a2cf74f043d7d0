#pragma once

// The logic of the image library dialog: a category, eight preview cells in two rows of four
// over the category's numbers, a scroll position counted in rows, one selected number, and the
// add and delete commands on the library folder's files.

#include "core/functions/image_category.h"
#include "core/presenters/function_env.h"
#include "core/presenters/image_lib_add_dlg.h"

#include <array>
#include <cstdint>
#include <string>

namespace core {

class CImageLibDlg
{
public:
    static constexpr int kCells = 8;
    static constexpr int kColumns = 4;
    static constexpr int kPage = 2;

    enum class Scroll { LineUp, LineDown, PageUp, PageDown, Top, Bottom, Thumb };

    struct Cell
    {
        bool shown = false; // false beyond the category's last number
        std::uint32_t index = 0; // number within the category (the cell's label)
        std::uint32_t number = 0; // library image number
        std::string path;
        bool selected = false;
    };

    CImageLibDlg(const FunctionEnv &env, std::string imagesDir);

    // Opens on the image number a property dialog passes in.
    void Open(std::uint32_t imageNumber);

    int Category() const { return m_category; }
    void SetCategory(int category);
    static std::vector<std::string> CategoryNames();

    std::uint32_t Rows() const { return ImageCategory::At(m_category).count / kColumns; }
    // Highest scroll position: the last two rows shown.
    std::uint32_t ScrollMax() const { return Rows() > kPage ? Rows() - kPage : 0; }
    std::uint32_t Row() const { return m_row; }
    void OnScroll(Scroll action, std::uint32_t thumb = 0);

    std::array<Cell, kCells> Cells() const;
    // The cell that shows `index` (number within the category), or -1.
    int CellOf(std::uint32_t index) const;
    int SelectedIndex() const { return m_selected; }

    void Click(int cell);
    // Moves the selection by `delta` numbers (arrow keys: 1 across, 4 down), scrolling so that it
    // stays shown; without a selection the first shown cell is selected. Moves beyond the
    // category are ignored.
    void Step(int delta);
    // A double click is a click followed by OK.
    std::uint16_t DoubleClick(int cell);
    // The chosen image number; 65535 without a selected cell.
    std::uint16_t Ok() const;

    // The number the add dialog is opened with: the selected index, else 0.
    std::uint32_t AddProposal() const { return m_selected >= 0 ? std::uint32_t(m_selected) : 0; }
    // The add dialog for the category, proposing the selected number and starting its file
    // dialog from the file chosen last time.
    CImageLibAddDlg MakeAddDialog() const;
    // The same, its messages going to `prompt` (the add dialog's own window).
    CImageLibAddDlg MakeAddDialog(CFunctionPrompt &prompt) const;
    // After the add dialog ended with OK: remembers its file and returns the cell that shows the
    // added number (to be refilled), or -1.
    int AddFinished(const CImageLibAddDlg &add);

    // With a selected number whose file exists, asks 51815 and deletes the file on Yes.
    bool DeleteSelected();

    const std::string &ImagesDir() const { return m_dir; }

private:
    std::uint32_t Base() const { return ImageCategory::At(m_category).base; }

    FunctionEnv m_env;
    std::string m_dir;
    std::uint32_t m_imageNumber = ImageCategory::kNoImage;
    int m_selected = -1;
    int m_category = 0;
    std::uint32_t m_row = 0;
    std::string m_lastAddFile;
};

} // namespace core

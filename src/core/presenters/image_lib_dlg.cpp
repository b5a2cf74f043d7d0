#include "core/presenters/image_lib_dlg.h"

#include "util/file_io.h"
#include "util/message_ids.h"

#include <algorithm>
#include <filesystem>

namespace core {

CImageLibDlg::CImageLibDlg(const FunctionEnv &env, std::string imagesDir)
    : m_env(env)
    , m_dir(std::move(imagesDir))
{ }

void CImageLibDlg::Open(std::uint32_t imageNumber)
{
    m_imageNumber = imageNumber;
    const bool categorised = imageNumber < ImageCategory::kFirstUncategorised;
    const std::uint32_t number = categorised ? imageNumber : 0;
    m_category = std::max(0, ImageCategory::IndexOf(number));
    m_row = 0;
    m_selected = -1;
    if (!categorised)
        return;
    const std::uint32_t rows = Rows();
    std::uint32_t row = (number - Base()) / kColumns;
    // Keep the row among the two shown.
    if (row == 1)
        row = 0;
    else if (row + 1 == rows && rows >= kPage)
        row = rows - kPage;
    m_row = std::min(row, ScrollMax());
    m_selected = int(number - Base());
}

void CImageLibDlg::SetCategory(int category)
{
    if (category < 0 || category >= ImageCategory::kCount)
        return;
    m_category = category;
    m_imageNumber = ImageCategory::kNoImage;
    m_selected = -1;
    m_row = 0;
}

std::vector<std::string> CImageLibDlg::CategoryNames()
{
    std::vector<std::string> names;
    for (int i = 0; i < ImageCategory::kCount; ++i)
        names.push_back(ImageCategory::At(i).Name());
    return names;
}

void CImageLibDlg::OnScroll(Scroll action, std::uint32_t thumb)
{
    std::int64_t row = m_row;
    switch (action) {
    case Scroll::LineUp:
        --row;
        break;
    case Scroll::LineDown:
        ++row;
        break;
    case Scroll::PageUp:
        row -= kPage;
        break;
    case Scroll::PageDown:
        row += kPage;
        break;
    case Scroll::Top:
        row = 0;
        break;
    case Scroll::Bottom:
        row = ScrollMax();
        break;
    case Scroll::Thumb:
        row = thumb;
        break;
    }
    m_row = std::uint32_t(std::clamp<std::int64_t>(row, 0, ScrollMax()));
}

std::array<CImageLibDlg::Cell, CImageLibDlg::kCells> CImageLibDlg::Cells() const
{
    std::array<Cell, kCells> cells;
    const std::uint32_t count = ImageCategory::At(m_category).count;
    for (int i = 0; i < kCells; ++i) {
        Cell &c = cells[std::size_t(i)];
        c.index = m_row * kColumns + std::uint32_t(i);
        if (c.index >= count)
            continue;
        c.shown = true;
        c.number = Base() + c.index;
        c.path = libraryImagePath(m_dir, c.number);
        c.selected = m_selected >= 0 && c.index == std::uint32_t(m_selected);
    }
    return cells;
}

int CImageLibDlg::CellOf(std::uint32_t index) const
{
    const std::uint32_t first = m_row * kColumns;
    return index >= first && index < first + kCells ? int(index - first) : -1;
}

void CImageLibDlg::Click(int cell)
{
    if (cell < 0 || cell >= kCells)
        return;
    const std::uint32_t index = m_row * kColumns + std::uint32_t(cell);
    if (index < ImageCategory::At(m_category).count)
        m_selected = int(index);
}

void CImageLibDlg::Step(int delta)
{
    if (m_selected < 0) {
        Click(0);
        return;
    }
    const std::int64_t target = std::int64_t(m_selected) + delta;
    if (target < 0 || target >= std::int64_t(ImageCategory::At(m_category).count))
        return;
    const std::uint32_t row = std::uint32_t(target) / kColumns;
    if (row < m_row)
        m_row = row;
    else if (row >= m_row + kPage)
        m_row = std::min(row + 1 - kPage, ScrollMax());
    m_selected = int(target);
}

std::uint16_t CImageLibDlg::DoubleClick(int cell)
{
    Click(cell);
    return Ok();
}

std::uint16_t CImageLibDlg::Ok() const
{
    // Without a selection nothing of the category is chosen, whatever category it is.
    if (m_selected < 0)
        return ImageCategory::kNoImage;
    return std::uint16_t(Base() + std::uint32_t(m_selected));
}

CImageLibAddDlg CImageLibDlg::MakeAddDialog() const
{
    return MakeAddDialog(m_env.prompt);
}

CImageLibAddDlg CImageLibDlg::MakeAddDialog(CFunctionPrompt &prompt) const
{
    const ImageCategory &c = ImageCategory::At(m_category);
    const FunctionEnv env{m_env.plcSlots, prompt, m_env.panelLang};
    return CImageLibAddDlg(env, m_dir, c.base, c.count, AddProposal(), m_lastAddFile);
}

int CImageLibDlg::AddFinished(const CImageLibAddDlg &add)
{
    m_lastAddFile = add.LastFile();
    return CellOf(add.Number());
}

bool CImageLibDlg::DeleteSelected()
{
    if (m_selected < 0)
        return false;
    const std::string path = libraryImagePath(m_dir, Base() + std::uint32_t(m_selected));
    if (!util::fileExists(path)
        || !m_env.prompt.AskYesNo(util::msg::kDeleteImage,
                                  std::string(util::messageText(util::msg::kDeleteImage))))
        return false;
    std::error_code ec;
    return std::filesystem::remove(path, ec);
}

} // namespace core

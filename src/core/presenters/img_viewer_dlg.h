#pragma once

// The logic of the registered-images dialog: the project's images in the image table's order,
// eight at a time, and for the clicked image its size, its library and the screens that refer to
// it with their reference counts.

#include "core/presenters/function_env.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace core {

class CImgResMgr;
class CScreenData;

class CImgViewerDlg
{
public:
    static constexpr int kCells = 8;
    static constexpr int kColumns = 4;
    static constexpr int kPage = 2;

    struct Cell
    {
        bool shown = false;
        std::uint16_t id = 0;
        bool selected = false;
    };

    struct Reference
    {
        std::string number; // "%d" of the screen number
        std::string name;
        std::string count;
    };

    struct Info
    {
        std::string width; // empty when the image has no bitmap
        std::string height;
        std::string library; // empty when no category holds the number
        std::string libraryId;
        std::vector<Reference> references;
    };

    CImgViewerDlg(const FunctionEnv &env, const CImgResMgr &images,
                  const std::vector<std::unique_ptr<CScreenData>> &screens);

    static std::vector<std::string> ReferenceColumns();

    // The scroll bar's range as the dialog sets it: 0 to (count / 4) - 1, 0 with fewer than
    // four images.
    std::uint32_t ScrollRangeMax() const;
    // The highest position reachable. It lets the last, incomplete row be shown too: the range
    // alone, with a page of two rows, would leave images beyond a multiple of four out of reach.
    std::uint32_t ScrollMax() const;
    std::uint32_t Position() const { return m_position; }
    void SetPosition(std::int64_t position);

    std::array<Cell, kCells> Cells() const;
    // Selects the cell's image and rebuilds the information; false for an empty cell.
    bool Click(int cell);
    int SelectedImage() const { return m_selected; }
    const Info &Selected() const { return m_info; }

    // How often a screen refers to an image: its background once, plus one per lamp, button,
    // image, rotation or moving tag that shows it.
    static int ReferenceCount(const CScreenData &screen, std::uint16_t id);

private:
    void BuildInfo(std::uint16_t id);

    FunctionEnv m_env;
    const CImgResMgr &m_images;
    const std::vector<std::unique_ptr<CScreenData>> &m_screens;
    std::uint32_t m_position = 0;
    int m_selected = -1;
    Info m_info;
};

} // namespace core

#include "core/presenters/image_lib_add_dlg.h"

#include "core/functions/image_category.h"

#include "util/bmp_file.h"
#include "util/file_io.h"
#include "util/message_ids.h"

#include <algorithm>
#include <filesystem>

namespace core {

CImageLibAddDlg::CImageLibAddDlg(const FunctionEnv &env, std::string imagesDir, std::uint32_t base,
                                 std::uint32_t count, std::uint32_t proposed, std::string lastFile)
    : m_env(env)
    , m_dir(std::move(imagesDir))
    , m_base(base)
    , m_count(count)
    , m_lastFile(std::move(lastFile))
{
    m_number = proposed;
    for (std::uint32_t n = proposed; n < count; ++n)
        if (!Exists(n)) {
            m_number = n;
            return;
        }
    for (std::uint32_t n = 0; n < std::min(proposed, count); ++n)
        if (!Exists(n)) {
            m_number = n;
            return;
        }
}

bool CImageLibAddDlg::Exists(std::uint32_t number) const
{
    return util::fileExists(libraryImagePath(m_dir, m_base + number));
}

void CImageLibAddDlg::SetNumber(std::int64_t number)
{
    // The last number of the category: one more would be the next category's first image.
    const std::int64_t last = m_count > 0 ? std::int64_t(m_count) - 1 : 0;
    m_number = std::uint32_t(std::clamp<std::int64_t>(number, 0, last));
}

bool CImageLibAddDlg::Browsed(const std::string &path)
{
    m_file = path;
    m_lastFile = path;
    return Preview();
}

bool CImageLibAddDlg::Preview()
{
    m_sizeText.clear();
    m_bitmap = util::CMonoBitmap();
    if (m_file.empty()) {
        m_env.Show(util::msg::kNoFileName);
        return false;
    }
    util::BmpReadResult bmp = util::readBmpFile(m_file);
    if (!bmp.ok) {
        m_env.Show(util::msg::kNotBitmapFile);
        return false;
    }
    if (bmp.bitmap.width() > kMaxWidth || bmp.bitmap.height() > kMaxHeight) {
        m_env.Show(util::msg::kImageTooLarge, kMaxWidth, kMaxHeight);
        return false;
    }
    m_bitmap = std::move(bmp.bitmap);
    m_sizeText = util::formatText("( %d x %d )", m_bitmap.width(), m_bitmap.height());
    return true;
}

bool CImageLibAddDlg::Ok()
{
    m_copied = false;
    if (m_file.empty()) {
        m_env.Show(util::msg::kNoFileName);
        return false;
    }
    const std::string target = libraryImagePath(m_dir, TargetNumber());
    if (util::fileExists(target)
        && !m_env.prompt.AskYesNo(util::msg::kImageIdTaken,
                                  std::string(util::messageText(util::msg::kImageIdTaken))))
        return false;
    std::error_code ec;
    if (std::filesystem::equivalent(m_file, target, ec))
        m_copied = true; // the file is already in its place
    else
        m_copied = std::filesystem::copy_file(
                m_file, target, std::filesystem::copy_options::overwrite_existing, ec);
    return true;
}

} // namespace core

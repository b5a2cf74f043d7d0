#pragma once

// The logic of the add-image dialog: a number within the category (proposed as the first free
// one), a source bitmap file with its preview checks, and OK copying the file into the library
// folder, asking first when the number is taken.

#include "core/presenters/function_env.h"

#include "util/mono_bitmap.h"

#include <cstdint>
#include <string>

namespace core {

class CImageLibAddDlg
{
public:
    static constexpr int kMaxWidth = 192;
    static constexpr int kMaxHeight = 64;

    // `lastFile` is the file chosen the previous time ("" for none).
    CImageLibAddDlg(const FunctionEnv &env, std::string imagesDir, std::uint32_t base,
                    std::uint32_t count, std::uint32_t proposed, std::string lastFile = {});

    // The proposal becomes the first number from it upward whose file does not exist, else the
    // first free one below it; with none free it stays.
    std::uint32_t Number() const { return m_number; }
    // The edit and its spin control stop at both ends of the range.
    void SetNumber(std::int64_t number);
    std::uint32_t TargetNumber() const { return m_base + m_number; }
    // How many numbers the category has: the entry takes 0 to Count() - 1.
    std::uint32_t Count() const { return m_count; }

    const std::string &File() const { return m_file; }
    void SetFile(const std::string &path) { m_file = path; }
    // Where the file dialog starts: the previous choice, else the images folder.
    std::string BrowseStart() const { return m_lastFile.empty() ? m_dir : m_lastFile; }
    // A file chosen in the file dialog: remembered, shown and previewed.
    bool Browsed(const std::string &path);

    // Loads the file for the preview: 51810 without a name, 51813 when it is no bitmap, 51814
    // when it is larger than the panel. False after a message.
    bool Preview();
    // "( w x h )" after a successful preview, else empty.
    const std::string &SizeText() const { return m_sizeText; }
    const util::CMonoBitmap &Bitmap() const { return m_bitmap; }

    // False to stay open (51810, or 51811 answered No). Otherwise copies the file over the
    // target; Copied() tells whether that worked.
    bool Ok();
    bool Copied() const { return m_copied; }

    const std::string &LastFile() const { return m_lastFile; }

private:
    bool Exists(std::uint32_t number) const;

    FunctionEnv m_env;
    std::string m_dir;
    std::uint32_t m_base;
    std::uint32_t m_count;
    std::uint32_t m_number = 0;
    std::string m_file;
    std::string m_lastFile;
    std::string m_sizeText;
    util::CMonoBitmap m_bitmap;
    bool m_copied = false;
};

} // namespace core

#pragma once

// Names for the message-table numbers the program refers to in code. The numbers are the table's
// keys (util/messages.h holds the texts); a number used only as data (a caption of a column, a
// combo entry) may stay a number where the table is read in order.

namespace util::msg {

// Lists and limits
inline constexpr int kListFull = 50300; // at most %d entries
// Screens
inline constexpr int kDeleteActiveScreen = 50501; // question
inline constexpr int kDeleteSelectedScreens = 50502;
inline constexpr int kProjectWindowTitle = 50600;
inline constexpr int kRestartForResources = 50900;
inline constexpr int kScreenIdTaken = 52201;
inline constexpr int kIdOutOfRange = 52300;
inline constexpr int kTagLimit = 52301;
inline constexpr int kMemoryFull = 52302;
inline constexpr int kNoRoomToDistribute = 52303;
inline constexpr int kScreenNumberTaken = 52603;
inline constexpr int kNoScreenToEdit = 52604;
// Files
inline constexpr int kFileNotReadable = 52001;
inline constexpr int kFileTooNew = 52002;
// Entries
inline constexpr int kBadAddress = 52350;
inline constexpr int kBadValue = 52601;
inline constexpr int kPlcTypeDiffers = 52103;
inline constexpr int kApplyToAllScreens = 51915;
// Texts of the windows
inline constexpr int kAddressCaption = 51200;
inline constexpr int kZoomFirst = 51700; // 200 %, 100 %, 50 %, fit: 51700-51703
inline constexpr int kZoomLast = 51703;
inline constexpr int kFunctionKeyCaption = 51910;

} // namespace util::msg

#pragma once

// The texts Quillet shows: device names, phase and speed texts and every message of the download
// flows. Kept in one place so the programs, the simulator and the tests agree on them.

#include <array>
#include <string>
#include <string_view>

namespace quillet {

inline constexpr std::string_view kProgramName = "Quillet";
inline constexpr std::string_view kVersionSuffix = "(Version 2.1)...";
inline constexpr std::string_view kAboutCaption = "About Quillet";
inline constexpr std::string_view kAboutText = "Quillet Version 2.1";
inline constexpr std::string_view kAboutMenuText = "Quillet 정보(&A)...";

// The device list, in list order: the position is the device index.
inline constexpr std::array<std::string_view, 4> kDeviceNames
        = {"Velmar Panel", "BR10/BR20/OS6/OS7", "BR12/OS7U", "BR12(E)"};
inline constexpr int kPortCount = 8;

namespace text {
inline constexpr std::string_view PhaseStart = "Download Boot and OS";
inline constexpr std::string_view PhaseBoot = "Downloading BOOT";
inline constexpr std::string_view PhaseOs = "Downloading O/S";

inline constexpr std::string_view OpenFailed = "Can not Open the Communication Port!!.";
inline constexpr std::string_view CannotTransmit = "cannot transmit!!";
inline constexpr std::string_view CannotReceive = "cannot receive!!";
inline constexpr std::string_view Stopped = "Stopped!!";
inline constexpr std::string_view Timeout = "Timeout!!";
inline constexpr std::string_view TimeoutDot = "Timeout!!.";
inline constexpr std::string_view ReceiveDataError = "receive data error!!";
inline constexpr std::string_view SpeedSetupError = "baudrate & frequency setup error!!";
inline constexpr std::string_view ChecksumError = "Checksum error!!";
inline constexpr std::string_view LockError = "commEvent.Lock Error Occur.";
inline constexpr std::string_view NakAscii = "NAK Received from PLC.\nError Code : %02X";
inline constexpr std::string_view NakBinary = "NAK Received from PLC.\r\n\r\n Error code : %02X";
inline constexpr std::string_view BccError = "BCC Error Occur!!.";
inline constexpr std::string_view WrongFrame = "Wrong Frame received from PLC!!.";
inline constexpr std::string_view BootFailed = "failed to download BOOT";
inline constexpr std::string_view EraseFailed = "failed to erase OS Area";
inline constexpr std::string_view OsFailed = "failed to download O/S";
inline constexpr std::string_view OpenFileFailed = "failed to open the file[%s]";
inline constexpr std::string_view BootTooLarge = "boot image larger than 65535 bytes[%s]";
inline constexpr std::string_view FileTooLarge = "file too large for an image[%s]";
inline constexpr std::string_view NoDataRecords = "no S1 or S2 data record in the file[%s]";
inline constexpr std::string_view NoDataInMap
        = "no data for the target's flash memory in the file[%s]";
inline constexpr std::string_view UnknownDevice = "unknown device type";
inline constexpr std::string_view DownloadFailed = "the download failed";
inline constexpr std::string_view CompleteBlocks = "Complete!!!";
inline constexpr std::string_view CompleteFrames = "Complete!!";
inline constexpr std::string_view CannotCreateThread = "cannot create thread";
} // namespace text

// "%d bit/s"
std::string speedText(unsigned speed);
// Replaces the first "%s" of a message with the value.
std::string withPath(std::string_view format, std::string_view path);
// Replaces the first "%02X" of a message with the byte in two upper-case hexadecimal digits.
std::string withCode(std::string_view format, unsigned code);

} // namespace quillet

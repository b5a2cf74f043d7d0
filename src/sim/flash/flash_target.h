#pragma once

// The flash target behind velmar-flash-sim: the microcontroller's boot mode and the loaded boot
// program's block-write protocol (devices 0, 2 and 3), or the PLC loader's frames (device 1).
// Bytes go in one at a time and the answers come out; what was written is kept in memory and,
// with an output folder, in files there before the answer that confirms it is given.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace flashsim {

enum class Fault { None, Echo, Nak, Bcc, Checksum, Silence };
enum class FaultPhase { Boot, Os };

class CFlashTarget
{
public:
    CFlashTarget(int deviceIndex, Fault fault, FaultPhase phase, std::string outDir);
    ~CFlashTarget();
    CFlashTarget(const CFlashTarget &) = delete;
    CFlashTarget &operator=(const CFlashTarget &) = delete;

    // One received byte; the answer (often empty) to send back.
    std::vector<std::uint8_t> feed(std::uint8_t byte);
    // The flow has ended with nothing left to answer.
    bool done() const { return m_done; }

    const std::vector<std::uint8_t> &bootImage() const { return m_boot; }
    const std::vector<std::uint8_t> &flash() const { return m_flash; }

private:
    enum class State {
        Sync,
        Wait55,
        LengthHigh,
        LengthLow,
        BootData,
        SpeedMessage, // boot mode
        Hello,
        Command,
        WriteZero,
        Header,
        PieceStart,
        PieceData,
        CloseStart,
        CloseSum, // block write
        PlcIdle,
        PlcFrame // PLC loader
    };

    std::vector<std::uint8_t> bootMode(std::uint8_t byte);
    std::vector<std::uint8_t> blockWrite(std::uint8_t byte);
    std::vector<std::uint8_t> plc(std::uint8_t byte);
    std::vector<std::uint8_t> plcFrame();
    std::vector<std::uint8_t> plcAnswer(std::uint8_t letter, bool ascii, FaultPhase phase);
    std::vector<std::uint8_t> bootFinished();
    std::size_t plcFrameLength() const;
    bool faultNow(Fault fault, FaultPhase phase);
    bool silent(FaultPhase phase) const;

    void saveBoot();
    void saveFlash(std::size_t offset, const std::uint8_t *bytes, std::size_t count);
    void log(const std::string &line);

    int m_device;
    Fault m_fault;
    FaultPhase m_faultPhase;
    bool m_faultUsed = false;
    std::string m_outDir;
    State m_state;
    bool m_done = false;

    // boot mode
    int m_zeros = 0;
    std::uint32_t m_bootLength = 0;
    std::vector<std::uint8_t> m_boot;
    std::vector<std::uint8_t> m_message;

    // block write and PLC image memory (0xFF = erased)
    std::vector<std::uint8_t> m_flash;
    std::uint32_t m_blockStart = 0;
    std::uint32_t m_blockLength = 0;
    std::uint32_t m_blockDone = 0;
    std::uint8_t m_blockSum = 0;
    std::vector<std::uint8_t> m_piece;
    std::FILE *m_flashFile = nullptr;

    // PLC frames
    bool m_loaderEntered = false;
    bool m_binaryMode = false;
    std::vector<std::uint8_t> m_frame;
};

} // namespace flashsim

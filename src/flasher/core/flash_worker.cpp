#include "flash_worker.h"

#include "block_writer.h"
#include "boot_mode_loader.h"
#include "flash_segment_table.h"
#include "flash_texts.h"
#include "plc_loader.h"
#include "raw_image_file.h"
#include "srecord_file.h"

namespace quillet {

namespace {

constexpr std::uint32_t kBootSpeed = 19200;

// Speed and clock of the loaded boot program on the targets with speed setting.
SpeedSetting speedSettingFor(int deviceIndex)
{
    return deviceIndex == 3 ? SpeedSetting{57600, 20000} : SpeedSetting{115200, 25000};
}

} // namespace

CFlashWorker::CFlashWorker(FlashRequest request, IFlashObserver &observer)
    : m_request(std::move(request))
    , m_observer(observer)
    , m_port(m_request.portDevice, m_stop)
{
    if (m_request.timeoutMs == 0)
        m_request.timeoutMs = m_request.deviceIndex == 1 ? 5000 : 3000;
    m_port.setTimeout(m_request.timeoutMs);
}

bool CFlashWorker::run()
{
    const bool ok = runFlow();
    if (!ok && m_observer.messages == 0)
        m_observer.message(text::DownloadFailed);
    m_port.close();
    m_finished.store(true);
    return ok;
}

bool CFlashWorker::runFlow()
{
    switch (m_request.deviceIndex) {
    case 0:
    case 3:
        return flowBootMode(true);
    case 2:
        return flowBootMode(false);
    case 1:
        return flowPlc();
    default:
        m_observer.message(text::UnknownDevice);
        return false;
    }
}

std::optional<std::vector<SRecord>> CFlashWorker::readSRecords(const std::string &path)
{
    bool tooLarge = false;
    auto records = CSRecordFile::read(path, &tooLarge);
    if (!records) {
        m_observer.message(withPath(tooLarge ? text::FileTooLarge : text::OpenFileFailed, path));
        return std::nullopt;
    }
    // Not one record read: a file of another format, or lines the reader does not accept.
    if (CSRecordFile::concatenate(*records).empty()) {
        m_observer.message(withPath(text::NoDataRecords, path));
        return std::nullopt;
    }
    return records;
}

bool CFlashWorker::readBootSRecords(std::vector<std::uint8_t> &image)
{
    const auto records = readSRecords(m_request.bootPath);
    if (!records)
        return false;
    image = CSRecordFile::concatenate(*records);
    // The boot mode announces the length in 16 bits; a longer image would be cut short.
    if (image.size() > CBootModeLoader::kMaxImage) {
        m_observer.message(withPath(text::BootTooLarge, m_request.bootPath));
        return false;
    }
    return true;
}

bool CFlashWorker::readOsSRecords(CFlashSegmentTable &table)
{
    const auto records = readSRecords(m_request.osPath);
    if (!records)
        return false;
    if (!table.load(*records)) {
        m_observer.message(withPath(text::NoDataInMap, m_request.osPath));
        return false;
    }
    return true;
}

bool CFlashWorker::flowBootMode(bool withSpeed)
{
    m_port.setSpeed(kBootSpeed);
    m_observer.phase(text::PhaseBoot);
    m_observer.speed(speedText(kBootSpeed));
    // Both images are read before the port opens: a target never gets a boot program whose OS
    // image turns out to be unusable.
    std::vector<std::uint8_t> boot;
    if (!readBootSRecords(boot))
        return false;
    CFlashSegmentTable table = CFlashSegmentTable::forDevice(m_request.deviceIndex);
    if (!readOsSRecords(table))
        return false;
    const SpeedSetting setting = speedSettingFor(m_request.deviceIndex);
    CBootModeLoader loader(m_port, m_observer);
    const bool booted = loader.run(boot, withSpeed ? std::optional(setting) : std::nullopt);
    m_port.close();
    if (!booted)
        return false;

    const std::uint32_t osSpeed = withSpeed ? setting.speed : 57600;
    m_port.setSpeed(osSpeed);
    m_observer.phase(text::PhaseOs);
    m_observer.speed(speedText(osSpeed));
    CBlockWriter writer(m_port, m_observer);
    const bool ok = writer.run(table, withSpeed);
    m_port.close();
    return ok;
}

bool CFlashWorker::flowPlc()
{
    // Both images are read before the port opens, so a missing OS file is found before the
    // boot program is replaced.
    const auto boot = readRawImage(m_request.bootPath, kPlcBootLength);
    if (!boot) {
        m_observer.message(withPath(text::OpenFileFailed, m_request.bootPath));
        return false;
    }
    const auto os = readRawImage(m_request.osPath, kPlcOsLength);
    if (!os) {
        m_observer.message(withPath(text::OpenFileFailed, m_request.osPath));
        return false;
    }
    CPlcLoader loader(m_port, m_observer);
    m_port.setSpeed(38400);
    if (!loader.enterLoader())
        return false;
    m_observer.phase(text::PhaseBoot);
    m_observer.speed(speedText(38400));

    if (!loader.writeAscii(std::span(*boot).first(kPlcBootLength), kPlcBootAddress)) {
        m_observer.message(text::BootFailed);
        return false;
    }
    m_port.close();

    m_observer.phase(text::PhaseOs);
    if (!loader.eraseAscii(kPlcBootAddress)) {
        m_observer.message(text::EraseFailed);
        return false;
    }
    m_port.close();

    m_port.setSpeed(115200);
    m_observer.speed(speedText(115200));
    if (!loader.binaryCommand())
        return false;
    if (!loader.writeBinary(std::span(*os).first(kPlcOsLength), kPlcOsAddress)) {
        m_observer.message(text::OsFailed);
        return false;
    }
    return loader.eraseBinary(kPlcOsEraseAddress);
}

} // namespace quillet

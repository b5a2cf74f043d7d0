#pragma once

// The serial devices present on this machine, for the port chooser. Stable names under
// /dev/serial/by-id come first (they survive replugging and do not depend on the order the
// adapters were found in); the kernel names of ports without such a link follow. The /dev and
// /sys roots are parameters so that a test can lay out a tree of its own.

#include <string>
#include <vector>

namespace ports {

struct PortEntry
{
    std::string path; // what to open: /dev/serial/by-id/... or /dev/ttyUSB0
    std::string kernelName; // ttyUSB0, ttyACM0, ttyS0
    std::string description; // "manufacturer product, S/N serial" as far as sysfs tells
};

class CPortCatalogue
{
public:
    explicit CPortCatalogue(std::string devRoot = "/dev", std::string sysRoot = "/sys");

    std::vector<PortEntry> list() const;

    // The sysfs description of a kernel tty name, empty when sysfs says nothing.
    std::string describe(const std::string &kernelName) const;

private:
    bool hasUart(const std::string &kernelName) const;

    std::string m_dev;
    std::string m_sys;
};

} // namespace ports

#include "port_catalogue.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>
#include <string_view>

namespace ports {

namespace fs = std::filesystem;

namespace {

constexpr std::array<std::string_view, 3> kKernelPrefixes = {"ttyUSB", "ttyACM", "ttyS"};

// The first line of a small sysfs attribute, trimmed; empty when missing.
std::string readAttribute(const fs::path &path)
{
    std::ifstream in(path);
    std::string line;
    if (!in || !std::getline(in, line))
        return {};
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back())))
        line.pop_back();
    const auto first = line.find_first_not_of(" \t");
    return first == std::string::npos ? std::string() : line.substr(first);
}

// The number after a known prefix ("ttyUSB12" -> 12), or -1 for any other name.
long kernelNumber(std::string_view name, std::string_view prefix)
{
    if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix)
        return -1;
    const std::string_view digits = name.substr(prefix.size());
    if (digits.size() > 6 || !std::all_of(digits.begin(), digits.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        }))
        return -1;
    return std::stol(std::string(digits));
}

} // namespace

CPortCatalogue::CPortCatalogue(std::string devRoot, std::string sysRoot)
    : m_dev(std::move(devRoot))
    , m_sys(std::move(sysRoot))
{ }

std::string CPortCatalogue::describe(const std::string &kernelName) const
{
    std::error_code error;
    const fs::path device
            = fs::canonical(fs::path(m_sys) / "class/tty" / kernelName / "device", error);
    if (error)
        return {};
    // The USB device (the directory with idVendor) is the parent of a CDC-ACM tty's interface,
    // but one level further up for usb-serial adapters (tty -> port -> interface). Looking no
    // further keeps a device without strings from borrowing its hub's.
    fs::path dir = device.parent_path();
    for (int level = 0; level < 3 && dir.has_relative_path(); ++level, dir = dir.parent_path()) {
        const std::string vendor = readAttribute(dir / "idVendor");
        if (vendor.empty())
            continue;
        std::string text = readAttribute(dir / "manufacturer");
        const std::string product = readAttribute(dir / "product");
        if (!product.empty())
            text += (text.empty() ? "" : " ") + product;
        if (text.empty())
            text = "USB " + vendor + ":" + readAttribute(dir / "idProduct");
        const std::string serial = readAttribute(dir / "serial");
        if (!serial.empty())
            text += ", S/N " + serial;
        return text;
    }
    return {};
}

bool CPortCatalogue::hasUart(const std::string &kernelName) const
{
    // The kernel creates every ttyS node whether or not a UART answers at its address; "type" 0
    // marks the ones without. Without sysfs the node is listed.
    const fs::path type = fs::path(m_sys) / "class/tty" / kernelName / "type";
    std::error_code error;
    if (!fs::exists(type, error))
        return true;
    return readAttribute(type) != "0";
}

std::vector<PortEntry> CPortCatalogue::list() const
{
    std::vector<PortEntry> entries;
    std::set<std::string> linked;
    std::error_code error;

    std::vector<fs::path> links;
    for (fs::directory_iterator it(fs::path(m_dev) / "serial/by-id", error), end;
         !error && it != end; it.increment(error))
        links.push_back(it->path());
    std::sort(links.begin(), links.end());
    for (const fs::path &link : links) {
        std::error_code linkError;
        const fs::path target = fs::canonical(link, linkError);
        if (linkError)
            continue; // a dangling link: the adapter has just been pulled
        const std::string name = target.filename().string();
        linked.insert(name);
        entries.push_back({link.string(), name, describe(name)});
    }

    std::vector<std::pair<std::size_t, std::pair<long, std::string>>> nodes;
    error.clear();
    for (fs::directory_iterator it(m_dev, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        for (std::size_t p = 0; p < kKernelPrefixes.size(); ++p) {
            const long number = kernelNumber(name, kKernelPrefixes[p]);
            if (number >= 0 && !linked.count(name))
                nodes.push_back({p, {number, name}});
        }
    }
    // ttyUSB2 before ttyUSB10: by kind, then by number.
    std::sort(nodes.begin(), nodes.end());
    for (const auto &node : nodes) {
        const std::string &name = node.second.second;
        if (kKernelPrefixes[node.first] == "ttyS" && !hasUart(name))
            continue;
        entries.push_back({(fs::path(m_dev) / name).string(), name, describe(name)});
    }
    return entries;
}

} // namespace ports

#include "app/session/AdapterMac.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <string_view>

namespace korvant {
namespace fs = std::filesystem;

namespace {

constexpr int LoopbackType = 772;  // ARPHRD_LOOPBACK

// The first line of a small attribute file, read in one call (these are
// read at every login, so without a stream's set-up).
std::string readFirstLine(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {};
    char text[256];
    const ssize_t n = ::read(fd, text, sizeof text);
    ::close(fd);
    if (n <= 0) return {};
    const std::string_view read(text, static_cast<std::size_t>(n));
    return std::string(read.substr(0, read.find('\n')));
}

std::vector<uint8_t> parseHardwareAddress(const std::string& text) {
    std::vector<uint8_t> bytes;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find(':', pos);
        if (end == std::string::npos) end = text.size();
        std::string part = text.substr(pos, end - pos);
        if (part.empty() || part.size() > 2) return {};
        unsigned value = 0;
        for (char c : part) {
            int digit;
            if (c >= '0' && c <= '9')
                digit = c - '0';
            else if (c >= 'a' && c <= 'f')
                digit = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                digit = c - 'A' + 10;
            else
                return {};
            value = value * 16 + static_cast<unsigned>(digit);
        }
        bytes.push_back(static_cast<uint8_t>(value));
        pos = end + 1;
    }
    return bytes;
}

std::string subsystemOf(const fs::path& device) {
    std::error_code ec;
    fs::path link = fs::read_symlink(device / "subsystem", ec);
    return ec ? std::string() : link.filename().string();
}

// PCI when the device's subsystem link ends in "pci"; a virtio network
// device counts when its transport (the parent device) sits on the PCI bus.
// USB adapters are not PCI, even behind a PCI host controller.
bool onPciBus(const fs::path& netDir) {
    std::error_code ec;
    fs::path device = netDir / "device";
    if (!fs::exists(device, ec)) return false;
    std::string subsystem = subsystemOf(device);
    if (subsystem == "pci") return true;
    if (subsystem != "virtio") return false;
    // "device/.." is the transport: the system resolves ".." after
    // following the link, so one call reads its subsystem.
    return subsystemOf(device / "..") == "pci";
}

std::map<std::string, std::vector<std::string>> ipv4Addresses() {
    std::map<std::string, std::vector<std::string>> result;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) return result;
    for (ifaddrs* it = list; it != nullptr; it = it->ifa_next) {
        if (it->ifa_name == nullptr || it->ifa_addr == nullptr) continue;
        if (it->ifa_addr->sa_family != AF_INET) continue;
        char text[INET_ADDRSTRLEN] = {};
        const auto* in = reinterpret_cast<const sockaddr_in*>(it->ifa_addr);
        if (inet_ntop(AF_INET, &in->sin_addr, text, sizeof text) != nullptr)
            result[it->ifa_name].push_back(text);
    }
    freeifaddrs(list);
    return result;
}

bool hasAddress(const NetworkAdapter& adapter) {
    return std::any_of(adapter.addresses.begin(), adapter.addresses.end(),
                       [](const std::string& a) { return !a.empty() && a != "0.0.0.0"; });
}

}  // namespace

std::string formatMac(const std::vector<uint8_t>& hardwareAddress) {
    if (hardwareAddress.size() < 6) return {};
    char text[13];
    std::snprintf(text, sizeof text, "%02X%02X%02X%02X%02X%02X", hardwareAddress[0],
                  hardwareAddress[1], hardwareAddress[2], hardwareAddress[3], hardwareAddress[4],
                  hardwareAddress[5]);
    return text;
}

std::vector<NetworkAdapter> systemNetworkAdapters(const std::string& sysClassNet) {
    std::vector<std::pair<int, NetworkAdapter>> found;
    std::error_code ec;
    auto addresses = ipv4Addresses();
    for (fs::directory_iterator it(sysClassNet, ec), end; !ec && it != end; it.increment(ec)) {
        fs::path dir = it->path();
        NetworkAdapter adapter;
        adapter.name = dir.filename().string();
        adapter.hardwareAddress = parseHardwareAddress(readFirstLine(dir / "address"));
        adapter.loopback = readFirstLine(dir / "type") == std::to_string(LoopbackType);
        if (onPciBus(dir)) {
            std::error_code wirelessError;
            adapter.pciClass = fs::exists(dir / "wireless", wirelessError) ? 2 : 1;
        }
        if (auto a = addresses.find(adapter.name); a != addresses.end())
            adapter.addresses = a->second;
        int index = std::atoi(readFirstLine(dir / "ifindex").c_str());
        found.emplace_back(index, std::move(adapter));
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<NetworkAdapter> adapters;
    for (auto& entry : found) adapters.push_back(std::move(entry.second));
    return adapters;
}

std::string chooseAdapterMac(const std::vector<NetworkAdapter>& adapters) {
    using Test = std::function<bool(const NetworkAdapter&)>;
    const Test passes[] = {
        [](const NetworkAdapter& a) { return a.pciClass == 1 && hasAddress(a); },
        [](const NetworkAdapter& a) { return a.pciClass == 2 && hasAddress(a); },
        [](const NetworkAdapter& a) { return a.pciClass == 1; },
        [](const NetworkAdapter& a) { return a.pciClass == 2; },
        [](const NetworkAdapter& a) { return hasAddress(a); },
        [](const NetworkAdapter&) { return true; },
    };
    for (const Test& pass : passes) {
        for (const NetworkAdapter& adapter : adapters) {
            if (adapter.loopback || !pass(adapter)) continue;
            std::string text = formatMac(adapter.hardwareAddress);
            if (!text.empty() && text != "000000000000") return text;
        }
    }
    return {};
}

std::string machineAdapterMac() {
    return chooseAdapterMac(systemNetworkAdapters());
}

}  // namespace korvant

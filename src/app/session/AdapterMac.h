#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The text that identifies this machine at login: the hardware address of
// one network adapter as 12 upper-case hex digits, chosen in six passes that
// prefer wired PCI adapters with an IPv4 address.
namespace korvant {

struct NetworkAdapter {
    std::string name;
    std::vector<uint8_t> hardwareAddress;
    // 0 = not on the PCI bus, 1 = wired PCI, 2 = wireless PCI.
    int pciClass = 0;
    // IPv4 addresses in dotted form.
    std::vector<std::string> addresses;
    bool loopback = false;
};

// The adapters of this machine in interface-index order: hardware address
// and bus from /sys/class/net (or `sysClassNet`), IPv4 addresses from
// getifaddrs.
std::vector<NetworkAdapter> systemNetworkAdapters(
    const std::string& sysClassNet = "/sys/class/net");

// Runs the six passes over `adapters` in list order: wired PCI with an
// address, wireless PCI with an address, wired PCI, wireless PCI, any with
// an address, any. Loopback adapters and addresses that print as twelve
// zeros never qualify. Returns the 12-digit text, or "" when none qualifies.
std::string chooseAdapterMac(const std::vector<NetworkAdapter>& adapters);

// The MAC text of this machine ("" when no adapter qualifies).
std::string machineAdapterMac();

// Formats the first six bytes as "%02X%02X%02X%02X%02X%02X"; "" when fewer
// than six bytes are given.
std::string formatMac(const std::vector<uint8_t>& hardwareAddress);

}  // namespace korvant

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "app/session/AdapterMac.h"
#include "support/ScratchFolder.h"

namespace korvant {
namespace {

NetworkAdapter adapter(const std::string& name, std::vector<uint8_t> mac, int pciClass,
                       std::vector<std::string> addresses = {}, bool loopback = false) {
    return NetworkAdapter{name, std::move(mac), pciClass, std::move(addresses), loopback};
}

const std::vector<uint8_t> MacA{0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e};
const std::vector<uint8_t> MacB{0xaa, 0xbb, 0xcc, 0xdd, 0xee, 0x01};
const std::vector<uint8_t> MacC{0x02, 0x42, 0xac, 0x11, 0x00, 0x02};
const std::vector<uint8_t> Zero{0, 0, 0, 0, 0, 0};

TEST(AdapterMac, PassesPreferWiredPciWithAddressThenWirelessThenAnyInListOrder) {
    // (a) wired PCI with an address wins over everything before it.
    EXPECT_EQ(chooseAdapterMac({adapter("virt", MacC, 0, {"10.0.0.5"}),
                                adapter("wlan", MacB, 2, {"10.0.0.6"}),
                                adapter("eth", MacA, 1, {"10.0.0.7"})}),
              "001A2B3C4D5E");
    // (b) wireless PCI with an address beats wired PCI without one.
    EXPECT_EQ(chooseAdapterMac({adapter("eth", MacA, 1), adapter("wlan", MacB, 2, {"10.0.0.6"})}),
              "AABBCCDDEE01");
    // (c) wired PCI without address beats a non-PCI adapter with one.
    EXPECT_EQ(chooseAdapterMac({adapter("virt", MacC, 0, {"10.0.0.5"}), adapter("eth", MacA, 1)}),
              "001A2B3C4D5E");
    // (d) wireless PCI without address.
    EXPECT_EQ(chooseAdapterMac({adapter("virt", MacC, 0), adapter("wlan", MacB, 2)}),
              "AABBCCDDEE01");
    // (e) any adapter with an address; 0.0.0.0 is no address.
    EXPECT_EQ(chooseAdapterMac({adapter("v1", MacA, 0, {"0.0.0.0"}),
                                adapter("v2", MacC, 0, {"0.0.0.0", "192.168.1.2"})}),
              "0242AC110002");
    // (f) any adapter, first in list order.
    EXPECT_EQ(chooseAdapterMac({adapter("v1", MacB, 0), adapter("v2", MacC, 0)}), "AABBCCDDEE01");
}

TEST(AdapterMac, ZeroAddressesLoopbackAndNoAdaptersNeverQualify) {
    EXPECT_EQ(chooseAdapterMac({}), "");
    EXPECT_EQ(chooseAdapterMac({adapter("lo", Zero, 0, {"127.0.0.1"}, true)}), "");
    // A loopback with a real-looking address is skipped even in pass (f).
    EXPECT_EQ(chooseAdapterMac({adapter("lo", MacA, 1, {"127.0.0.1"}, true)}), "");
    // An all-zero PCI adapter is passed over for the next candidate.
    EXPECT_EQ(chooseAdapterMac({adapter("eth0", Zero, 1, {"10.0.0.1"}), adapter("eth1", MacB, 0)}),
              "AABBCCDDEE01");
    // Too short a hardware address (a tunnel) is no candidate.
    EXPECT_EQ(chooseAdapterMac({adapter("tun", {1, 2, 3, 4}, 0, {"10.8.0.1"})}), "");
    // Only the first six bytes are printed.
    EXPECT_EQ(formatMac({0xde, 0xad, 0xbe, 0xef, 0x00, 0x01, 0x77, 0x88}), "DEADBEEF0001");
}

TEST(AdapterMac, ReadsAdaptersFromAFakeSysfsTree) {
    namespace fs = std::filesystem;
    const test::ScratchFolder scratch("sysnet");
    const fs::path& root = scratch.path();
    auto write = [](const fs::path& p, const std::string& text) {
        fs::create_directories(p.parent_path());
        std::ofstream(p) << text << "\n";
    };
    // A PCI device folder with its subsystem link.
    fs::create_directories(root / "devices/pci0000:00/0000:00:03.0");
    fs::create_directories(root / "bus/pci");
    fs::create_directory_symlink(root / "bus/pci",
                                 root / "devices/pci0000:00/0000:00:03.0/subsystem");
    fs::create_directories(root / "devices/pci0000:00/0000:00:03.0/virtio2");
    fs::create_directories(root / "bus/virtio");
    fs::create_directory_symlink(root / "bus/virtio",
                                 root / "devices/pci0000:00/0000:00:03.0/virtio2/subsystem");
    // A USB adapter behind a PCI host controller is not a PCI adapter.
    fs::create_directories(root / "devices/pci0000:00/0000:00:14.0/usb1/1-1");
    fs::create_directories(root / "bus/usb");
    fs::create_directory_symlink(root / "bus/usb",
                                 root / "devices/pci0000:00/0000:00:14.0/usb1/1-1/subsystem");

    write(root / "net/lo/address", "00:00:00:00:00:00");
    write(root / "net/lo/type", "772");
    write(root / "net/lo/ifindex", "1");
    write(root / "net/wlan0/address", "aa:bb:cc:dd:ee:01");
    write(root / "net/wlan0/type", "1");
    write(root / "net/wlan0/ifindex", "3");
    fs::create_directories(root / "net/wlan0/wireless");
    fs::create_directory_symlink(root / "devices/pci0000:00/0000:00:03.0",
                                 root / "net/wlan0/device");
    write(root / "net/eth0/address", "00:1a:2b:3c:4d:5e");
    write(root / "net/eth0/type", "1");
    write(root / "net/eth0/ifindex", "2");
    fs::create_directory_symlink(root / "devices/pci0000:00/0000:00:03.0",
                                 root / "net/eth0/device");
    write(root / "net/usb0/address", "02:42:ac:11:00:02");
    write(root / "net/usb0/type", "1");
    write(root / "net/usb0/ifindex", "4");
    fs::create_directory_symlink(root / "devices/pci0000:00/0000:00:14.0/usb1/1-1",
                                 root / "net/usb0/device");
    write(root / "net/ens3/address", "52:54:00:12:34:56");
    write(root / "net/ens3/type", "1");
    write(root / "net/ens3/ifindex", "5");
    fs::create_directory_symlink(root / "devices/pci0000:00/0000:00:03.0/virtio2",
                                 root / "net/ens3/device");

    std::vector<NetworkAdapter> adapters = systemNetworkAdapters((root / "net").string());
    ASSERT_EQ(adapters.size(), 5u);
    EXPECT_EQ(adapters[0].name, "lo");
    EXPECT_TRUE(adapters[0].loopback);
    EXPECT_EQ(adapters[1].name, "eth0");
    EXPECT_EQ(adapters[1].pciClass, 1);
    EXPECT_EQ(formatMac(adapters[1].hardwareAddress), "001A2B3C4D5E");
    EXPECT_EQ(adapters[2].name, "wlan0");
    EXPECT_EQ(adapters[2].pciClass, 2);
    EXPECT_EQ(adapters[3].name, "usb0");
    EXPECT_EQ(adapters[3].pciClass, 0);
    EXPECT_EQ(adapters[4].name, "ens3");
    EXPECT_EQ(adapters[4].pciClass, 1);
    // Without IP addresses (the names are not real interfaces) pass (c) picks
    // the wired PCI adapter.
    EXPECT_EQ(chooseAdapterMac(adapters), "001A2B3C4D5E");
}

TEST(AdapterMac, ThisMachineGivesTwelveUpperCaseHexDigitsOrNothing) {
    std::string mac = machineAdapterMac();
    if (mac.empty()) GTEST_SKIP() << "no adapter qualifies on this machine";
    ASSERT_EQ(mac.size(), 12u);
    for (char c : mac) EXPECT_TRUE((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')) << mac;
}

}  // namespace
}  // namespace korvant

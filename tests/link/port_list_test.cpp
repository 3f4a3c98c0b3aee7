// Port kinds, labels, the port index of the preferences and the limits of the list.
#include "link/port_list.h"

#include <gtest/gtest.h>

#include "link/link_settings.h"
#include "support/fake_ports.h"

namespace q700 {
namespace {

using test::FakePortSystem;

FakePortSystem ThreePorts() {
  FakePortSystem ports;
  ports.entries = {{"\\Device\\Serial0", "COM1"},
                   {"\\Device\\BthModem1", "COM5"},
                   {"\\Device\\VCP0", "COM7"},
                   {"NoBackslash", "COM9"}};
  return ports;
}

TEST(PortList, LabelsAndKinds) {
  FakePortSystem ports = ThreePorts();
  LinkSettings prefs;
  std::vector<std::string> labels;
  EXPECT_EQ(EnumeratePorts(ports, prefs, &labels), 4);
  EXPECT_EQ(labels, (std::vector<std::string>{"COM1 - Serial port", "COM5 - Bluetooth port",
                                              "COM7 - Virtual port", "COM9 - Unknown port"}));
  std::string name;
  EXPECT_EQ(GetPortName(ports, 0, &name), PortKind::kSerial);
  EXPECT_EQ(name, "COM1");
  EXPECT_EQ(static_cast<int>(GetPortName(ports, 1, &name)), 3);
  EXPECT_EQ(static_cast<int>(GetPortName(ports, 2, &name)), 2);
  EXPECT_EQ(static_cast<int>(GetPortName(ports, 3, &name)), 99);
  EXPECT_EQ(name, "COM9");
  // Past the end: kind 0 and the name left as it was.
  EXPECT_EQ(GetPortName(ports, 4, &name), PortKind::kNone);
  EXPECT_EQ(GetPortName(ports, -1, &name), PortKind::kNone);
  EXPECT_EQ(name, "COM9");

  // Only the first two letters after the last backslash count, in either case.
  EXPECT_EQ(PortSystem::PortKindFromDevicePath("\\Device\\btmodem"), PortKind::kBluetooth);
  EXPECT_EQ(PortSystem::PortKindFromDevicePath("\\Device\\sErial7"), PortKind::kSerial);
  EXPECT_EQ(PortSystem::PortKindFromDevicePath("\\Bt\\Serial\\ProlificSerial0"),
            PortKind::kVirtual);
  EXPECT_EQ(PortSystem::PortKindFromDevicePath("\\Device\\"), PortKind::kVirtual);
}

TEST(PortList, PortIndexResolvesFromThePreferredNumberOnlyWhenUnset) {
  FakePortSystem ports;
  ports.entries = {{"\\Device\\Serial0", "COM1"}, {"\\Device\\Serial1", "COM100"},
                   {"\\Device\\VCP0", "COM3"},    {"\\Device\\VCP1", "COM11"},
                   {"\\Device\\VCP2", "COM10"},   {"\\Device\\VCP3", "COM10"}};
  LinkSettings prefs;
  prefs.preferred_port = 10;
  prefs.port_index = -1;
  EXPECT_EQ(EnumeratePorts(ports, prefs), 6);
  EXPECT_EQ(prefs.port_index, 4);

  prefs.port_index = 2;
  EnumeratePorts(ports, prefs);
  EXPECT_EQ(prefs.port_index, 2);

  // No port with that number: it stays unset.
  prefs.port_index = -1;
  prefs.preferred_port = 4;
  EnumeratePorts(ports, prefs);
  EXPECT_EQ(prefs.port_index, -1);

  EXPECT_EQ(PortNumberOf("COM3"), 3);
  EXPECT_EQ(PortNumberOf("com12"), 12);
  EXPECT_EQ(PortNumberOf("ttyACM2"), 2);
  EXPECT_EQ(PortNumberOf("CNCA0"), std::nullopt);
  EXPECT_EQ(PortNumberOf("COMx"), std::nullopt);
}

TEST(PortList, LabelsMapBackToPositionsAndRows) {
  FakePortSystem ports = ThreePorts();
  EXPECT_EQ(FindPortIndex(ports, "COM7 - Virtual port"), 2);
  EXPECT_EQ(FindPortIndex(ports, "COM5"), 1);
  // Not in the list, or differing in case: the first port.
  EXPECT_EQ(FindPortIndex(ports, "COM8 - Serial port"), 0);
  EXPECT_EQ(FindPortIndex(ports, "com7 - Virtual port"), 0);

  const std::vector<std::string> rows = {"COM7", "COM9 - Unknown port", "COM7 - Virtual port",
                                         "COM1 - Serial port"};
  EXPECT_EQ(FindPortLabelPosition(ports, 2, rows), 2);  // the row without a blank is passed over
  EXPECT_EQ(FindPortLabelPosition(ports, 0, rows), 3);
  EXPECT_EQ(FindPortLabelPosition(ports, 1, rows), -1);
  EXPECT_EQ(FindPortLabelPosition(ports, 9, rows), -1);

  // The preferences dialog starts at the stored index, or the first port when it names none.
  EXPECT_EQ(DialogPortIndex(5, 3), 0);
  EXPECT_EQ(DialogPortIndex(3, 3), 0);
  EXPECT_EQ(DialogPortIndex(-1, 3), 0);
  EXPECT_EQ(DialogPortIndex(-4, 3), 0);
  EXPECT_EQ(DialogPortIndex(2, 3), 2);
}

TEST(PortList, LimitsOfTheEntries) {
  FakePortSystem ports = ThreePorts();
  // A port name of ten characters can be listed but not read as a single entry.
  ports.entries[1].port_name = "COM1234567";
  LinkSettings prefs;
  std::vector<std::string> labels;
  EXPECT_EQ(EnumeratePorts(ports, prefs, &labels), 4);
  std::string name = "before";
  EXPECT_EQ(GetPortName(ports, 1, &name), PortKind::kNone);
  EXPECT_EQ(name, "before");
  // ...and it ends the search for a label, so later ports are not found either.
  EXPECT_EQ(FindPortIndex(ports, "COM7 - Virtual port"), 0);

  // An entry the walk cannot read makes the whole list unreadable; labels already made stay.
  ports.entries[2].device_path = "\\Device\\" + std::string(119, 'V');
  EXPECT_EQ(ports.entries[2].device_path.size(), 127u);
  EXPECT_EQ(EnumeratePorts(ports, prefs, &labels), 0);
  EXPECT_EQ(labels.size(), 2u);
  ports.entries[2].device_path.pop_back();
  EXPECT_EQ(EnumeratePorts(ports, prefs, &labels), 4);

  FakePortSystem missing;
  missing.unreadable = true;
  EXPECT_EQ(EnumeratePorts(missing, prefs), 0);
  EXPECT_EQ(GetPortName(missing, 0, &name), PortKind::kNone);
  EXPECT_EQ(FindPortIndex(missing, "COM1 - Serial port"), 0);
}

}  // namespace
}  // namespace q700

#include <gtest/gtest.h>

#include "protocol/serial_line.h"
#include "serial_name.h"

namespace {

TEST(SerialDevicePath, BareComNamesMapToTtyS) {
  const std::pair<const char*, const char*> cases[] = {
      {"COM1", "/dev/ttyS0"}, {"COM10", "/dev/ttyS9"},
      {"com3", "/dev/ttyS2"}, {"COM0", "COM0"},
      {"COM", "COM"},         {"COM1x", "COM1x"},
      {"COM01", "COM01"},     {"/dev/ttyUSB0", "/dev/ttyUSB0"},
      {"XCOM1", "XCOM1"},     {"COM99999999", "COM99999999"}};
  for (const auto& [name, path] : cases) EXPECT_EQ(vandrel::SerialDevicePath(name), path) << name;
}

TEST(BaudConstant, OnlyExactRates) {
  EXPECT_EQ(protocol::BaudConstant(115200), B115200);
  EXPECT_EQ(protocol::BaudConstant(9600), B9600);
  for (int rate : {0, -9600, 12345, 115201, 100000}) EXPECT_FALSE(protocol::BaudConstant(rate));
}

}  // namespace

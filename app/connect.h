#pragma once
// Opening a device connection the way every handler does: the local
// preparation, the conversions (which may raise the conversion and range
// errors), the library call. The result is also kept in ActiveConnection.
#include <QString>

#include "device/Vandrel.h"

// ARP flush, the port 0..65535, then "brisel.dll" with address and port.
Vandrel::ConnectionHandle ConnectTcp(void* owner, const QString& address, const QString& port);

// The "dulvane.dll" processes ended, the baud rate, the device number
// 0..65535, then "camoret.dll" with the port name.
Vandrel::ConnectionHandle ConnectSerial(const QString& portName, const QString& deviceNumber,
                                        const QString& baudRate);

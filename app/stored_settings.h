#pragma once
// The wireless page's connection fields, kept in options.ini beside the
// executable.
#include <QString>

QString StoredSettingsPath();
// The key's value in section "Config", or the empty text.
QString ReadStoredSetting(const QString& key);
void SaveNetworkSettings(const QString& address, const QString& port);
void SaveSerialSettings(const QString& deviceId, const QString& comPort, const QString& baudRate);

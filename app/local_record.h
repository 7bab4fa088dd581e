#pragma once
// The copy of the last wireless option list kept in options.ini.
#include <QString>
#include <QStringList>

// Replaces the whole file by the lines, each ended by CR LF. The file holds
// keys and passphrases, so only its owner may read it. A refused write raises
// "Cannot create file "<path>". <reason>".
void WriteOptionRecord(const QString& path, const QStringList& lines);

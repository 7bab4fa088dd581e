#pragma once
// Texts typed into the window travel to the device and the settings files as
// single-byte text in the system's code page.
#include <QString>
#include <string>

inline std::string Ansi(const QString& text) { return text.toLocal8Bit().toStdString(); }
inline QString FromAnsi(const std::string& text) { return QString::fromLocal8Bit(text.c_str()); }

// Removes blanks and control characters (codes 0..32) at both ends.
inline QString TrimBlanks(const QString& text) {
  qsizetype first = 0, last = text.size();
  while (first < last && text[first].unicode() <= 32) ++first;
  while (last > first && text[last - 1].unicode() <= 32) --last;
  return text.mid(first, last - first);
}

#include "platform/qt/key_chars.h"

#include <QKeyEvent>

namespace platform {

QString TypedChars(const QKeyEvent& event) {
  const int key = event.key();
  const Qt::KeyboardModifiers mods = event.modifiers();
  switch (key) {
    case Qt::Key_Backspace:
      return QString(QChar(8));
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return QString(QChar(9));
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return QString(QChar(13));
    case Qt::Key_Escape:
      return QString(QChar(27));
    case Qt::Key_Delete:
      return {};
    default:
      break;
  }
  // Platforms differ in the text of Ctrl+letter ("\x16" or "v"), so the
  // control code comes from the key. Ctrl+Alt is AltGr on some layouts and
  // types the event's text.
  const bool ctrl = mods.testFlag(Qt::ControlModifier);
  const bool alt = mods.testFlag(Qt::AltModifier);
  if (ctrl && !alt) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return QString(QChar(key - Qt::Key_A + 1));
    return {};
  }
  if (alt && !ctrl) return {};  // menu accelerators type nothing
  QString chars;
  for (QChar c : event.text()) {
    if (c.unicode() >= 32 && c.unicode() != 127) chars += c;
  }
  return chars;
}

}  // namespace platform

#include "platform/qt/TEdit.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QRegularExpression>
#include <limits>

#include "platform/qt/guard.h"
#include "platform/qt/key_chars.h"

namespace platform {

namespace {

constexpr int kQtDefaultMaxLength = 32767;
constexpr char16_t kCtrlC = 3;
constexpr char16_t kCtrlV = 22;
constexpr char16_t kCtrlX = 24;

QString FirstLine(const QString& text) {
  const qsizetype end = text.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
  return end < 0 ? text : text.left(end);
}

QString Printable(const QString& chars) {
  QString out;
  for (QChar c : chars) {
    if (c.unicode() >= 32) out += c;
  }
  return out;
}

QAction* PasteAction(QMenu& menu) {
  const QString label = QLineEdit::tr("&Paste");
  for (QAction* action : menu.actions()) {
    if (action->objectName() == QLatin1String("edit-paste") || action->text().startsWith(label))
      return action;
  }
  return nullptr;
}

}  // namespace

TEdit::TEdit(QWidget* parent) : QLineEdit(parent) {
  // The original edit takes no dropped text; a drop would bypass the limit.
  setAcceptDrops(false);
}

void TEdit::SetMaxLength(int length) { max_length_ = length > 0 ? length : 0; }

int TEdit::MaxLength() const { return max_length_; }

void TEdit::setMaxLength(int length) { SetMaxLength(length >= kQtDefaultMaxLength ? 0 : length); }

int TEdit::maxLength() const { return max_length_ == 0 ? kQtDefaultMaxLength : max_length_; }

int TEdit::Room() const {
  if (max_length_ == 0) return std::numeric_limits<int>::max();
  const qsizetype kept = text().size() - selectedText().size();
  return kept >= max_length_ ? 0 : static_cast<int>(max_length_ - kept);
}

void TEdit::InsertLimited(const QString& text) {
  QString part = text.left(Room());
  // Never leave half of a surrogate pair behind.
  if (part.size() < text.size() && !part.isEmpty() && part.back().isHighSurrogate()) part.chop(1);
  if (!part.isEmpty()) insert(part);
}

void TEdit::Paste() {
  if (isReadOnly()) return;
  InsertLimited(FirstLine(QGuiApplication::clipboard()->text()));
}

QString TEdit::FilterTyped(const QString& chars) {
  QString kept;
  for (QChar c : chars) {
    char16_t key = c.unicode();
    if (OnKeyPress) {
      // A handler that fails swallows its character.
      if (!RunGuarded([&] { OnKeyPress(key); })) key = 0;
    }
    if (key != 0) kept += QChar(key);
  }
  return kept;
}

void TEdit::keyPressEvent(QKeyEvent* event) {
  const QString typed = TypedChars(*event);
  if (typed.isEmpty()) {
    if (event->matches(QKeySequence::Paste))
      Paste();  // Shift+Insert
    else
      QLineEdit::keyPressEvent(event);
    return;
  }
  const QString kept = FilterTyped(typed);
  if (kept == typed) {
    // The clipboard characters act whatever the shift state, as in the
    // original edit.
    switch (typed.size() == 1 ? typed.at(0).unicode() : 0) {
      case kCtrlC:
        copy();
        event->accept();
        return;
      case kCtrlV:
        Paste();
        event->accept();
        return;
      case kCtrlX:
        if (!isReadOnly()) cut();
        event->accept();
        return;
      default:
        break;
    }
    // Control keys, read-only edits and text that fits take Qt's own path.
    if (typed.at(0).unicode() < 32 || isReadOnly() || Room() >= typed.size()) {
      QLineEdit::keyPressEvent(event);
      return;
    }
  }
  // Swallowed, replaced by the handler, or longer than the room left.
  if (!isReadOnly()) InsertLimited(Printable(kept));
  event->accept();
}

void TEdit::inputMethodEvent(QInputMethodEvent* event) {
  if (event->commitString().isEmpty() || isReadOnly()) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  // Composed text is typed text: it passes the key filter and the limit.
  QString kept = Printable(FilterTyped(event->commitString()));
  kept = kept.left(Room());
  QInputMethodEvent limited(event->preeditString(), event->attributes());
  limited.setCommitString(kept, event->replacementStart(), event->replacementLength());
  QLineEdit::inputMethodEvent(&limited);
}

void TEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  const Qt::FocusReason reason = event->reason();
  if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return;
  RunGuarded(OnExit);
}

void TEdit::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  if (QAction* paste = PasteAction(*menu)) {
    disconnect(paste, &QAction::triggered, this, nullptr);
    connect(paste, &QAction::triggered, this, Guarded([this] { Paste(); }));
  }
  menu->popup(event->globalPos());
}

void TEdit::mouseReleaseEvent(QMouseEvent* event) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (event->button() == Qt::MiddleButton && clipboard->supportsSelection()) {
    // The selection paste of X11, limited like any other paste.
    if (!isReadOnly()) {
      deselect();
      InsertLimited(FirstLine(clipboard->text(QClipboard::Selection)));
    }
    event->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

}  // namespace platform

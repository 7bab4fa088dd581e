#pragma once
// Edit box with an exit event, a key-press filter and a maximum length that
// limits typing and pasting but never cuts a text already in the edit.
#include <QLineEdit>
#include <functional>

namespace platform {

class TEdit : public QLineEdit {
  Q_OBJECT
  // Qt Designer sets maxLength through these names; they never cut the text.
  Q_PROPERTY(int maxLength READ maxLength WRITE setMaxLength)

 public:
  explicit TEdit(QWidget* parent = nullptr);

  // The focus left the edit for another control of the window (not when the
  // window itself is deactivated or a context menu opens).
  std::function<void()> OnExit;
  // Receives each typed character (Backspace 8, Enter 13, Escape 27, Ctrl+V
  // 22, ...); setting it to 0 swallows it, another character replaces it.
  // Pasted text does not pass through here.
  std::function<void(char16_t& key)> OnKeyPress;

  void SetMaxLength(int length);  // 0: no limit
  int MaxLength() const;
  // The Qt names, for generated form code: 32767 (Qt's default) means no limit.
  void setMaxLength(int length);
  int maxLength() const;

  // Replaces the selection by as much of text as the maximum length leaves
  // room for; nothing changes when there is no room at all.
  void InsertLimited(const QString& text);
  // Pastes the clipboard's first line the same way (Ctrl+V, Shift+Insert and
  // the context menu).
  void Paste();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // Runs OnKeyPress on each character and returns those it lets through.
  QString FilterTyped(const QString& chars);
  int Room() const;

  int max_length_ = 0;
};

}  // namespace platform

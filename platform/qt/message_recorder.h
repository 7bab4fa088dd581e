#pragma once
// Test stand-in for the message boxes: records each box instead of showing
// it and answers confirmations from a script.
#include <QString>
#include <deque>
#include <functional>
#include <initializer_list>
#include <ostream>
#include <vector>

#include "platform/qt/messages.h"

namespace platform {

struct RecordedBox {
  BoxKind kind;
  QString caption;
  QString text;
  bool answer;  // what the box returned: true for "OK"

  friend bool operator==(const RecordedBox&, const RecordedBox&) = default;
};

const char* BoxKindName(BoxKind kind);
void PrintTo(const RecordedBox& box, std::ostream* out);  // readable test failures

// Installs itself as the seam for its lifetime; the destructor restores the
// QMessageBox seam. One recorder at a time.
class MessageRecorder {
 public:
  MessageRecorder();
  ~MessageRecorder();
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  // Answers for the next confirmations, in order; once they are used up,
  // confirmations get the default answer.
  void Answer(std::initializer_list<bool> answers);
  void SetDefaultAnswer(bool answer) { default_answer_ = answer; }

  // Runs while a box is "open", after it is recorded: lets a test act where
  // a user could act during a modal box (click again, close the window).
  std::function<void(const RecordedBox& box)> OnShow;

  const std::vector<RecordedBox>& Boxes() const { return boxes_; }
  void Clear() { boxes_.clear(); }

 private:
  bool Record(BoxKind kind, const QString& caption, const QString& text);

  std::vector<RecordedBox> boxes_;
  std::deque<bool> answers_;
  bool default_answer_ = true;
};

}  // namespace platform

#include "platform/qt/message_recorder.h"

namespace platform {

const char* BoxKindName(BoxKind kind) {
  switch (kind) {
    case BoxKind::Information:
      return "Information";
    case BoxKind::Plain:
      return "Plain";
    case BoxKind::Warning:
      return "Warning";
    case BoxKind::Confirmation:
      return "Confirmation";
    case BoxKind::Error:
      return "Error";
  }
  return "?";
}

void PrintTo(const RecordedBox& box, std::ostream* out) {
  *out << "{" << BoxKindName(box.kind) << ", \"" << box.caption.toStdString() << "\", \""
       << box.text.toStdString() << "\", " << (box.answer ? "OK" : "Cancel") << "}";
}

MessageRecorder::MessageRecorder() {
  SetMessageBoxSeam([this](BoxKind kind, const QString& caption, const QString& text) {
    return Record(kind, caption, text);
  });
}

MessageRecorder::~MessageRecorder() { SetMessageBoxSeam(nullptr); }

void MessageRecorder::Answer(std::initializer_list<bool> answers) {
  answers_.insert(answers_.end(), answers.begin(), answers.end());
}

bool MessageRecorder::Record(BoxKind kind, const QString& caption, const QString& text) {
  bool answer = true;
  if (kind == BoxKind::Confirmation) {
    answer = default_answer_;
    if (!answers_.empty()) {
      answer = answers_.front();
      answers_.pop_front();
    }
  }
  boxes_.push_back({kind, caption, text, answer});
  if (OnShow) OnShow(boxes_.back());
  return answer;
}

}  // namespace platform

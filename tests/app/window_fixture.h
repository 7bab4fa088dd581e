#pragma once
// A main window per test, with the recording library, the message-box
// recorder and no settings files left over from another test.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>

#include "app/KestruneMain.h"
#include "platform/exedir.h"
#include "platform/qt/TJvIPAddress.h"
#include "platform/qt/message_recorder.h"
#include "tests/support/recording_library.h"

namespace app_tests {

inline std::filesystem::path BesideExecutable(const char* name) {
  return std::filesystem::path(platform::ExecutableDirectory()) / name;
}

inline void RemoveSettingsFiles() {
  std::filesystem::remove(BesideExecutable("options.ini"));
  std::filesystem::remove(BesideExecutable("IPconfig.ini"));
}

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override { RemoveSettingsFiles(); }
  void TearDown() override {
    window.reset();
    RemoveSettingsFiles();
  }
  TKestrune& Window() {
    if (!window) window = std::make_unique<TKestrune>();
    return *window;
  }

  testing_support::FakeLibraryScope fake;
  platform::MessageRecorder boxes;
  std::unique_ptr<TKestrune> window;
};

// Where controls stand in the window's focus chain; a group box stands where
// its first control stands.
class FocusChain {
 public:
  explicit FocusChain(QWidget& window) {
    int position = 0;
    for (QWidget* next = window.nextInFocusChain(); next != &window;
         next = next->nextInFocusChain())
      positions_.emplace(next, position++);
  }
  int Position(QWidget* control) const {
    if (!qobject_cast<QGroupBox*>(control)) return positions_.at(control);
    int best = 1 << 30;
    for (QWidget* child : control->findChildren<QWidget*>())
      if (child->focusPolicy() != Qt::NoFocus && positions_.count(child))
        best = std::min(best, positions_.at(child));
    return best;
  }

 private:
  std::map<QWidget*, int> positions_;
};

inline QStringList Items(const QComboBox* combo) {
  QStringList items;
  for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
  return items;
}

// What a control shows: caption or text; for lists the items joined by "|",
// then "@" and the selected index.
inline QString ControlText(QWidget* w) {
  if (auto* combo = qobject_cast<QComboBox*>(w))
    return Items(combo).join('|') + '@' + QString::number(combo->currentIndex());
  if (auto* ip = qobject_cast<platform::TJvIPAddress*>(w)) return ip->Text();
  if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
  if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
  if (auto* group = qobject_cast<QGroupBox*>(w)) return group->title();
  if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
  return {};
}

inline platform::RecordedBox Box(platform::BoxKind kind, const char* caption, const char* text) {
  return {kind, QString::fromUtf8(caption), QString::fromUtf8(text), true};
}

}  // namespace app_tests

#pragma once
// One IP settings dialog per test at most, the message-box recorder, the
// warning flag cleared and no IPconfig.ini left over from another test.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "dialogs/IPConfig.h"
#include "platform/qt/message_recorder.h"

namespace dialogs_tests {

inline std::filesystem::path SettingsFile() { return IPConfigPath(); }

inline void RemoveSettingsFile() {
  std::error_code ec;
  std::filesystem::remove_all(SettingsFile(), ec);  // a test may leave a folder there
}

inline void WriteSettingsFile(const std::string& content) {
  std::ofstream(SettingsFile(), std::ios::binary) << content;
}

// The file's bytes, or "<none>" when it does not exist.
inline std::string SettingsFileContent() {
  if (!std::filesystem::exists(SettingsFile())) return "<none>";
  std::ifstream in(SettingsFile(), std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

// Shows the dialog and makes it the active window, so focus moves for real.
inline void ShowActive(QWidget& window) {
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

class DialogTest : public testing::Test {
 protected:
  void SetUp() override {
    RemoveSettingsFile();
    FirstOctetWarningShown = false;
  }
  void TearDown() override {
    delete dialog_.data();
    RemoveSettingsFile();
    FirstOctetWarningShown = false;
  }

  // A new dialog, shown (which runs FormShow) and active. It deletes itself
  // when closed, hence the guarded pointer.
  TIPconfigFrm& Open() {
    delete dialog_.data();
    dialog_ = new TIPconfigFrm();
    ShowActive(*dialog_);
    return *dialog_;
  }

  platform::MessageRecorder boxes;
  QPointer<TIPconfigFrm> dialog_;
};

inline platform::RecordedBox Box(platform::BoxKind kind, const char* caption,
                                 const std::string& text) {
  return {kind, QString::fromUtf8(caption), QString::fromStdString(text), true};
}

}  // namespace dialogs_tests

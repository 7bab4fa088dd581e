#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <array>
#include <utility>
#include <vector>

#include "platform/error.h"
#include "platform/qt/TJvIPAddress.h"
#include "platform/qt/message_recorder.h"
#include "test_window.h"

namespace platform {
namespace {

class IPAddressTest : public testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&window_);
    before_ = new QLineEdit(&window_);
    ip_ = new TJvIPAddress(&window_);
    after_ = new QLineEdit(&window_);
    layout->addWidget(before_);
    layout->addWidget(ip_);
    layout->addWidget(after_);
    ip_->resize(161, 21);
    ShowActive(window_);
  }

  // Types each key into the widget that has the focus at that moment.
  static void TypeAtFocus(const QString& keys) {
    for (QChar c : keys) QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
  }

  std::array<QString, 4> Fields() const {
    std::array<QString, 4> texts;
    for (int i = 0; i < 4; ++i) texts[i] = ip_->Field(i)->text();
    return texts;
  }

  MessageRecorder recorder_;
  QWidget window_;
  QLineEdit* before_ = nullptr;
  TJvIPAddress* ip_ = nullptr;
  QLineEdit* after_ = nullptr;
};

struct TextCase {
  QString set;
  QString text;
  std::array<QString, 4> fields;
};

TEST_F(IPAddressTest, TextIsReadAndWrittenAsFourOctets) {
  const TextCase cases[] = {
      {"192.168.1.201", "192.168.1.201", {"192", "168", "1", "201"}},
      {"", "0.0.0.0", {"", "", "", ""}},
      {"0.0.0.0", "0.0.0.0", {"0", "0", "0", "0"}},
      {"010.001.000.009", "10.1.0.9", {"10", "1", "0", "9"}},
      {" 10 . 0 .0. 1 ", "10.0.0.1", {"10", "0", "0", "1"}},
      {"1.2", "1.2.0.0", {"1", "2", "", ""}},
      {"1.2.3.4.5", "1.2.3.4", {"1", "2", "3", "4"}},
      {"300.256.99999999999.255", "255.255.255.255", {"255", "255", "255", "255"}},
      {"a.-1.+2.3x", "0.0.0.0", {"", "", "", ""}},
      {"1..3.", "1.0.3.0", {"1", "", "3", ""}},
      {"hello", "0.0.0.0", {"", "", "", ""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.set.toStdString());
    ip_->SetText("9.9.9.9");
    ip_->SetText(c.set);
    EXPECT_EQ(ip_->Text(), c.text);
    EXPECT_EQ(Fields(), c.fields);
  }
  ip_->setProperty("text", "10.1.2.3");  // as a form definition sets it
  EXPECT_EQ(ip_->property("text").toString(), "10.1.2.3");
}

struct TypeCase {
  QString keys;
  QString text;
};

TEST_F(IPAddressTest, TypingFillsTheFieldsInTurn) {
  const TypeCase cases[] = {
      {"192.168.1.201", "192.168.1.201"},  // three digits advance; the dot after them is ignored
      {"10.0.0.1", "10.0.0.1"},
      {"1..2", "1.2.0.0"},
      {"999", "255.0.0.0"},
      {"1a2 -3", "123.0.0.0"},
      {"1.2\b\b3", "13.0.0.0"},  // Backspace in a blank field goes back to the previous one
      {"1.2.3.4.5", "1.2.3.45"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.keys.toStdString());
    ip_->SetText("");
    ip_->setFocus();
    TypeAtFocus(c.keys);
    EXPECT_EQ(ip_->Text(), c.text);
  }
}

TEST_F(IPAddressTest, FieldChangeReportsEachEditAndTakesAReplacement) {
  std::vector<std::pair<int, int>> changes;
  ip_->OnFieldChange = [&](int index, int& value) {
    changes.emplace_back(index, value);
    if (index == 0 && value == 255) value = 1;
    if (index == 2 && value == 7) value = 300;  // out of range: clamped
  };
  ip_->SetText("9.9.9.9");  // code: no report
  ip_->SetText("");
  ip_->setFocus();
  TypeAtFocus("12\b.5.7");
  EXPECT_EQ(changes, (std::vector<std::pair<int, int>>{{0, 1}, {0, 12}, {0, 1}, {1, 5}, {2, 7}}));
  EXPECT_EQ(ip_->Text(), "1.5.255.0");

  changes.clear();
  ip_->SetText("");
  ip_->setFocus();
  TypeAtFocus("255");
  EXPECT_EQ(changes, (std::vector<std::pair<int, int>>{{0, 2}, {0, 25}, {0, 255}}));
  EXPECT_EQ(ip_->Field(0)->text(), "1");
  EXPECT_TRUE(ip_->Field(0)->hasFocus()) << "a replaced value does not advance";
}

TEST_F(IPAddressTest, AHandlerMayWarnAndRefocusTheControl) {
  ip_->OnFieldChange = [&](int index, int& value) {
    if (index != 0 || value != 127) return;
    value = 1;
    ShowWarning("Do not set first octet of address to 127!");
    ip_->setFocus();
  };
  ip_->setFocus();
  TypeAtFocus("127");
  EXPECT_EQ(ip_->Text(), "1.0.0.0");
  EXPECT_TRUE(ip_->Field(0)->hasFocus());
  ASSERT_EQ(recorder_.Boxes().size(), 1u);
  EXPECT_EQ(recorder_.Boxes()[0].kind, BoxKind::Warning);
}

TEST_F(IPAddressTest, AFailingFieldHandlerKeepsTheTypedValue) {
  ip_->OnFieldChange = [](int, int& value) {
    value = 0;
    throw Error("bad octet");
  };
  ip_->setFocus();
  TypeAtFocus("42");
  EXPECT_EQ(ip_->Text(), "42.0.0.0");
  EXPECT_EQ(recorder_.Boxes().size(), 2u);
}

TEST_F(IPAddressTest, ExitRunsWhenTheFocusLeavesTheWholeControl) {
  int exits = 0;
  ip_->OnExit = [&] { ++exits; };
  ip_->setFocus();
  EXPECT_TRUE(ip_->Field(0)->hasFocus());
  TypeAtFocus("1.");
  QTest::mouseClick(ip_->Field(3), Qt::LeftButton);
  QTest::keyClick(ip_->Field(3), Qt::Key_Left);
  EXPECT_TRUE(ip_->Field(2)->hasFocus());
  EXPECT_EQ(exits, 0) << "moving between its own fields";

  QTest::keyClick(ip_->Field(2), Qt::Key_Tab);
  EXPECT_TRUE(after_->hasFocus()) << "Tab leaves the control as a whole";
  EXPECT_EQ(exits, 1);

  QTest::keyClick(after_, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_TRUE(ip_->Field(0)->hasFocus()) << "and enters it at the first field";
  before_->setFocus();
  EXPECT_EQ(exits, 2);
  QTest::keyClick(before_, Qt::Key_Tab);
  EXPECT_TRUE(ip_->Field(0)->hasFocus());
}

TEST_F(IPAddressTest, DisablingDisablesEveryFieldAndKeepsTheText) {
  ip_->SetText("10.1.2.3");
  ip_->setEnabled(false);
  for (int i = 0; i < 4; ++i) EXPECT_FALSE(ip_->Field(i)->isEnabled());
  EXPECT_EQ(ip_->Text(), "10.1.2.3");
  before_->setFocus();
  QTest::keyClick(before_, Qt::Key_Tab);
  EXPECT_TRUE(after_->hasFocus()) << "a disabled control is skipped";
  ip_->setEnabled(true);
  ip_->setFocus();
  EXPECT_TRUE(ip_->Field(0)->hasFocus());
}

TEST_F(IPAddressTest, FieldOutsideZeroToThreeIsNull) {
  EXPECT_EQ(ip_->Field(-1), nullptr);
  EXPECT_EQ(ip_->Field(4), nullptr);
  EXPECT_NE(ip_->Field(3), nullptr);
}

}  // namespace
}  // namespace platform

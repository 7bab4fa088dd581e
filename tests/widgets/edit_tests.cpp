#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QTest>
#include <QVBoxLayout>
#include <vector>

#include "platform/error.h"
#include "platform/qt/TEdit.h"
#include "platform/qt/message_recorder.h"
#include "test_window.h"

namespace platform {
namespace {

// The number fields' rule: digits and control characters only.
void DigitsOnly(char16_t& key) {
  if (!((key >= '0' && key <= '9') || key < 32)) key = 0;
}

class EditTest : public testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&window_);
    edit_ = new TEdit(&window_);
    other_ = new QLineEdit(&window_);
    layout->addWidget(edit_);
    layout->addWidget(other_);
    ShowActive(window_);
    edit_->setFocus();
  }

  void Paste(const QString& clip) {
    QGuiApplication::clipboard()->setText(clip);
    QTest::keyClick(edit_, Qt::Key_V, Qt::ControlModifier);
  }

  // Pastes through the edit's own context menu.
  void ContextPaste(const QString& clip) {
    QGuiApplication::clipboard()->setText(clip);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                            edit_->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(edit_, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction* paste = nullptr;
    for (QAction* action : menu->actions()) {
      if (action->text().startsWith(QLineEdit::tr("&Paste"))) paste = action;
    }
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    menu->close();
  }

  MessageRecorder recorder_;
  QWidget window_;
  TEdit* edit_ = nullptr;
  QLineEdit* other_ = nullptr;
};

enum class Input { Type, Paste, ContextPaste };

struct LimitCase {
  const char* name;
  QString initial;  // set by code, after the limit
  int limit;
  int selection_start;  // -1: cursor at the end, nothing selected
  int selection_length;
  Input input;
  QString keys;
  QString expected;
};

TEST_F(EditTest, MaximumLengthLimitsTypingAndPastingOnly) {
  const LimitCase cases[] = {
      {"typing stops at the limit", "", 3, -1, 0, Input::Type, "abcd", "abc"},
      {"a paste is cut to the room left", "ab", 5, -1, 0, Input::Paste, "cdefg", "abcde"},
      {"a menu paste is cut as well", "ab", 5, -1, 0, Input::ContextPaste, "cdefg", "abcde"},
      {"a paste replaces the selection", "abcde", 5, 1, 2, Input::Paste, "XYZ", "aXYde"},
      {"typing replaces the selection", "abc", 3, 0, 1, Input::Type, "x", "xbc"},
      {"a longer text set by code stays", "abcdefgh", 5, -1, 0, Input::Type, "x", "abcdefgh"},
      {"and takes no paste", "abcdefgh", 5, -1, 0, Input::Paste, "x", "abcdefgh"},
      {"nor a replaced selection", "abcdefgh", 5, 0, 2, Input::Type, "x", "abcdefgh"},
      {"Backspace still deletes", "abcdefgh", 5, -1, 0, Input::Type, "\b", "abcdefg"},
      {"no limit", "", 0, -1, 0, Input::Paste, QString(40, 'z'), QString(40, 'z')},
      {"a paste takes the first line", "", 0, -1, 0, Input::Paste, "12\r\n34", "12"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    edit_->SetMaxLength(c.limit);
    edit_->setText(c.initial);
    if (c.selection_start >= 0) edit_->setSelection(c.selection_start, c.selection_length);
    switch (c.input) {
      case Input::Type:
        QTest::keyClicks(edit_, c.keys);
        break;
      case Input::Paste:
        Paste(c.keys);
        break;
      case Input::ContextPaste:
        ContextPaste(c.keys);
        break;
    }
    EXPECT_EQ(edit_->text(), c.expected);
  }
}

TEST_F(EditTest, LoweringTheLimitKeepsTheTextAndLimitsFurtherTyping) {
  const QString key26 = "0123456789abcdef0123456789";
  edit_->SetMaxLength(26);
  QTest::keyClicks(edit_, key26);
  edit_->SetMaxLength(10);
  EXPECT_EQ(edit_->text(), key26);
  EXPECT_EQ(edit_->MaxLength(), 10);
  QTest::keyClicks(edit_, "x");
  EXPECT_EQ(edit_->text(), key26);
  edit_->setText("");
  QTest::keyClicks(edit_, key26);
  EXPECT_EQ(edit_->text(), "0123456789");
}

TEST_F(EditTest, TheQtNamesUsedByFormCodeNeverCutEither) {
  edit_->setText("abcdef");
  edit_->setMaxLength(3);
  EXPECT_EQ(edit_->text(), "abcdef");
  EXPECT_EQ(edit_->MaxLength(), 3);
  EXPECT_EQ(edit_->maxLength(), 3);
  edit_->setProperty("maxLength", 31);
  EXPECT_EQ(edit_->MaxLength(), 31);
  edit_->setMaxLength(32767);
  EXPECT_EQ(edit_->MaxLength(), 0);
  EXPECT_EQ(edit_->maxLength(), 32767);
  // Qt's own limit stays out of the way.
  EXPECT_EQ(static_cast<QLineEdit*>(edit_)->maxLength(), 32767);
}

struct KeyCase {
  const char* name;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  std::vector<char16_t> chars;
};

TEST_F(EditTest, KeyPressSeesEachTypedCharacter) {
  const KeyCase cases[] = {
      {"digit", Qt::Key_5, Qt::NoModifier, {u'5'}},
      {"space", Qt::Key_Space, Qt::NoModifier, {u' '}},
      {"Backspace", Qt::Key_Backspace, Qt::NoModifier, {8}},
      {"Enter", Qt::Key_Return, Qt::NoModifier, {13}},
      {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, {13}},
      {"Escape", Qt::Key_Escape, Qt::NoModifier, {27}},
      {"Ctrl+V", Qt::Key_V, Qt::ControlModifier, {22}},
      {"Ctrl+C", Qt::Key_C, Qt::ControlModifier, {3}},
      {"Ctrl+X", Qt::Key_X, Qt::ControlModifier, {24}},
      {"Ctrl+Shift+V", Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier, {22}},
      {"Delete types nothing", Qt::Key_Delete, Qt::NoModifier, {}},
      {"arrows type nothing", Qt::Key_Left, Qt::NoModifier, {}},
      {"Alt+letter types nothing", Qt::Key_A, Qt::AltModifier, {}},
      {"Shift+Insert pastes without a character", Qt::Key_Insert, Qt::ShiftModifier, {}},
  };
  std::vector<char16_t> seen;
  edit_->OnKeyPress = [&](char16_t& key) { seen.push_back(key); };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    seen.clear();
    QTest::keyClick(edit_, c.key, c.modifiers);
    EXPECT_EQ(seen, c.chars);
  }
  seen.clear();
  QTest::keyClicks(edit_, "aB");
  EXPECT_EQ(seen, (std::vector<char16_t>{u'a', u'B'}));
}

TEST_F(EditTest, ASwallowedCharacterIsNotTyped) {
  edit_->OnKeyPress = DigitsOnly;
  QTest::keyClicks(edit_, "1a-2 3+");
  EXPECT_EQ(edit_->text(), "123");
  QTest::keyClick(edit_, Qt::Key_Backspace);
  EXPECT_EQ(edit_->text(), "12");

  edit_->OnKeyPress = [](char16_t& key) {
    if (key == 8 || key == 22) key = 0;
  };
  QTest::keyClick(edit_, Qt::Key_Backspace);
  Paste("99");
  EXPECT_EQ(edit_->text(), "12") << "swallowed Backspace and Ctrl+V do nothing";
}

TEST_F(EditTest, APasteBypassesTheKeyFilterButNotTheLimit) {
  std::vector<char16_t> seen;
  edit_->OnKeyPress = [&](char16_t& key) {
    seen.push_back(key);
    DigitsOnly(key);
  };
  edit_->SetMaxLength(6);
  Paste("ab-1");
  EXPECT_EQ(seen, std::vector<char16_t>{22});
  EXPECT_EQ(edit_->text(), "ab-1");
  ContextPaste("x y z");
  EXPECT_EQ(edit_->text(), "ab-1x ");
  EXPECT_EQ(seen, std::vector<char16_t>{22}) << "a menu paste types no character";
}

TEST_F(EditTest, AReplacedCharacterIsTypedInstead) {
  edit_->OnKeyPress = [](char16_t& key) {
    if (key >= 'a' && key <= 'z') key = key - 'a' + 'A';
  };
  edit_->SetMaxLength(2);
  QTest::keyClicks(edit_, "abc");
  EXPECT_EQ(edit_->text(), "AB");
}

TEST_F(EditTest, AFailingKeyHandlerShowsTheErrorAndSwallowsItsCharacter) {
  edit_->OnKeyPress = [](char16_t& key) {
    if (key == 'x') throw Error("bad key");
  };
  QTest::keyClicks(edit_, "axb");
  EXPECT_EQ(edit_->text(), "ab");
  EXPECT_EQ(recorder_.Boxes(),
            (std::vector<RecordedBox>{{BoxKind::Error, "Pellmora", "bad key.", true}}));
}

TEST_F(EditTest, ComposedTextPassesTheFilterAndTheLimit) {
  edit_->OnKeyPress = DigitsOnly;
  edit_->SetMaxLength(3);
  QInputMethodEvent event;
  event.setCommitString(QString::fromUtf8("1x2\u00e93456"));
  QCoreApplication::sendEvent(edit_, &event);
  EXPECT_EQ(edit_->text(), "123");
}

TEST_F(EditTest, AReadOnlyEditSeesKeysButTakesNoText) {
  std::vector<char16_t> seen;
  edit_->OnKeyPress = [&](char16_t& key) { seen.push_back(key); };
  edit_->setText("COM");
  edit_->setReadOnly(true);
  QTest::keyClicks(edit_, "1");
  Paste("2");
  EXPECT_EQ(edit_->text(), "COM");
  EXPECT_EQ(seen, (std::vector<char16_t>{u'1', 22}));
}

TEST_F(EditTest, ExitRunsWhenTheFocusMovesToAnotherControlOnly) {
  int exits = 0;
  edit_->OnExit = [&] { ++exits; };
  ContextPaste("");  // a context menu takes the focus for a moment
  EXPECT_EQ(exits, 0);

  QWidget second;
  ShowActive(second);  // another window takes the activation
  EXPECT_EQ(exits, 0);
  ShowActive(window_);
  EXPECT_TRUE(edit_->hasFocus());

  other_->setFocus();
  EXPECT_EQ(exits, 1);
  edit_->setFocus();
  QTest::keyClick(edit_, Qt::Key_Tab);
  EXPECT_TRUE(other_->hasFocus());
  EXPECT_EQ(exits, 2);
}

TEST_F(EditTest, AFailingExitHandlerShowsTheError) {
  edit_->OnExit = [] { throw Error("Range check error"); };
  other_->setFocus();
  EXPECT_TRUE(other_->hasFocus());
  ASSERT_EQ(recorder_.Boxes().size(), 1u);
  EXPECT_EQ(recorder_.Boxes()[0].text, "Range check error.");
}

}  // namespace
}  // namespace platform

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "platform/qt/message_box.h"
#include "platform/qt/message_recorder.h"
#include "platform/qt/messages.h"

namespace platform {
namespace {

struct ShowCase {
  const char* name;
  std::function<void()> show;
  RecordedBox expected;
};

TEST(MessageBoxes, EachKindHasItsCaption) {
  const ShowCase cases[] = {
      {"information",
       [] { ShowInformation("Done"); },
       {BoxKind::Information, "Information", "Done", true}},
      {"plain", [] { ShowPlain("Set fali!"); }, {BoxKind::Plain, "Pellmora", "Set fali!", true}},
      {"warning",
       [] { ShowWarning("Do not set first octet of address to 255!"); },
       {BoxKind::Warning, "notice", "Do not set first octet of address to 255!", true}},
      {"warning with its own caption",
       [] { ShowWarning("x", QString::fromUtf8("提示")); },
       {BoxKind::Warning, QString::fromUtf8("提示"), "x", true}},
      {"confirmation",
       [] { ShowConfirmation(QString::fromUtf8("Go on？")); },
       {BoxKind::Confirmation, "Confirm", QString::fromUtf8("Go on？"), true}},
      {"error gets a dot after a letter",
       [] { ShowErrorBox("Range check error"); },
       {BoxKind::Error, "Pellmora", "Range check error.", true}},
      {"conversion message",
       [] { ShowErrorBox("'x' is not a valid integer value"); },
       {BoxKind::Error, "Pellmora", "'x' is not a valid integer value.", true}},
      {"error ending before the dot stays",
       [] { ShowErrorBox("Failed!"); },
       {BoxKind::Error, "Pellmora", "Failed!", true}},
      {"error ending in a dot stays",
       [] { ShowErrorBox("Stopped."); },
       {BoxKind::Error, "Pellmora", "Stopped.", true}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MessageRecorder recorder;
    c.show();
    EXPECT_EQ(recorder.Boxes(), std::vector<RecordedBox>{c.expected});
  }
}

TEST(MessageBoxes, ConfirmationsTakeScriptedAnswersInOrder) {
  MessageRecorder recorder;
  recorder.Answer({false, true});
  EXPECT_FALSE(ShowConfirmation("a"));
  ShowInformation("one-button boxes take no answer");
  EXPECT_TRUE(ShowConfirmation("b"));
  EXPECT_TRUE(ShowConfirmation("script used up: default OK"));
  recorder.SetDefaultAnswer(false);
  EXPECT_FALSE(ShowConfirmation("d"));
  ASSERT_EQ(recorder.Boxes().size(), 5u);
  EXPECT_FALSE(recorder.Boxes()[0].answer);
  EXPECT_TRUE(recorder.Boxes()[1].answer);
}

TEST(MessageBoxes, RecorderLetsATestActWhileABoxIsOpen) {
  MessageRecorder recorder;
  int seen = 0;
  recorder.OnShow = [&](const RecordedBox& box) {
    ++seen;
    EXPECT_EQ(box.text, "first");
    recorder.OnShow = nullptr;
  };
  ShowPlain("first");
  ShowPlain("second");
  EXPECT_EQ(seen, 1);
}

struct BuiltCase {
  BoxKind kind;
  QMessageBox::Icon icon;
  QStringList buttons;
  QString escape;
};

TEST(MessageBoxes, BuiltBoxesHaveIconAndButtons) {
  const BuiltCase cases[] = {
      {BoxKind::Information, QMessageBox::Information, {"OK"}, "OK"},
      {BoxKind::Plain, QMessageBox::NoIcon, {"OK"}, "OK"},
      {BoxKind::Warning, QMessageBox::Warning, {"OK"}, "OK"},
      {BoxKind::Confirmation, QMessageBox::Question, {"OK", "Cancel"}, "Cancel"},
      {BoxKind::Error, QMessageBox::Critical, {"OK"}, "OK"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(BoxKindName(c.kind));
    auto box = BuildMessageBox(c.kind, "Caption", "<b>text</b>");
    EXPECT_EQ(box->windowTitle(), "Caption");
    EXPECT_EQ(box->text(), "<b>text</b>");
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->icon(), c.icon);
    QStringList buttons;
    for (QAbstractButton* b : box->buttons()) buttons << b->text();
    buttons.sort(Qt::CaseInsensitive);
    QStringList expected = c.buttons;
    expected.sort(Qt::CaseInsensitive);
    EXPECT_EQ(buttons, expected);
    ASSERT_NE(box->defaultButton(), nullptr);
    EXPECT_EQ(box->defaultButton()->text(), "OK");
    ASSERT_NE(box->escapeButton(), nullptr);
    EXPECT_EQ(box->escapeButton()->text(), c.escape);
  }
}

// Presses a key in the next modal box once it is open; gives up after 5 s.
void PressInNextModal(Qt::Key key, QString* title) {
  auto* timer = new QTimer;
  auto tries = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, [timer, tries, key, title] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr && ++*tries < 500) return;
    timer->stop();
    timer->deleteLater();
    if (modal == nullptr) return;
    *title = modal->windowTitle();
    QTest::keyClick(modal, key);
  });
  timer->start(10);
}

TEST(MessageBoxes, TheRealConfirmationBoxAnswersOkByEnterAndCancelByEscape) {
  SetMessageBoxSeam(nullptr);
  const struct {
    Qt::Key key;
    bool answer;
  } cases[] = {{Qt::Key_Return, true}, {Qt::Key_Escape, false}};
  for (const auto& c : cases) {
    QString title;
    PressInNextModal(c.key, &title);
    EXPECT_EQ(ShowConfirmation("Sure?"), c.answer);
    EXPECT_EQ(title, "Confirm");
  }
}

}  // namespace
}  // namespace platform

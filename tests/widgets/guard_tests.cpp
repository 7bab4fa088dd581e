#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMetaObject>
#include <functional>
#include <stdexcept>

#include "platform/error.h"
#include "platform/qt/guard.h"
#include "platform/qt/message_recorder.h"

namespace platform {
namespace {

struct GuardCase {
  const char* name;
  std::function<void()> handler;
  QString box_text;  // empty: no box
};

TEST(RunGuarded, AnErrorEndsTheHandlerInTheErrorBox) {
  const GuardCase cases[] = {
      {"program error", [] { throw Error("'12a' is not a valid integer value"); },
       "'12a' is not a valid integer value."},
      {"standard exception", [] { throw std::runtime_error("Unable to write to /x/options.ini"); },
       "Unable to write to /x/options.ini."},
      {"anything else", [] { throw 42; }, "Unexpected error."},
      {"no error", [] {}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MessageRecorder recorder;
    bool after_throw = false;
    const bool completed = RunGuarded([&] {
      c.handler();
      after_throw = true;
    });
    EXPECT_EQ(completed, c.box_text.isEmpty());
    EXPECT_EQ(after_throw, c.box_text.isEmpty());
    if (c.box_text.isEmpty()) {
      EXPECT_TRUE(recorder.Boxes().empty());
    } else {
      EXPECT_EQ(recorder.Boxes(),
                (std::vector<RecordedBox>{{BoxKind::Error, "Pellmora", c.box_text, true}}));
    }
  }
}

TEST(RunGuarded, NeverThrowsEvenWhenTheErrorBoxFails) {
  SetMessageBoxSeam([](BoxKind, const QString&, const QString&) -> bool {
    throw std::runtime_error("box failed");
  });
  EXPECT_NO_THROW(EXPECT_FALSE(RunGuarded([] { throw Error("x"); })));
  SetMessageBoxSeam(nullptr);
}

TEST(RunGuarded, EmptyHandlerCompletes) {
  MessageRecorder recorder;
  EXPECT_TRUE(RunGuarded(nullptr));
  std::function<void()> unset;
  EXPECT_TRUE(RunGuarded(unset));
  EXPECT_TRUE(recorder.Boxes().empty());
}

TEST(RunGuarded, GuardedWrapsAHandlerForAConnection) {
  MessageRecorder recorder;
  auto slot = Guarded([] { throw Error("Range check error"); });
  EXPECT_NO_THROW(slot());
  ASSERT_EQ(recorder.Boxes().size(), 1u);
  EXPECT_EQ(recorder.Boxes()[0].text, "Range check error.");
}

TEST(ProcessPendingMessages, RunsQueuedWork) {
  bool ran = false;
  QMetaObject::invokeMethod(
      QCoreApplication::instance(), [&] { ran = true; }, Qt::QueuedConnection);
  EXPECT_FALSE(ran);
  ProcessPendingMessages();
  EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace platform

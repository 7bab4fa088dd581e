#pragma once
// A shown, active top-level window for tests that need real focus changes.
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

inline void ShowActive(QWidget& window) {
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

#pragma once
// A main window whose wireless page is driven as a user would drive it, with
// the program-wide key state back at its start values for every test.
#include <QSignalBlocker>
#include <QTest>

#include "app/wireless_keys.h"
#include "window_fixture.h"

namespace app_tests {

// The user picks item `index` of a drop-down list.
inline void Choose(platform::TComboBox* combo, int index) {
  combo->setCurrentIndex(index);
  emit combo->activated(index);
}

// A control's own Enabled flag, whatever its parents' state.
inline bool Own(const QWidget* control) { return !control->testAttribute(Qt::WA_ForceDisabled); }

class WirelessTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ResetWepKeyState();
  }
  void TearDown() override {
    WindowTest::TearDown();
    ResetWepKeyState();
  }

  // Shows the window with the wireless page in front (the window itself never
  // lets it come forward) so that focus can really move on it.
  void ShowWirelessPage() {
    TKestrune& w = Window();
    w.show();
    {
      const QSignalBlocker block(w.PageControl1);
      w.PageControl1->setCurrentWidget(w.TabSheet2);
    }
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    ASSERT_TRUE(w.TabSheet2->isVisible());
  }
};

}  // namespace app_tests

#include <gtest/gtest.h>

#include <QWidget>

#include "ui_promoted_form.h"

namespace platform {
namespace {

// The controls as a window definition creates them.
TEST(PromotedForm, FormCodeBuildsTheControlsWithTheirProperties) {
  QWidget form;
  Ui::PromotedForm ui;
  ui.setupUi(&form);
  EXPECT_EQ(ui.WirelessNetEdt->text(), "a text longer than the limit")
      << "the form's maximum length does not cut its text";
  EXPECT_EQ(ui.WirelessNetEdt->MaxLength(), 5);
  EXPECT_EQ(ui.WirelessModelCob->count(), 2);
  EXPECT_TRUE(ui.TC_IPRadio->Checked());
  EXPECT_EQ(ui.AddressIP->Text(), "192.168.1.201");
  EXPECT_EQ(ui.AddressIP->geometry(), QRect(8, 80, 161, 21));
}

}  // namespace
}  // namespace platform

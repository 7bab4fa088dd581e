// The warning about 255 and 127 in the first octet, with its flag that lets
// every second report pass.
#include "dialog_fixture.h"

namespace dialogs_tests {
namespace {

using platform::BoxKind;

class FirstOctetTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    Open().AssignIPRadio->click();
  }

  // Replaces the first octet by typing, as the user does.
  void TypeFirstOctet(const char* digits) {
    QLineEdit* field = dialog_->IPAddressEdt->Field(0);
    field->setFocus(Qt::TabFocusReason);
    field->selectAll();
    QTest::keyClicks(field, digits);
  }
};

struct Step {
  const char* typed;
  const char* warning;  // nullptr: no box
  const char* octet;    // the field afterwards
  bool flag_after;
};

TEST_F(FirstOctetTest, WarnsReplacesByOneThenPassesOnceAndWarnsAgain) {
  const Step steps[] = {
      {"255", "Do not set first octet of address to 255!", "1", true},
      {"255", nullptr, "255", false},
      {"255", "Do not set first octet of address to 255!", "1", true},
      {"10", nullptr, "10", true},  // other values leave the flag alone
      {"127", nullptr, "127", false},
      {"127", "Do not set first octet of address to 127!", "1", true},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.typed);
    boxes.Clear();
    TypeFirstOctet(step.typed);
    if (step.warning) {
      EXPECT_THAT(boxes.Boxes(),
                  testing::ElementsAre(Box(BoxKind::Warning, "notice", step.warning)));
    } else {
      EXPECT_THAT(boxes.Boxes(), testing::IsEmpty());
    }
    EXPECT_EQ(dialog_->IPAddressEdt->Field(0)->text(), step.octet);
    EXPECT_EQ(FirstOctetWarningShown, step.flag_after);
  }
}

TEST_F(FirstOctetTest, FocusReturnsToTheAddressAfterTheWarning) {
  // Where the user could click elsewhere while the box is open.
  boxes.OnShow = [this](const platform::RecordedBox&) {
    dialog_->GateWayEdt->setFocus(Qt::MouseFocusReason);
  };
  TypeFirstOctet("255");
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_TRUE(dialog_->IPAddressEdt->Field(0)->hasFocus());

  TypeFirstOctet("255");  // the silent pass gives the focus back as well
  EXPECT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_TRUE(dialog_->IPAddressEdt->isAncestorOf(QApplication::focusWidget()));
}

TEST_F(FirstOctetTest, OtherOctetsAreNeverWarnedAbout) {
  for (int index = 1; index < platform::TJvIPAddress::kFieldCount; ++index) {
    for (const char* digits : {"255", "127"}) {
      QLineEdit* field = dialog_->IPAddressEdt->Field(index);
      field->setFocus(Qt::TabFocusReason);
      field->selectAll();
      QTest::keyClicks(field, digits);
      EXPECT_EQ(field->text(), digits) << "octet " << index;
    }
  }
  EXPECT_THAT(boxes.Boxes(), testing::IsEmpty());
  EXPECT_FALSE(FirstOctetWarningShown);
}

TEST_F(FirstOctetTest, TheFlagCarriesOverToTheNextOpening) {
  TypeFirstOctet("255");
  ASSERT_TRUE(FirstOctetWarningShown);
  Open().AssignIPRadio->click();
  boxes.Clear();
  TypeFirstOctet("255");
  EXPECT_THAT(boxes.Boxes(), testing::IsEmpty());
  EXPECT_EQ(dialog_->IPAddressEdt->Field(0)->text(), "255");
}

}  // namespace
}  // namespace dialogs_tests

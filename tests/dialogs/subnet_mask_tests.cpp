// The subnet mask proposed when the focus leaves the address control.
#include <algorithm>

#include "dialog_fixture.h"
#include "dialogs/subnet_mask.h"
#include "platform/error.h"

namespace dialogs_tests {
namespace {

struct MaskCase {
  const char* address;
  const char* mask_before;
  const char* mask_after;
};

void PrintTo(const MaskCase& c, std::ostream* out) {
  *out << c.address << " with mask " << c.mask_before;
}

class MaskTest : public DialogTest, public testing::WithParamInterface<MaskCase> {};

TEST_P(MaskTest, LeavingTheAddressSetsTheMaskOnlyWhileItIsUnset) {
  const MaskCase& c = GetParam();
  TIPconfigFrm& dialog = Open();
  dialog.AssignIPRadio->click();
  dialog.IPAddressEdt->setFocus(Qt::TabFocusReason);
  dialog.IPAddressEdt->SetText(c.address);
  dialog.SubnetMaskEdt->SetText(c.mask_before);
  dialog.GateWayEdt->setFocus(Qt::TabFocusReason);  // leaves the address control
  ASSERT_TRUE(dialog.GateWayEdt->Field(0)->hasFocus());
  EXPECT_EQ(dialog.SubnetMaskEdt->Text(), c.mask_after);
  EXPECT_EQ(dialog.IPAddressEdt->Text(), c.address);
  EXPECT_TRUE(boxes.Boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(FirstOctet, MaskTest,
                         testing::Values(MaskCase{"10.1.2.3", "0.0.0.0", "255.0.0.0"},
                                         MaskCase{"172.16.0.1", "0.0.0.0", "255.255.0.0"},
                                         MaskCase{"200.1.1.1", "0.0.0.0", "255.255.255.0"},
                                         MaskCase{"223.1.1.1", "0.0.0.0", "255.255.255.0"},
                                         MaskCase{"127.0.0.1", "0.0.0.0", "0.0.0.0"},
                                         MaskCase{"224.0.0.1", "0.0.0.0", "0.0.0.0"},
                                         MaskCase{"0.1.2.3", "0.0.0.0", "0.0.0.0"},
                                         // Once the mask holds anything else it is never touched.
                                         MaskCase{"10.1.2.3", "255.255.0.0", "255.255.0.0"},
                                         MaskCase{"192.168.1.1", "255.0.0.0", "255.0.0.0"},
                                         MaskCase{"127.0.0.1", "255.255.0.0", "255.255.0.0"}),
                         [](const auto& info) {
                           std::string name =
                               std::string(info.param.address) + "_mask_" + info.param.mask_before;
                           std::replace(name.begin(), name.end(), '.', '_');
                           return name;
                         });

TEST_F(DialogTest, MaskFollowsOnlyTheFirstAddressEntered) {
  TIPconfigFrm& dialog = Open();
  dialog.AssignIPRadio->click();  // from DHCP: every control blank, the mask reads 0.0.0.0
  for (const char* address : {"10.0.0.1", "192.168.1.1"}) {
    dialog.IPAddressEdt->setFocus(Qt::TabFocusReason);
    dialog.IPAddressEdt->SetText(address);
    dialog.SetIP->setFocus(Qt::TabFocusReason);
  }
  EXPECT_EQ(dialog.SubnetMaskEdt->Text(), "255.0.0.0");
}

struct ProposalCase {
  const char* address;
  const char* mask;  // nullptr: none proposed
};

TEST(ProposedSubnetMask, ByTheClassOfTheFirstOctet) {
  const ProposalCase cases[] = {
      {"1.0.0.0", "255.0.0.0"},
      {"126.1.1.1", "255.0.0.0"},
      {"127.0.0.1", nullptr},
      {"128.0.0.1", "255.255.0.0"},
      {"191.1.1.1", "255.255.0.0"},
      {"192.0.0.1", "255.255.255.0"},
      {"223.255.255.255", "255.255.255.0"},
      {"224.0.0.1", nullptr},
      {"255.255.255.255", nullptr},
      {"0.0.0.0", nullptr},
      {"300.1.1.1", nullptr},
      {"-5.1.1.1", nullptr},
      {" \t10.0.0.1\r\n", "255.0.0.0"},  // blanks and control characters around it
  };
  for (const ProposalCase& c : cases) {
    SCOPED_TRACE(c.address);
    const auto mask = ProposedSubnetMask(c.address);
    if (c.mask) {
      ASSERT_TRUE(mask.has_value());
      EXPECT_EQ(*mask, c.mask);
    } else {
      EXPECT_FALSE(mask.has_value()) << *mask;
    }
  }
}

TEST(ProposedSubnetMask, AFirstPartThatIsNoIntegerIsAConversionError) {
  const std::pair<const char*, const char*> cases[] = {
      {"10", "'' is not a valid integer value"},  // no "." at all
      {"", "'' is not a valid integer value"},
      {"a.1.2.3", "'a' is not a valid integer value"},
      {"1 0.1.2.3", "'1 0' is not a valid integer value"},
      {".1.2.3", "'' is not a valid integer value"},
  };
  for (const auto& [address, message] : cases) {
    SCOPED_TRACE(address);
    try {
      ProposedSubnetMask(address);
      ADD_FAILURE() << "no error";
    } catch (const platform::Error& error) {
      EXPECT_STREQ(error.what(), message);
    }
  }
}

}  // namespace
}  // namespace dialogs_tests

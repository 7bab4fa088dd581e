// The OK button: the settings file after each kind of save, and a refused
// write.
#include <vector>

#include "dialog_fixture.h"
#include "platform/error.h"

namespace dialogs_tests {
namespace {

using platform::BoxKind;

struct Save {
  bool fixed;
  const char* address;
  const char* mask;
  const char* gateway;
};

struct SaveCase {
  const char* label;
  std::vector<Save> saves;  // one opening each
  const char* file;
};

constexpr Save kDhcp{false, nullptr, nullptr, nullptr};
constexpr Save kFixed{true, "10.1.2.3", "255.0.0.0", "10.1.2.1"};

void PrintTo(const SaveCase& c, std::ostream* out) { *out << c.label; }

class SaveTest : public DialogTest, public testing::WithParamInterface<SaveCase> {};

TEST_P(SaveTest, FileAfterTheSaves) {
  for (const Save& save : GetParam().saves) {
    TIPconfigFrm& dialog = Open();
    QPointer<TIPconfigFrm> watched = &dialog;
    if (save.fixed) {
      dialog.AssignIPRadio->click();
      dialog.IPAddressEdt->SetText(save.address);
      dialog.SubnetMaskEdt->SetText(save.mask);
      dialog.GateWayEdt->SetText(save.gateway);
    } else {
      dialog.AutoGetIPRadio->click();
    }
    dialog.SetIP->click();
    EXPECT_FALSE(watched && watched->isVisible()) << "OK closes the dialog";
    EXPECT_EQ(watched ? watched->result() : QDialog::Accepted, QDialog::Accepted);
  }
  EXPECT_EQ(SettingsFileContent(), GetParam().file);
  EXPECT_THAT(boxes.Boxes(), testing::IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Saves, SaveTest,
    testing::Values(
        SaveCase{"DhcpWithoutFile", {kDhcp}, "[Config]\r\nIPRadio=0\r\n"},
        SaveCase{"Fixed",
                 {kFixed},
                 "[Config]\r\nIPaddress=10.1.2.3\r\nsubMask=255.0.0.0\r\nGateWay=10.1.2.1\r\n"
                 "IPRadio=1\r\n"},
        SaveCase{"DhcpAfterFixedKeepsTheAddress",
                 {kFixed, kDhcp},
                 "[Config]\r\nIPaddress=10.1.2.3\r\nsubMask=255.0.0.0\r\nGateWay=10.1.2.1\r\n"
                 "IPRadio=0\r\n"},
        SaveCase{"FixedReplacesFixed",
                 {kFixed, Save{true, "192.168.1.50", "255.255.255.0", "192.168.1.1"}},
                 "[Config]\r\nIPaddress=192.168.1.50\r\nsubMask=255.255.255.0\r\n"
                 "GateWay=192.168.1.1\r\nIPRadio=1\r\n"},
        // Switching from DHCP leaves the controls blank; they save as 0.0.0.0.
        SaveCase{"FixedLeftBlank",
                 {Save{true, "", "", ""}},
                 "[Config]\r\nIPaddress=0.0.0.0\r\nsubMask=0.0.0.0\r\nGateWay=0.0.0.0\r\n"
                 "IPRadio=1\r\n"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(DialogTest, SavingKeepsOtherSectionsAndKeys) {
  WriteSettingsFile("[Other]\r\nIPRadio=7\r\n[Config]\r\nNote=kept\r\nIPRadio=1\r\n");
  Open().AutoGetIPRadio->click();
  dialog_->SetIP->click();
  EXPECT_EQ(SettingsFileContent(),
            "[Other]\r\nIPRadio=7\r\n[Config]\r\nNote=kept\r\nIPRadio=0\r\n");
}

TEST_F(DialogTest, RefusedWriteShowsTheErrorAndKeepsTheDialogOpen) {
  // A folder in the file's place refuses every write, also for root.
  std::filesystem::create_directory(SettingsFile());
  const std::string error = "Unable to write to " + IPConfigPath() + ".";
  for (bool fixed : {false, true}) {
    SCOPED_TRACE(fixed ? "fixed address" : "DHCP");
    TIPconfigFrm& dialog = Open();
    if (fixed) {
      dialog.AssignIPRadio->click();
      dialog.IPAddressEdt->SetText("10.1.2.3");
    }
    boxes.Clear();
    dialog.SetIP->click();
    EXPECT_THAT(boxes.Boxes(), testing::ElementsAre(Box(BoxKind::Error, "Pellmora", error)));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.IPAddressEdt->Text(), fixed ? "10.1.2.3" : "0.0.0.0");
  }
  EXPECT_TRUE(std::filesystem::is_directory(SettingsFile()));
}

TEST(IPConfigFile, ReadsTheFourKeysUnchanged) {
  RemoveSettingsFile();
  EXPECT_EQ(ReadIPConfig().choice, "");
  WriteSettingsFile(
      "[CONFIG]\nIPRADIO = 1\nipaddress=not an address\nsubMask=\nGateWay=\"1.2.3.4\"\n");
  const IPConfigValues values = ReadIPConfig();
  EXPECT_EQ(values.address, "not an address");
  EXPECT_EQ(values.mask, "");
  EXPECT_EQ(values.gateway, "1.2.3.4");
  EXPECT_EQ(values.choice, "1");
  RemoveSettingsFile();
}

}  // namespace
}  // namespace dialogs_tests

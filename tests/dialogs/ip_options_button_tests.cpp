// The wireless page's "ConfigMachine" button opens a new IP settings dialog
// for each click.
#include <QTimer>

#include "app/KestruneMain.h"
#include "dialog_fixture.h"
#include "platform/exedir.h"

namespace dialogs_tests {
namespace {

std::filesystem::path StoredConnectionSettings() {
  return std::filesystem::path(platform::ExecutableDirectory()) / "options.ini";
}

TEST_F(DialogTest, ConfigMachineButtonOpensAFreshDialogEachTime) {
  std::filesystem::remove(StoredConnectionSettings());
  TKestrune window;
  EXPECT_EQ(window.IPoptionsBitB->text(), "ConfigMachine");
  EXPECT_EQ(window.IPoptionsBitB->geometry(), QRect(187, 463, 146, 40));

  std::vector<QPointer<TIPconfigFrm>> opened;
  for (int click = 0; click < 2; ++click) {
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<TIPconfigFrm*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      for (const auto& earlier : opened) EXPECT_TRUE(earlier.isNull());
      opened.emplace_back(dialog);
      EXPECT_EQ(dialog->parentWidget(), nullptr);
      dialog->AutoGetIPRadio->click();
      dialog->SetIP->click();
    });
    // The page is never shown, so the click comes by the button's signal.
    emit window.IPoptionsBitB->clicked();
  }
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_TRUE(opened[0].isNull());
  EXPECT_TRUE(opened[1].isNull());
  EXPECT_EQ(SettingsFileContent(), "[Config]\r\nIPRadio=0\r\n");
  std::filesystem::remove(StoredConnectionSettings());
}

}  // namespace
}  // namespace dialogs_tests

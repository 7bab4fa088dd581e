// The wireless page's connection test against the recording library.
#include <QIcon>
#include <QImage>

#include "wireless_fixture.h"

namespace app_tests {
namespace {

using platform::BoxKind;
using testing_support::Command;

// The colour in the middle of the button's picture: the success picture is
// green there, the failure picture red.
QRgb PictureCentre(const TKestrune& w) {
  const QImage image = w.TestConnectBtn->icon().pixmap(32, 32).toImage();
  return image.isNull() ? 0 : image.pixel(16, 10);
}
bool ShowsSuccess(const TKestrune& w) { return qGreen(PictureCentre(w)) > qRed(PictureCentre(w)); }
bool ShowsFailure(const TKestrune& w) { return qRed(PictureCentre(w)) > qGreen(PictureCentre(w)); }

class ConnectionTest : public WirelessTest {
 protected:
  TKestrune& Ready() {
    TKestrune& w = Window();
    w.AddressIP->SetText("10.0.0.3");
    w.PortEdtWire->setText("4370");
    return w;
  }
};

const platform::RecordedBox kSucceeded =
    Box(BoxKind::Information, "Information", "connect succeed");
const platform::RecordedBox kNoConnection =
    Box(BoxKind::Information, "Information", "can not connect with device");

TEST_F(ConnectionTest, TcpBeginsThenEndsAndClosesAfterTheBox) {
  TKestrune& w = Ready();
  fake->onCommand = [&](const Command& c) {
    if (c.code == Vandrel::CMD_CONFIG_END) {
      EXPECT_EQ(boxes.Boxes().size(), 1u) << "the box comes before the end commands";
    }
  };
  w.TestConnectBtn->click();
  EXPECT_EQ(fake.preparations, std::vector<std::string>{"arp"});
  EXPECT_EQ(fake->inits.at(0).module, "brisel.dll");
  EXPECT_EQ(fake->Codes(), (std::vector<std::uint16_t>{1003, 1002, 1002, 1014}));
  EXPECT_EQ(fake->closes.size(), 1u);
  EXPECT_EQ(boxes.Boxes(), std::vector{kSucceeded});
  EXPECT_TRUE(ShowsSuccess(w));
  EXPECT_FALSE(std::filesystem::exists(BesideExecutable("options.ini")));
}

TEST_F(ConnectionTest, SerialSendsNoBeginCommand) {
  TKestrune& w = Ready();
  w.RS232Radio->click();
  w.DeviceIdEdt->setText("5");
  w.ComIDEdit->setText("2");
  w.BaudRateEdit->setText("0");
  w.TestConnectBtn->click();
  EXPECT_EQ(fake.preparations, std::vector<std::string>{"kill:dulvane.dll"});
  ASSERT_EQ(fake->inits.size(), 1u);
  EXPECT_EQ(fake->inits[0].address, "COM2");
  EXPECT_EQ(fake->inits[0].number, 5);
  EXPECT_EQ(fake->inits[0].baud, 0);
  EXPECT_EQ(fake->Codes(), (std::vector<std::uint16_t>{1002, 1002, 1014}));
  EXPECT_EQ(fake->closes.size(), 1u);
  EXPECT_TRUE(ShowsSuccess(w));
}

TEST_F(ConnectionTest, FailedTestReplacesTheSuccessPicture) {
  TKestrune& w = Ready();
  w.TestConnectBtn->click();
  ASSERT_TRUE(ShowsSuccess(w));
  fake->handleToReturn = 0;
  fake->commands.clear();
  w.TestConnectBtn->click();
  EXPECT_TRUE(ShowsFailure(w));
  EXPECT_TRUE(fake->commands.empty());
  EXPECT_EQ(fake->closes.size(), 1u) << "nothing to close after the failed attempt";
  EXPECT_EQ(boxes.Boxes().back(), kNoConnection);
}

TEST_F(ConnectionTest, ConversionErrorsLeaveThePicture) {
  TKestrune& w = Ready();
  const QRgb before = PictureCentre(w);
  for (const char* port : {"", "65536"}) {
    w.PortEdtWire->setText(port);
    w.TestConnectBtn->click();
  }
  EXPECT_EQ(boxes.Boxes(),
            (std::vector{Box(BoxKind::Error, "Pellmora", "'' is not a valid integer value."),
                         Box(BoxKind::Error, "Pellmora", "Range check error.")}));
  EXPECT_EQ(fake.preparations.size(), 2u);
  EXPECT_TRUE(fake->inits.empty());
  EXPECT_EQ(PictureCentre(w), before);
}

// Moves the pictures' folder away for one test.
struct PicturesMissing {
  std::filesystem::path folder = BesideExecutable("bmp");
  std::filesystem::path aside = BesideExecutable("bmp-moved-by-test");
  PicturesMissing() { std::filesystem::rename(folder, aside); }
  ~PicturesMissing() { std::filesystem::rename(aside, folder); }
};

TEST_F(ConnectionTest, MissingPictureStillEndsTheExchangeAndCloses) {
  TKestrune& w = Ready();
  {
    PicturesMissing missing;
    w.TestConnectBtn->click();
  }
  ASSERT_EQ(boxes.Boxes().size(), 2u);
  EXPECT_EQ(boxes.Boxes()[0], kSucceeded);
  EXPECT_EQ(boxes.Boxes()[1].kind, BoxKind::Error);
  const QString expected = "Cannot open file \"" +
                           QString::fromStdString(platform::ExecutableDirectory()) +
                           "/bmp/textconnetOK.bmp\". ";
  EXPECT_TRUE(boxes.Boxes()[1].text.startsWith(expected)) << boxes.Boxes()[1].text.toStdString();
  EXPECT_EQ(fake->Codes(), (std::vector<std::uint16_t>{1003, 1002, 1002, 1014}));
  EXPECT_EQ(fake->closes.size(), 1u);
}

}  // namespace
}  // namespace app_tests

// The WEP key state recorded while the user edits the keys, and the checks
// run before a wireless upload.
#include <cstring>
#include <vector>

#include "platform/qt/widgets.h"
#include "wireless_fixture.h"

namespace app_tests {
namespace {

using platform::BoxKind;

const char* const kPassphraseText =
    "please input 8 and 64 characters long for ASCII or 8 and 64 characters(0-9,a-f,A-F) for hex ";

using ExitHandler = void (TKestrune::*)();
const ExitHandler kExits[] = {&TKestrune::WepPasswordEdt1Exit, &TKestrune::WepPasswordEdt2Exit,
                              &TKestrune::WepPasswordEdt3Exit, &TKestrune::WepPasswordEdt4Exit};

class WirelessKeys : public WirelessTest {
 protected:
  // The WEP layout in password mode `mode` (-1: no mode selected).
  TKestrune& Wep(int mode) {
    TKestrune& w = Window();
    Choose(w.WirelessModelCob, 0);
    if (mode >= 0)
      Choose(w.PasswordModeCob, mode);
    else
      w.PasswordModeCob->SetItemIndex(-1);
    return w;
  }
  platform::TEdit* Edit(int key) {
    TKestrune& w = Window();
    return std::vector<platform::TEdit*>{w.WepPasswordEdt1, w.WepPasswordEdt2, w.WepPasswordEdt3,
                                         w.WepPasswordEdt4}[key - 1];
  }
  platform::TRadioButton* Radio(int key) {
    TKestrune& w = Window();
    return std::vector<platform::TRadioButton*>{w.WepPasswordRadio1, w.WepPasswordRadio2,
                                                w.WepPasswordRadio3, w.WepPasswordRadio4}[key - 1];
  }
  // The user leaves key edit `key` holding `text`.
  void Leave(int key, const QString& text) {
    Edit(key)->setText(text);
    (Window().*kExits[key - 1])();
  }
  // What the Set click does after its checks, whatever their outcome.
  void EndOfSetClick() {
    Window().ShortKeyMarks.reset();
    WepKeyModes.fill(kNoRecordedMode);
  }
  QStringList Marks() {
    Window().CollectShortKeyMarks();
    return Window().ShortKeyMarks ? *Window().ShortKeyMarks : QStringList{"<absent>"};
  }
};

// The named values and the table are one state.
TEST_F(WirelessKeys, NamedValuesStartAsDefined) {
  EXPECT_EQ(&WepKeyText3, &WepKeyTexts[2]);
  EXPECT_EQ(&WepKeyMode4, &WepKeyModes[3]);
  EXPECT_EQ(&WepKeyType1, &WepKeyTypes[0]);
  for (int k = 0; k < kWepKeyCount; ++k) {
    EXPECT_EQ(WepKeyTexts[k], "");
    EXPECT_EQ(WepKeyModes[k], 4);
    EXPECT_EQ(WepKeyTypes[k], "0");
  }
  EXPECT_EQ(Window().ShortKeyMarks, nullptr);
}

struct LeaveCase {
  int mode;
  QString text;
  int modeBefore;
  const char* typeBefore;
  int modeAfter;
  const char* typeAfter;
};

TEST_F(WirelessKeys, LeavingAKeyRecordsTextModeAndType) {
  const LeaveCase cases[] = {
      {0, "", 4, "1", 4, "1"},                // empty: mode and type kept
      {0, "   ", 2, "1", 2, "1"},             // blank
      {0, " \t\x01 ", 4, "0", 4, "0"},        // control characters count as blank
      {0, QString(10, ' '), 4, "1", 4, "0"},  // full length sets the type, blank sets no mode
      {0, QString(10, 'f'), 4, "1", 0, "0"},
      {0, " ab ", 4, "1", 0, "1"},  // short: mode recorded, type kept
      {1, QString(25, 'a'), 3, "1", 1, "1"},
      {1, QString(26, 'a'), 4, "1", 1, "0"},
      {2, "abcde", 4, "0", 2, "1"},
      {2, "abcd", 4, "0", 2, "0"},
      {3, QString(20, 'x'), 0, "0", 3, "1"},  // longer than the mode's length
      {-1, "abc", 1, "1", 1, "1"},            // no mode selected: only the text
  };
  for (const LeaveCase& c : cases) {
    for (int key = 1; key <= kWepKeyCount; ++key) {
      SCOPED_TRACE(testing::Message()
                   << "mode " << c.mode << " text '" << c.text.toStdString() << "' key " << key);
      window.reset();
      ResetWepKeyState();
      Wep(c.mode);
      WepKeyModes[key - 1] = c.modeBefore;
      WepKeyTypes[key - 1] = c.typeBefore;
      Leave(key, c.text);
      EXPECT_EQ(WepKeyTexts[key - 1], c.text) << "untrimmed";
      EXPECT_EQ(WepKeyModes[key - 1], c.modeAfter);
      EXPECT_EQ(WepKeyTypes[key - 1], c.typeAfter);
      EXPECT_EQ(Edit(key)->text(), c.text);
      for (int other = 0; other < kWepKeyCount; ++other) {
        if (other == key - 1) continue;
        EXPECT_EQ(WepKeyTexts[other], "");
        EXPECT_EQ(WepKeyModes[other], 4);
      }
    }
  }
  EXPECT_TRUE(boxes.Boxes().empty());
}

// The type code stays with the last full-length leaving.
TEST_F(WirelessKeys, TypeCodeOutlivesModeChangesAndErasing) {
  Wep(2);
  Leave(2, "abcde");
  Choose(Window().PasswordModeCob, 0);
  Leave(2, "");
  EXPECT_EQ(WepKeyType2, "1");
  EXPECT_EQ(WepKeyMode2, 2);
  EXPECT_EQ(WepKeyText2, "");
}

// A real focus change runs the exit handlers.
TEST_F(WirelessKeys, FocusLeavingTheEditsRunsTheirHandlers) {
  ShowWirelessPage();
  TKestrune& w = Wep(0);
  w.WepPasswordEdt3->setFocus();
  QTest::keyClicks(w.WepPasswordEdt3, "12345");
  w.WepPasswordEdt4->setFocus();
  EXPECT_EQ(WepKeyText3, "12345");
  EXPECT_EQ(WepKeyMode3, 0);
  QTest::keyClicks(w.WepPasswordEdt4, "1234567890");
  w.WepPasswordEdt1->setFocus();
  EXPECT_EQ(WepKeyText4, "1234567890");

  Choose(w.AuthenticationTypeCob, 3);
  w.WAPpasswordEdit->setFocus();
  QTest::keyClicks(w.WAPpasswordEdit, "short");
  w.WirelessNetEdt->setFocus();
  EXPECT_EQ(boxes.Boxes(), std::vector{Box(BoxKind::Information, "Information", kPassphraseText)});
  EXPECT_TRUE(w.WirelessNetEdt->hasFocus()) << "the focus goes where the user sent it";
  EXPECT_EQ(w.WAPpasswordEdit->text(), "short");
}

TEST_F(WirelessKeys, LeavingThePassphrase) {
  TKestrune& w = Window();
  Choose(w.AuthenticationTypeCob, 3);
  for (const char* text : {"", "1234567", "        ", "12345678", "x"}) {
    SCOPED_TRACE(text);
    boxes.Clear();
    w.WAPpasswordEdit->setText(text);
    w.WAPpasswordEditExit();
    const bool shortText = strlen(text) < 8;
    EXPECT_EQ(boxes.Boxes().size(), shortText ? 1u : 0u);
    if (shortText) {
      EXPECT_EQ(boxes.Boxes()[0], Box(BoxKind::Information, "Information", kPassphraseText));
    }
    EXPECT_EQ(w.WAPpasswordEdit->text(), text);
  }
}

// --------------------------------------------------------------- marks

TEST_F(WirelessKeys, MarksUseTheRecordedTextAndMode) {
  TKestrune& w = Wep(3);
  Leave(3, "1234567");
  Choose(w.PasswordModeCob, 2);  // 7 would pass in mode 2
  EXPECT_EQ(Marks(), QStringList{"p3=3"});

  Leave(1, "123");                           // mode 2 recorded
  Edit(1)->setText("12345678901234567890");  // not left again
  Wep(0);
  Leave(4, QString(9, 'a'));
  Leave(2, QString(10, 'a'));
  EXPECT_EQ(Marks(), (QStringList{"p1=2", "p3=3", "p4=0"})) << "in key order";

  // A blank key adds no mode and so no mark; a fresh list each time.
  WepKeyModes.fill(kNoRecordedMode);
  Leave(1, "  ");
  EXPECT_EQ(Marks(), QStringList{});
}

TEST_F(WirelessKeys, NoMarksWithoutTheWepGroup) {
  TKestrune& w = Wep(0);
  Leave(1, "12");
  Choose(w.WepEncryptCob, 0);  // no key
  EXPECT_EQ(Marks(), QStringList{});
  Choose(w.AuthenticationTypeCob, 3);  // WPA
  EXPECT_EQ(Marks(), QStringList{});
  Choose(w.AuthenticationTypeCob, 0);  // WEP again
  EXPECT_EQ(Marks(), QStringList{"p1=0"});
  w.DisableRadio->click();
  EXPECT_EQ(Marks(), QStringList{});
  EXPECT_FALSE(w.CheckWirelessKeys());
  EXPECT_TRUE(boxes.Boxes().empty());
}

// ----------------------------------------------------- trim and lengths

TEST_F(WirelessKeys, TrimCutsToTheRecordedModeOnly) {
  TKestrune& w = Wep(0);
  Leave(1, "123");  // recorded 0, grows later without leaving
  Edit(1)->setText(QString(15, '1'));
  Choose(w.PasswordModeCob, 3);
  Leave(2, QString(20, '2'));          // recorded 3
  Edit(3)->setText(QString(30, '3'));  // never left: no mode
  Leave(4, "4444");                    // recorded 3, shorter than 13
  w.TrimWepKeysToMode();
  EXPECT_EQ(Edit(1)->text(), QString(10, '1'));
  EXPECT_EQ(Edit(2)->text(), QString(13, '2'));
  EXPECT_EQ(Edit(3)->text(), QString(30, '3'));
  EXPECT_EQ(Edit(4)->text(), "4444");
  EXPECT_EQ(WepKeyText2, QString(20, '2')) << "the key state is not updated";
}

TEST_F(WirelessKeys, SwitchingToWepAppliesTheModeLength) {
  TKestrune& w = Window();
  Choose(w.WirelessModelCob, 0);
  Choose(w.PasswordModeCob, 3);
  Edit(4)->setText(QString(13, 'k'));
  Edit(1)->setText(QString(20, 'k'));
  for (int key = 1; key <= 4; ++key) Edit(key)->SetMaxLength(0);
  Choose(w.WepEncryptCob, 0);
  Choose(w.WepEncryptCob, 1);
  EXPECT_EQ(WepKeyMode4, 3);
  EXPECT_EQ(Edit(4)->MaxLength(), 0) << "exact length: not touched";
  for (int key = 1; key <= 3; ++key) {
    EXPECT_EQ(Edit(key)->MaxLength(), 13);
    EXPECT_EQ(WepKeyModes[key - 1], 4);
  }
  EXPECT_EQ(Edit(1)->text(), QString(20, 'k'));

  w.PasswordModeCob->SetItemIndex(-1);
  Edit(2)->SetMaxLength(0);
  w.ApplyWepKeyLengths();
  EXPECT_EQ(Edit(2)->MaxLength(), 0) << "no mode: nothing happens";
}

// -------------------------------------------------------------- checks

TEST_F(WirelessKeys, SixteenRefusalTexts) {
  const char* const texts[4][4] = {
      {"Password 1,please input 64-bit(104+24)-10 hexadecimal digits ",
       "Password 2,please input 64-bit(104+24)-10 hexadecimal digits ",
       "Password 3,please input 64-bit(104+24)-10 hexadecimal digits ",
       "Password 4,please input 64-bit(104+24)-10 hexadecimal digits "},
      {"Password 1, please input 128-bit(104+24)-26 hexadecimal digits ",
       "Password 2, please input 128-bit(104+24)-26 hexadecimal digits ",
       "Password 3, please input 128-bit(104+24)-26 hexadecimal digits ",
       "Password 4, please input 128-bit(104+24)-26 hexadecimal digits "},
      {"Password 1, please input 64-bit(40+24)-5 ASCII characters ",
       "Password 2, please input 64-bit(40+24)-5 ASCII characters ",
       "Password 3, please input 64-bit(40+24)-5 ASCII characters ",
       "Password 4, please input 64-bit(40+24)-5 ASCII characters "},
      {"Password 1, please input 128-bit(104+24)-13 ASCII characters ",
       "Password 2, please input 128-bit(104+24)-13 ASCII characters ",
       "Password 3, please input 128-bit(104+24)-13 ASCII characters ",
       "Password 4, please input 128-bit(104+24)-13 ASCII characters "},
  };
  TKestrune& w = Wep(0);
  for (int mode = 0; mode < 4; ++mode) {
    Choose(w.PasswordModeCob, mode);
    for (int key = 1; key <= 4; ++key) {
      SCOPED_TRACE(testing::Message() << "mode " << mode << " key " << key);
      boxes.Clear();
      Radio(key)->click();
      EXPECT_TRUE(w.CheckWirelessKeys());
      EXPECT_EQ(boxes.Boxes(),
                std::vector{Box(BoxKind::Information, "Information", texts[mode][key - 1])});
    }
  }
}

struct CheckCase {
  int mode;
  int key;  // the default key
  int length;
  int recorded;
  bool refused;
};

TEST_F(WirelessKeys, DefaultKeyCheck) {
  const CheckCase cases[] = {
      {0, 2, 9, 4, true},   {0, 1, 10, 4, true}, {0, 1, 10, 0, false}, {0, 3, 26, 1, false},
      {1, 3, 26, 1, false}, {1, 3, 26, 4, true}, {1, 4, 25, 1, true},  {2, 1, 13, 4, false},
      {2, 4, 4, 2, true},   {2, 2, 5, 4, false}, {3, 2, 13, 4, false}, {3, 2, 12, 3, true},
  };
  for (const CheckCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "mode " << c.mode << " key " << c.key << " length "
                                    << c.length << " recorded " << c.recorded);
    window.reset();
    ResetWepKeyState();
    boxes.Clear();
    ShowWirelessPage();
    TKestrune& w = Wep(c.mode);
    Radio(c.key)->click();
    Edit(c.key)->setText(QString(c.length, 'a'));
    WepKeyModes[c.key - 1] = c.recorded;
    w.WirelessNetEdt->setFocus();
    EXPECT_EQ(w.CheckWirelessKeys(), c.refused);
    EXPECT_EQ(boxes.Boxes().size(), c.refused ? 1u : 0u);
    EXPECT_EQ(Edit(c.key)->hasFocus(), c.refused);
    EXPECT_EQ(Edit(c.key)->text(), QString(c.length, 'a')) << "nothing corrected";
  }
}

// Only the default key is examined, and without one nothing is.
TEST_F(WirelessKeys, KeysWithoutTheRadioAreNotChecked) {
  TKestrune& w = Wep(0);
  Radio(2)->click();
  Edit(2)->setText(QString(10, '2'));
  WepKeyMode2 = 0;
  EXPECT_FALSE(w.CheckWirelessKeys());
  Radio(2)->SetChecked(false);
  EXPECT_FALSE(w.CheckWirelessKeys());
  EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(WirelessKeys, WepIsCheckedBeforeThePassphrase) {
  ShowWirelessPage();
  TKestrune& w = Wep(0);  // key 1 is the default key, empty
  w.WPAGroup->setEnabled(true);
  w.WAPpasswordEdit->setText("1234567");
  w.WirelessNetEdt->setFocus();
  EXPECT_TRUE(w.CheckWirelessKeys());
  EXPECT_EQ(boxes.Boxes(),
            std::vector{Box(BoxKind::Information, "Information",
                            "Password 1,please input 64-bit(104+24)-10 hexadecimal digits ")});
  EXPECT_TRUE(w.WepPasswordEdt1->hasFocus());

  boxes.Clear();
  Leave(1, QString(10, 'a'));
  w.WirelessNetEdt->setFocus();
  EXPECT_TRUE(w.CheckWirelessKeys());
  EXPECT_EQ(boxes.Boxes(), std::vector{Box(BoxKind::Information, "Information", kPassphraseText)});
  EXPECT_TRUE(w.WirelessNetEdt->hasFocus()) << "the passphrase refusal keeps the focus";
}

TEST_F(WirelessKeys, PassphraseCheck) {
  TKestrune& w = Window();
  Choose(w.AuthenticationTypeCob, 4);
  for (const char* text : {"", "abcdefg"}) {
    boxes.Clear();
    w.WAPpasswordEdit->setText(text);
    EXPECT_TRUE(w.CheckWirelessKeys()) << text;
    EXPECT_EQ(boxes.Boxes(),
              std::vector{Box(BoxKind::Information, "Information", kPassphraseText)});
  }
  for (const char* text :
       {"abcdefgh", "        ", "\xe4\xb8\xad\xe4\xb8\xad\xe4\xb8\xad\xe4\xb8\xad!!!!"}) {
    boxes.Clear();
    w.WAPpasswordEdit->setText(QString::fromUtf8(text));
    EXPECT_FALSE(w.CheckWirelessKeys()) << text;
    EXPECT_TRUE(boxes.Boxes().empty());
  }
}

// ------------------------------------------------- Set-like sequences

// The order of a Set click with the adapter active: marks, trim, lengths, check.
bool SetSequence(TKestrune& w) {
  w.CollectShortKeyMarks();
  if (!w.ShortKeyMarks->isEmpty()) return true;
  w.TrimWepKeysToMode();
  w.ApplyWepKeyLengths();
  return w.CheckWirelessKeys();
}

TEST_F(WirelessKeys, FullKeyOfALongerModeThenASecondSet) {
  ShowWirelessPage();
  TKestrune& w = Wep(1);
  const QString key(26, 'c');
  w.WepPasswordEdt1->setFocus();
  QTest::keyClicks(w.WepPasswordEdt1, key);
  w.WirelessNetEdt->setFocus();  // leaves key 1: mode 1 recorded
  Choose(w.PasswordModeCob, 0);

  EXPECT_FALSE(SetSequence(w));
  EXPECT_EQ(*w.ShortKeyMarks, QStringList{});
  EXPECT_EQ(w.WepPasswordEdt1->text(), key) << "recorded mode 1: nothing cut";
  EXPECT_EQ(w.WepPasswordEdt1->MaxLength(), 10);
  EXPECT_TRUE(boxes.Boxes().empty());
  EndOfSetClick();

  // Without leaving the edit again no mode is recorded any more.
  EXPECT_TRUE(SetSequence(w));
  EXPECT_EQ(*w.ShortKeyMarks, QStringList{});
  EXPECT_EQ(WepKeyMode1, 4);
  EXPECT_EQ(w.WepPasswordEdt1->text(), key);
  EXPECT_EQ(boxes.Boxes(),
            std::vector{Box(BoxKind::Information, "Information",
                            "Password 1,please input 64-bit(104+24)-10 hexadecimal digits ")});
  EXPECT_TRUE(w.WepPasswordEdt1->hasFocus());
}

TEST_F(WirelessKeys, SecondSetRecordsOnlyExactLengths) {
  TKestrune& w = Wep(0);
  Leave(1, QString(10, '1'));
  Leave(2, QString(4, '2'));
  Leave(3, QString(15, '3'));
  EXPECT_EQ(Marks(), QStringList{"p2=0"});
  EndOfSetClick();

  EXPECT_FALSE(SetSequence(w)) << "no marks, key 1 of exact length passes";
  EXPECT_EQ(*w.ShortKeyMarks, QStringList{});
  EXPECT_EQ(Edit(3)->text(), QString(15, '3')) << "no recorded mode: not cut";
  EXPECT_EQ(std::vector<int>(WepKeyModes.begin(), WepKeyModes.end()),
            (std::vector<int>{0, 4, 4, 4}));
}

}  // namespace
}  // namespace app_tests

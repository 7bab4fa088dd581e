// The WEP key state and the password-mode table.
#include "app/wireless_keys.h"

std::array<QString, kWepKeyCount> WepKeyTexts;
std::array<int, kWepKeyCount> WepKeyModes{kNoRecordedMode, kNoRecordedMode, kNoRecordedMode,
                                          kNoRecordedMode};
std::array<QString, kWepKeyCount> WepKeyTypes{QStringLiteral("0"), QStringLiteral("0"),
                                              QStringLiteral("0"), QStringLiteral("0")};

namespace {

struct PasswordMode {
  int keyLength;
  const char* typeCode;
  // %1 is the key number; the hexadecimal 64-bit text has no blank after the
  // comma, the others have one, and every text ends with a blank.
  const char* refusal;
};

constexpr std::array<PasswordMode, 4> kPasswordModes{{
    {10, "0", "Password %1,please input 64-bit(104+24)-10 hexadecimal digits "},
    {26, "0", "Password %1, please input 128-bit(104+24)-26 hexadecimal digits "},
    {5, "1", "Password %1, please input 64-bit(40+24)-5 ASCII characters "},
    {13, "1", "Password %1, please input 128-bit(104+24)-13 ASCII characters "},
}};

}  // namespace

void ResetWepKeyState() {
  for (int key = 0; key < kWepKeyCount; ++key) {
    WepKeyTexts[key].clear();
    WepKeyModes[key] = kNoRecordedMode;
    WepKeyTypes[key] = QStringLiteral("0");
  }
}

bool IsPasswordMode(int mode) { return mode >= 0 && mode < int(kPasswordModes.size()); }

int WepKeyLength(int mode) { return IsPasswordMode(mode) ? kPasswordModes[mode].keyLength : 0; }

QString WepKeyTypeCode(int mode) {
  return IsPasswordMode(mode) ? QString::fromLatin1(kPasswordModes[mode].typeCode) : QString();
}

QString WepKeyRefusalText(int key, int mode) {
  if (!IsPasswordMode(mode)) return {};
  return QString::fromLatin1(kPasswordModes[mode].refusal).arg(key);
}

QString PassphraseRefusalText() {
  return QStringLiteral(
      "please input 8 and 64 characters long for ASCII or 8 and 64 "
      "characters(0-9,a-f,A-F) for hex ");
}

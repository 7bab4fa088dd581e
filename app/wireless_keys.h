#pragma once
// The state of the wireless page's four WEP keys while the user edits them,
// and the password modes they are checked against. The values live for the
// whole run, are shared by the page's handlers, its upload and its option
// list, and are never saved.
#include <QString>
#include <array>

inline constexpr int kWepKeyCount = 4;
// The recorded mode of a key for which no password mode is recorded.
inline constexpr int kNoRecordedMode = 4;

// Indexed by key number - 1. WepKeyTexts: the whole text of each key as it
// was when the user last left its edit. WepKeyModes: the password mode
// recorded for each key, or kNoRecordedMode. WepKeyTypes: the type code sent
// for each key, "0" hexadecimal, "1" ASCII.
extern std::array<QString, kWepKeyCount> WepKeyTexts;
extern std::array<int, kWepKeyCount> WepKeyModes;
extern std::array<QString, kWepKeyCount> WepKeyTypes;

// The names by which the rest of the window reads single keys.
inline QString& WepKeyText1 = WepKeyTexts[0];
inline QString& WepKeyText2 = WepKeyTexts[1];
inline QString& WepKeyText3 = WepKeyTexts[2];
inline QString& WepKeyText4 = WepKeyTexts[3];
inline int& WepKeyMode1 = WepKeyModes[0];
inline int& WepKeyMode2 = WepKeyModes[1];
inline int& WepKeyMode3 = WepKeyModes[2];
inline int& WepKeyMode4 = WepKeyModes[3];
inline QString& WepKeyType1 = WepKeyTypes[0];
inline QString& WepKeyType2 = WepKeyTypes[1];
inline QString& WepKeyType3 = WepKeyTypes[2];
inline QString& WepKeyType4 = WepKeyTypes[3];

// Puts every key back to its start-of-run state.
void ResetWepKeyState();

// The password modes of PasswordModeCob (index 0..3).
bool IsPasswordMode(int mode);
// The key length of a password mode: 10, 26, 5 or 13; 0 for any other index.
int WepKeyLength(int mode);
// The type code a key of full length gets in a password mode: "0" for the
// hexadecimal modes 0 and 1, "1" for the ASCII modes 2 and 3.
QString WepKeyTypeCode(int mode);

// The information text refusing key 1..4 in password mode 0..3.
QString WepKeyRefusalText(int key, int mode);
// The information text refusing a passphrase shorter than 8 characters.
QString PassphraseRefusalText();
inline constexpr int kMinPassphraseLength = 8;

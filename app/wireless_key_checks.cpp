// The wireless page's key handlers and the key checks run before an upload.
#include <algorithm>

#include "app/KestruneMain.h"
#include "app/wireless_controls.h"
#include "app/wireless_keys.h"
#include "platform/qt/messages.h"

namespace {

// Blank in the sense of the key rules: nothing left once spaces and control
// characters are removed from both ends.
bool IsBlank(const QString& text) {
  return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= u' '; });
}

// Leaving key edit `key` (1..4) records its text, and in a password mode its
// type code (full length only) and its mode (non-blank keys only).
void RecordLeftKey(TKestrune& w, int key) {
  const int index = key - 1;
  const int mode = w.PasswordModeCob->ItemIndex();
  const QString text = WepKeyEdits(w)[index]->text();
  if (IsPasswordMode(mode)) {
    if (text.size() >= WepKeyLength(mode)) WepKeyTypes[index] = WepKeyTypeCode(mode);
    if (!IsBlank(text)) WepKeyModes[index] = mode;
  }
  WepKeyTexts[index] = text;
}

// Whether the default key fails the check of the current password mode.
bool DefaultKeyRefused(int mode, const QString& text, int recordedMode) {
  if (!IsPasswordMode(mode)) return false;
  if (text.size() < WepKeyLength(mode)) return true;
  // The hexadecimal modes also want a mode recorded for the key.
  return mode <= 1 && recordedMode == kNoRecordedMode;
}

}  // namespace

void TKestrune::WepPasswordEdt1Exit() { RecordLeftKey(*this, 1); }
void TKestrune::WepPasswordEdt2Exit() { RecordLeftKey(*this, 2); }
void TKestrune::WepPasswordEdt3Exit() { RecordLeftKey(*this, 3); }
void TKestrune::WepPasswordEdt4Exit() { RecordLeftKey(*this, 4); }

void TKestrune::WAPpasswordEditExit() {
  if (WAPpasswordEdit->text().size() < kMinPassphraseLength)
    platform::ShowInformation(PassphraseRefusalText());
}

void TKestrune::ApplyWepKeyLengths() {
  const int mode = PasswordModeCob->ItemIndex();
  if (!IsPasswordMode(mode)) return;
  const int length = WepKeyLength(mode);
  const auto edits = WepKeyEdits(*this);
  for (int index = 0; index < kWepKeyCount; ++index) {
    if (edits[index]->text().size() == length)
      WepKeyModes[index] = mode;
    else
      edits[index]->SetMaxLength(length);  // never cuts the text
  }
}

void TKestrune::CollectShortKeyMarks() {
  ShortKeyMarks = std::make_unique<QStringList>();
  if (!OwnEnabled(WEPGroup)) return;
  // Each key against the text and mode recorded when it was last left.
  for (int index = 0; index < kWepKeyCount; ++index) {
    const int recorded = WepKeyModes[index];
    if (IsPasswordMode(recorded) && WepKeyTexts[index].size() < WepKeyLength(recorded))
      ShortKeyMarks->append(QStringLiteral("p%1=%2").arg(index + 1).arg(recorded));
  }
}

void TKestrune::TrimWepKeysToMode() {
  const auto edits = WepKeyEdits(*this);
  for (int index = 0; index < kWepKeyCount; ++index) {
    const int recorded = WepKeyModes[index];
    if (!IsPasswordMode(recorded)) continue;
    const int length = WepKeyLength(recorded);
    if (edits[index]->text().size() > length)
      edits[index]->setText(edits[index]->text().left(length));
  }
}

bool TKestrune::CheckWirelessKeys() {
  if (OwnEnabled(WEPGroup)) {
    const int mode = PasswordModeCob->ItemIndex();
    const auto edits = WepKeyEdits(*this);
    const auto radios = WepKeyRadios(*this);
    for (int index = 0; index < kWepKeyCount; ++index) {
      if (!radios[index]->Checked()) continue;
      if (DefaultKeyRefused(mode, edits[index]->text(), WepKeyModes[index])) {
        platform::ShowInformation(WepKeyRefusalText(index + 1, mode));
        edits[index]->setFocus();
        return true;
      }
    }
  }
  if (OwnEnabled(WPAGroup) && WAPpasswordEdit->text().size() < kMinPassphraseLength) {
    platform::ShowInformation(PassphraseRefusalText());
    return true;
  }
  return false;
}

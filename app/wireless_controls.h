#pragma once
// The wireless page's per-key controls by key number - 1, so that the four
// keys share one piece of code.
#include <QWidget>
#include <array>

#include "app/KestruneMain.h"
#include "app/wireless_keys.h"

inline std::array<platform::TEdit*, kWepKeyCount> WepKeyEdits(const TKestrune& w) {
  return {w.WepPasswordEdt1, w.WepPasswordEdt2, w.WepPasswordEdt3, w.WepPasswordEdt4};
}

inline std::array<platform::TRadioButton*, kWepKeyCount> WepKeyRadios(const TKestrune& w) {
  return {w.WepPasswordRadio1, w.WepPasswordRadio2, w.WepPasswordRadio3, w.WepPasswordRadio4};
}

// A control's own Enabled flag, whatever its parents' state.
inline bool OwnEnabled(const QWidget* control) {
  return !control->testAttribute(Qt::WA_ForceDisabled);
}

#include <QPointer>

#include "dialogs/IPConfig.h"

void ShowIPConfigDialog() noexcept {
  QPointer<TIPconfigFrm> dialog;
  try {
    dialog = new TIPconfigFrm();
    dialog->ShowModal();
  } catch (...) {
    // Dropped on purpose: a dialog that fails to open shows nothing.
  }
  // Closing only schedules the deletion; nothing outlives the opening.
  delete dialog.data();
}

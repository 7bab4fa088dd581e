#pragma once
// Builds the QMessageBox of one box kind: caption, icon and buttons.
#include <QMessageBox>
#include <memory>

#include "platform/qt/messages.h"

namespace platform {

std::unique_ptr<QMessageBox> BuildMessageBox(BoxKind kind, const QString& caption,
                                             const QString& text, QWidget* parent = nullptr);

}  // namespace platform

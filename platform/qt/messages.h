#pragma once
// The program's five message boxes, behind a seam that tests replace.
#include <QString>
#include <functional>

namespace platform {

enum class BoxKind { Information, Plain, Warning, Confirmation, Error };

// Shows one modal box and waits until it is closed; returns true for "OK"
// (always true for the one-button boxes).
using MessageBoxSeam =
    std::function<bool(BoxKind kind, const QString& caption, const QString& text)>;
void SetMessageBoxSeam(MessageBoxSeam seam);  // empty restores the QMessageBox one

void ShowInformation(const QString& text);  // "Information", information icon
void ShowPlain(const QString& text);        // application title, no icon
void ShowWarning(const QString& text, const QString& caption = QStringLiteral("notice"));
bool ShowConfirmation(const QString& text);  // "Confirm", "OK" (default) and "Cancel"
void ShowErrorBox(const QString& message);   // application title, "." rule applied

}  // namespace platform

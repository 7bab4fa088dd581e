// Start-up: the application, its title, the one main window, the message loop.
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include "app/KestruneMain.h"
#include "device/Vandrel.h"
#include "platform/qt/guard.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Pellmora");
  QApplication::setApplicationDisplayName("Pellmora");
  Vandrel::SetProcessMessages(platform::ProcessPendingMessages);

  TKestrune window;
  // Centred on the screen.
  if (QScreen* screen = QGuiApplication::primaryScreen())
    window.move(screen->availableGeometry().center() - window.rect().center());
  window.show();
  return QApplication::exec();
}

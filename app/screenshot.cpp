// Writes a picture of the main window as a user first sees it:
// pellmora-screenshot <file.png>
#include <QApplication>
#include <QPixmap>
#include <cstdio>

#include "app/KestruneMain.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <file.png>\n", argv[0]);
    return 2;
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName("Pellmora");
  TKestrune window;
  window.show();
  QApplication::processEvents();
  if (!window.grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}

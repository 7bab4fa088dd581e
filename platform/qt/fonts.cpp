#include "platform/qt/fonts.h"

#include <QStringList>

namespace platform {
namespace {

QFont PixelFont(const QStringList& families, int pixels) {
  QFont font(families.front());
  font.setFamilies(families);
  font.setPixelSize(pixels);
  return font;
}

}  // namespace

QFont WindowFont() {
  return PixelFont({"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arial"}, 11);
}

QFont SongFont() {
  return PixelFont(
      {QString::fromUtf8("宋体"), "SimSun", "NSimSun", "WenQuanYi Zen Hei", "Noto Sans CJK SC"},
      13);
}

}  // namespace platform

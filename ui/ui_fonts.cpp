#include "ui_fonts.h"

namespace UiFonts {

namespace {

QFont condensed(QFont font) {
  font.setStretch(QFont::SemiCondensed);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

} // namespace

QFont pixels(int pixelSize, bool bold) {
  QFont font(kFamily);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return condensed(font);
}

QFont base() {
  return pixels(kBasePixelSize);
}

QFont points(int pointSize, bool bold) {
  QFont font(kFamily);
  font.setPointSize(pointSize);
  font.setBold(bold);
  return condensed(font);
}

} // namespace UiFonts

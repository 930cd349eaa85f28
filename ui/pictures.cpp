#include "pictures.h"

#include <QString>

// Resources of a static library are registered by hand, outside any namespace.
static void RegisterPictureResources() {
  Q_INIT_RESOURCE(pictures);
}

namespace Pictures {

namespace {

QPixmap load(const QString &path) {
  static const bool registered = (RegisterPictureResources(), true);
  Q_UNUSED(registered);
  return QPixmap(path);
}

QString numbered(const char *stem, int n) {
  return QStringLiteral(":/pictures/%1%2.jpg").arg(QLatin1String(stem)).arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

QPixmap banner() {
  return load(QStringLiteral(":/pictures/banner.jpg"));
}

QPixmap paletteSwatch(int n) {
  return load(numbered("palette", n));
}

QPixmap puSwatch(int n) {
  return load(numbered("pu", n));
}

} // namespace Pictures

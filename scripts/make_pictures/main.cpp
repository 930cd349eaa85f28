// Draws the banner and the flat colour swatches that the windows show, as JPEG files.
// Usage: make_pictures <output directory>
#include "palette.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTextStream>

namespace {

constexpr int kQuality = 92;
// Swatches are larger than the 46 x 38 frames that show their top-left part.
constexpr QSize kSwatchSize(64, 52);
// The picker scales its last picture into the frame instead.
constexpr QSize kScaledSwatchSize(92, 76);
constexpr int kScaledPUEntry = 13;
constexpr QSize kBannerSize(653, 130);

bool Save(const QImage &image, const QDir &dir, const QString &name) {
  const QString path = dir.filePath(name);
  if (!image.save(path, "JPEG", kQuality)) {
    QTextStream(stderr) << "cannot write " << path << '\n';
    return false;
  }
  return true;
}

QImage Swatch(const SwatchRgb &rgb, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(QColor(rgb.r, rgb.g, rgb.b));
  return image;
}

QString Numbered(const char *stem, int n) {
  return QStringLiteral("%1%2.jpg").arg(QLatin1String(stem)).arg(n, 2, 10, QLatin1Char('0'));
}

QFont BannerFont(int pixelSize, bool bold) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

QImage Banner() {
  QImage image(kBannerSize, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);

  QLinearGradient sky(0, 0, kBannerSize.width(), kBannerSize.height());
  sky.setColorAt(0.0, QColor(18, 62, 104));
  sky.setColorAt(0.55, QColor(32, 110, 150));
  sky.setColorAt(1.0, QColor(64, 105, 60));
  painter.fillRect(image.rect(), sky);

  // A roof line with drops of liquid coating, drawn as simple shapes.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 40));
  const QPolygon roof{{430, 118}, {540, 28}, {650, 118}};
  painter.drawPolygon(roof);
  painter.setBrush(QColor(255, 255, 255, 70));
  for (int i = 0; i < 4; ++i)
    painter.drawEllipse(QPoint(470 + i * 40, 104 - (i % 2) * 10), 7, 9);

  painter.setPen(Qt::white);
  painter.setFont(BannerFont(34, true));
  painter.drawText(QRect(24, 18, 600, 48), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("ГК ЛРС «Ладомир»"));
  painter.setPen(QColor(225, 238, 245));
  painter.setFont(BannerFont(15, false));
  painter.drawText(QRect(26, 70, 600, 22), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Жидкая кровля  •  Защитные покрытия  •  Краски"));
  painter.setFont(BannerFont(12, false));
  painter.drawText(QRect(26, 96, 600, 20), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Подбор продукции для Вашего объекта"));
  return image;
}

} // namespace

int main(int argc, char *argv[]) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    QTextStream(stderr) << "usage: make_pictures <output directory>\n";
    return 2;
  }
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  if (!QDir().mkpath(dir.path()))
    return 1;

  bool ok = Save(Banner(), dir, QStringLiteral("banner.jpg"));
  for (int n = 1; n <= kPaletteSize; ++n) {
    const PaletteColour &colour = Palette()[static_cast<std::size_t>(n - 1)];
    if (colour.hasSwatch)
      ok = Save(Swatch(colour.swatch, kSwatchSize), dir, Numbered("palette", n)) && ok;
  }
  for (int n = 1; n <= kPUColourCount; ++n) {
    const QSize size = n == kScaledPUEntry ? kScaledSwatchSize : kSwatchSize;
    ok = Save(Swatch(PUColours()[static_cast<std::size_t>(n - 1)].swatch, size), dir, Numbered("pu", n)) && ok;
  }
  return ok ? 0 : 1;
}

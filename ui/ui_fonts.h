#pragma once

#include <QFont>
#include <QString>

// The windows were laid out for an 8-point Tahoma. Linux has no Tahoma, so they use
// DejaVu Sans (Cyrillic, always installed), slightly condensed so that every caption
// keeps fitting the fixed positions.
namespace UiFonts {

inline const QString kFamily = QStringLiteral("DejaVu Sans");
inline constexpr int kBasePixelSize = 11; // Tahoma 8 pt at 96 dpi

// A font of the family at `pixelSize`, condensed like every window font.
QFont pixels(int pixelSize, bool bold = false);
// The default font of the windows.
QFont base();
// A font of the offer view at `pointSize` (the offer's formats are in points).
QFont points(int pointSize, bool bold = false);

} // namespace UiFonts

#pragma once

// The colour swatch grids of the palette page and the polyurethane picker: equal frames
// at an equal pitch, filled column by column.

#include <QLabel>
#include <QRect>
#include <QString>

#include <array>
#include <cstddef>

namespace SwatchGrid {

inline constexpr QSize kSwatchSize(46, 38);
inline constexpr int kFirstRowY = 3;
inline constexpr int kRowPitch = 44;

// The frame of entry `index` (0-based) in a grid of `rows` rows whose columns start at `columnX`.
template <std::size_t Columns> QRect Frame(int index, int rows, const std::array<int, Columns> &columnX) {
  const QPoint topLeft(columnX[static_cast<std::size_t>(index / rows)], kFirstRowY + (index % rows) * kRowPitch);
  return QRect(topLeft, kSwatchSize);
}

// Makes `label` the swatch of entry n (1-based), named for the click handlers; the pictures
// are larger than their frames, so the top-left part shows.
inline void PlaceSwatch(QLabel *label, int n, const QRect &frame) {
  label->setObjectName(QStringLiteral("imgCol%1").arg(n));
  label->setGeometry(frame);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

} // namespace SwatchGrid

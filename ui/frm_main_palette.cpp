// Page 5: the 26-colour palette, each radio button with its swatch to the left.
#include "frm_main.h"

#include "pictures.h"
#include "swatch_grid.h"
#include "ui_fonts.h"

#include <QLabel>
#include <QRadioButton>
#include <QString>

namespace {

constexpr int kRowsPerColumn = 9;
constexpr std::array<int, 3> kSwatchX{3, 167, 335};
constexpr int kButtonOffset = 52; // from a swatch's left edge to its button
constexpr int kButtonHeight = 21;
constexpr int kButtonWidth = 110; // up to the next column's swatch
constexpr int kLastButtonWidth = 250;
// The longest names ("Королевский пурпур") must end before the next column's swatch.
constexpr int kCaptionPixelSize = 10;
constexpr int kCaptionStretch = 80; // between Condensed and SemiCondensed
const QString kCompactButton = QStringLiteral("QRadioButton { spacing: 3px; }");

QFont CaptionFont() {
  QFont font = UiFonts::pixels(kCaptionPixelSize);
  font.setStretch(kCaptionStretch);
  return font;
}

} // namespace

void TfrmMain::buildPalettePage() {
  for (int n = 1; n <= kPaletteSize; ++n) {
    const int index = n - 1;
    const int column = index / kRowsPerColumn;
    const QRect frame = SwatchGrid::Frame(index, kRowsPerColumn, kSwatchX);
    const PaletteColour &colour = Palette()[static_cast<std::size_t>(index)];

    auto *swatch = new QLabel(tsColor);
    SwatchGrid::PlaceSwatch(swatch, n, frame);
    if (colour.hasSwatch)
      swatch->setPixmap(Pictures::paletteSwatch(n));
    imgCol[static_cast<std::size_t>(index)] = swatch;

    auto *button = new QRadioButton(QString::fromUtf16(colour.caption), tsColor);
    button->setObjectName(QStringLiteral("rbCol%1").arg(n));
    button->setProperty("tag", colour.surcharge);
    button->setFont(CaptionFont());
    button->setStyleSheet(kCompactButton);
    const int width = column + 1 < static_cast<int>(kSwatchX.size()) ? kButtonWidth : kLastButtonWidth;
    button->setGeometry(frame.x() + kButtonOffset, frame.y() + (frame.height() - kButtonHeight) / 2, width,
                        kButtonHeight);
    rbCol[static_cast<std::size_t>(index)] = button;
  }
}

void TfrmMain::rbColClick(int n) {
  m_wizard.rbColClick(n);
}

void TfrmMain::refreshPalette() {
  const int selected = m_wizard.selectedPaletteColour();
  if (selected >= 1 && selected <= kPaletteSize)
    rbCol[static_cast<std::size_t>(selected - 1)]->setChecked(true);
}

#pragma once

#include "selection_state.h"

#include <QString>
#include <array>
#include <cstdint>

struct SwatchRgb {
  std::uint8_t r, g, b;
};

// One colour of the 26-colour palette (page 5).
struct PaletteColour {
  const char16_t *caption; // sColorName, exactly (entry 23 has a leading blank)
  double surcharge;        // dColorExtra, roubles per kg
  bool hasSwatch;          // entry 23 has no picture
  SwatchRgb swatch;
};

// One entry of the 13-colour polyurethane picker.
struct PUColour {
  const char16_t *label; // caption of lblColN
  const char16_t *name;  // what the entry sets in sPUColorName
  double surcharge;      // what it sets in dPUColorExtra
  SwatchRgb swatch;
};

inline constexpr int kPaletteSize = 26;
inline constexpr int kPUColourCount = 13;
inline constexpr int kDefaultPaletteColour = 1; // "Лист ландыша", selected at start

const std::array<PaletteColour, kPaletteSize> &Palette();
const std::array<PUColour, kPUColourCount> &PUColours();

// Palette button n (1..26) clicked: sColorName and dColorExtra from the palette.
void ApplyPaletteColour(SelectionState &state, int n);
// Picker entry n (1..13) chosen: sPUColorName and dPUColorExtra from the picker table.
void ApplyPUColour(SelectionState &state, int n);
// Sets the polyurethane colour nearest to a palette colour name; a name that
// matches no key leaves both values unchanged.
void MapToPUColor(SelectionState &state, const QString &colourName);
// The entry number taken from a picker control's name ("imgCol7", "lblCol12"); 0 if none.
int PUColourNumberFromControlName(const QString &name);

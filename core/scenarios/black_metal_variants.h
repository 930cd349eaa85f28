#pragma once

#include "scenario.h"

#include <QString>

// The black-metal coating offer that waterproofing of metal structures and
// anticorrosion treatment share: heading, four variants and two more in summer.
// Only the notes of the first two variants differ between the two work types.
struct BlackMetalNotes {
  QString sealant; // variant 1, Сольвира Металл Антикор
  QString polymer; // variant 2, Верилакс Металл Про
};

void WriteBlackMetalOffer(ScenarioCall &call, const BlackMetalNotes &notes);

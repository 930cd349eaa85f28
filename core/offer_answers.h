#pragma once

#include <QString>

// The answers as the offer composer reads them at the moment it runs: the selected
// items of the wizard's lists and the captions of page 3.
struct OfferAnswers {
  QString work;         // page 0, rgTipRabot
  QString object;       // page 1, rgVidObj
  QString material;     // page 2, rgMaterial
  QString mainAnswer;   // page 3, rgTemperature
  QString secondAnswer; // page 3, rgOgneStoi
  int secondIndex = 0;  // selected index of rgOgneStoi
  QString page3Caption; // caption of the tab tsTemperature
  QString secondLabel;  // caption of lblPredel
};

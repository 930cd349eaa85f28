#pragma once

#include "offer_answers.h"
#include "offer_context.h"

// Composes the whole offer from the answers: applies the colour default, computes
// bSummer, empties the document, writes the summary and dispatches to one scenario.
void PredZakaz(OfferContext &ctx, const OfferAnswers &answers, bool bPUColorUpdate);

struct ScenarioCall;
using ScenarioWriter = void (*)(ScenarioCall &);
// The scenario that the first matching dispatch rule names for the keys W8, V6 and M5,
// or nullptr when no rule holds (the offer is then the summary alone).
ScenarioWriter SelectScenario(const QString &W8, const QString &V6, const QString &M5);

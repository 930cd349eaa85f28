#pragma once

#include "offer_answers.h"
#include "offer_context.h"

// Composes the whole offer from the answers: applies the colour default, computes
// bSummer, empties the document, writes the summary and dispatches to one scenario.
void PredZakaz(OfferContext &ctx, const OfferAnswers &answers, bool bPUColorUpdate);

#include "offer_composer.h"

// Placeholder until this part is written.
void PredZakaz(OfferContext &ctx, const OfferAnswers &, bool) { ctx.doc.clear(); }

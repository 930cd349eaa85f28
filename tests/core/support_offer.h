#pragma once

#include "offer_answers.h"
#include "offer_composer.h"
#include "offer_context.h"

#include <QString>
#include <QStringList>

// A composition outside the wizard: the state, the document and the buttons it writes.
struct ComposedOffer {
  SelectionState state;
  OfferDocument doc;
  OfferButtons buttons;

  OfferContext context() { return OfferContext{doc, state, buttons}; }
  void compose(const OfferAnswers &answers, bool bPUColorUpdate = true) {
    OfferContext ctx = context();
    PredZakaz(ctx, answers, bPUColorUpdate);
  }
  QStringList lines() const;
};

// The text of every line, one per entry.
QStringList LinesOf(const OfferDocument &doc);
// Reads tests/golden/<name>.txt as lines (UTF-8, one document line per text line).
QStringList ReadGolden(const QString &name);
// A readable line-by-line difference ("" when equal) for failure messages.
QString DescribeDifference(const QStringList &expected, const QStringList &actual);

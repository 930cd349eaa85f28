#pragma once

#include "golden_files.h"
#include "offer_answers.h"
#include "offer_composer.h"
#include "offer_context.h"

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

// The line under every scenario heading and variant title.
inline const QString kSeparator = QStringLiteral("---------------");
// The computed title of the first variant.
inline const QString kFirstVariant = QStringLiteral("Вариант  Первый :");

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
// The lines joined by newlines, for readable failure messages.
std::string Joined(const QStringList &lines);
// The first line index whose text equals `text`, or -1.
int IndexOfLine(const ComposedOffer &offer, const QString &text, int from = 0);
// The lines after the summary, which ends with its second rule and an empty line; none
// when there is no such rule.
QStringList LinesAfterSummary(const QStringList &lines);
// The variant titles of an offer: every line that begins with "Вариант".
QStringList VariantTitles(const QStringList &lines);
// The product number whose catalogue name begins `line`, the longest such name; 0 if none.
int ProductOfLine(const QString &line);
// Products priced from line `from` up to the next variant title (or the end).
std::vector<int> ProductsFrom(const QStringList &lines, qsizetype from);

#pragma once

// Offer documents built from a list of calls, for the document and RTF tests.

#include "offer_document.h"

#include <vector>

// The fonts the offer view writes in: plain lines of a fresh view, coloured lines.
inline const QString kTahoma = QStringLiteral("Tahoma");
inline const QString kMsSansSerif = QStringLiteral("MS Sans Serif");

// One call on the document.
struct DocumentStep {
  enum Kind { Colored, Plain, Clear } kind;
  QString text;
  LineColor color = kBlack;
  bool bold = false;
  int size = 8;
};

inline DocumentStep Colored(const QString &text, LineColor color, bool bold, int size = 8) {
  return DocumentStep{DocumentStep::Colored, text, color, bold, size};
}
inline DocumentStep Plain(const QString &text) {
  return DocumentStep{DocumentStep::Plain, text};
}
inline DocumentStep Clear() {
  return DocumentStep{DocumentStep::Clear, QString()};
}

inline void Apply(OfferDocument &doc, const DocumentStep &step) {
  switch (step.kind) {
  case DocumentStep::Colored:
    doc.addColoredLine(step.text, step.color, step.bold, step.size);
    break;
  case DocumentStep::Plain:
    doc.addPlainLine(step.text);
    break;
  case DocumentStep::Clear:
    doc.clear();
    break;
  }
}

inline OfferDocument DocumentOf(const std::vector<DocumentStep> &steps) {
  OfferDocument doc;
  for (const DocumentStep &step : steps)
    Apply(doc, step);
  return doc;
}

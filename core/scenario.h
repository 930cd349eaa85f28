#pragma once

#include "offer_answers.h"
#include "offer_context.h"

#include <QString>
#include <functional>
#include <initializer_list>

// Everything a scenario reads: where to write, the answers, their keys and flags.
struct ScenarioCall {
  OfferContext &ctx;
  const OfferAnswers &answers;
  QString W8, V6, M5, T6, T15, T8, Q8; // answer keys, see SelectionKey
  bool bR90 = true;                    // rgOgneStoi's first item selected
  bool bPUColorUpdate = true;

  SelectionState &state() const { return ctx.state; }
};

// "Вариант " + VariantOrdinal(k) + ":"; VariantOrdinal(k) is " Первый " ... " Десятый ", else "".
QString VariantOrdinal(int k);
QString VariantHeading(int k);

// One row of a scenario table. Rows are written in order by WriteRows.
struct ScenarioRow {
  enum class Kind { Heading, Note, Plain, Separator, Variant, Action };
  Kind kind;
  QString text;
  LineColor color = kBlack;
  bool bold = true;
  int variantNumber = 0;
  std::function<void(ScenarioCall &)> action; // calc, priced and action rows

  static ScenarioRow heading(const QString &text, LineColor color = kBlack, bool bold = true) {
    return {Kind::Heading, text, color, bold, 0, {}};
  }
  static ScenarioRow note(const QString &text, LineColor color = kPurple, bool bold = false) {
    return {Kind::Note, text, color, bold, 0, {}};
  }
  static ScenarioRow plain(const QString &text) { return {Kind::Plain, text, kBlack, false, 0, {}}; }
  static ScenarioRow separator() { return {Kind::Separator, QString(), kBlack, false, 0, {}}; }
  static ScenarioRow variant(int k) { return {Kind::Variant, QString(), kBlack, true, k, {}}; }
  static ScenarioRow call(std::function<void(ScenarioCall &)> fn) {
    return {Kind::Action, QString(), kBlack, false, 0, std::move(fn)};
  }
};

inline const QString kSeparatorLine = QStringLiteral("---------------");

void WriteRows(ScenarioCall &call, std::initializer_list<ScenarioRow> rows);

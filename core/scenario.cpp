#include "scenario.h"

#include <array>

QString VariantOrdinal(int k) {
  static const std::array<QString, 10> ordinals = {QStringLiteral(" Первый "),  QStringLiteral(" Второй "),
                                                   QStringLiteral(" Третий "),  QStringLiteral(" Четвёртый "),
                                                   QStringLiteral(" Пятый "),   QStringLiteral(" Шестой "),
                                                   QStringLiteral(" Седьмой "), QStringLiteral(" Восьмой "),
                                                   QStringLiteral(" Девятый "), QStringLiteral(" Десятый ")};
  if (k < 1 || k > static_cast<int>(ordinals.size()))
    return QString();
  return ordinals[static_cast<size_t>(k - 1)];
}

QString VariantHeading(int k) {
  // Built once: every variant of every offer starts with one.
  static const std::array<QString, 11> headings = [] {
    std::array<QString, 11> built;
    for (int n = 0; n < static_cast<int>(built.size()); ++n)
      built[static_cast<size_t>(n)] = QStringLiteral("Вариант ") + VariantOrdinal(n) + QStringLiteral(":");
    return built;
  }();
  const bool known = k >= 1 && k < static_cast<int>(headings.size());
  return headings[known ? static_cast<size_t>(k) : 0]; // VariantOrdinal(0) is ""
}

void WriteRows(ScenarioCall &call, std::initializer_list<ScenarioRow> rows) {
  OfferContext &ctx = call.ctx;
  for (const ScenarioRow &row : rows) {
    switch (row.kind) {
    case ScenarioRow::Kind::Heading:
    case ScenarioRow::Kind::Note:
      ctx.addColoredLine(row.text, row.color, row.bold);
      break;
    case ScenarioRow::Kind::Plain:
      ctx.addPlainLine(row.text);
      break;
    case ScenarioRow::Kind::Separator:
      ctx.addPlainLine(kSeparatorLine);
      break;
    case ScenarioRow::Kind::Variant:
      ctx.addColoredLine(VariantHeading(row.variantNumber), kBlack, true);
      break;
    case ScenarioRow::Kind::Action:
      row.action(call);
      break;
    }
  }
}

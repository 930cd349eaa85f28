#include "scenario.h"

#include <array>

QString VariantOrdinal(int k) {
  static const std::array<QString, 10> ordinals = {
      QStringLiteral(" Первый "),  QStringLiteral(" Второй "),    QStringLiteral(" Третий "),
      QStringLiteral(" Четвёртый "), QStringLiteral(" Пятый "),    QStringLiteral(" Шестой "),
      QStringLiteral(" Седьмой "), QStringLiteral(" Восьмой "),   QStringLiteral(" Девятый "),
      QStringLiteral(" Десятый ")};
  if (k < 1 || k > static_cast<int>(ordinals.size()))
    return QString();
  return ordinals[static_cast<size_t>(k - 1)];
}

QString VariantHeading(int k) { return QStringLiteral("Вариант ") + VariantOrdinal(k) + QStringLiteral(":"); }

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

#pragma once

// Golden cases of the foundation, facade, wall, floor and platform offers: each case is a
// wizard walk for waterproofing or floor coating, turned here into the answers the wizard
// holds at its end, and composed as the walk composes it (on arrival at the colour page,
// then after the colour click on the offer page).

#include "area_field.h"
#include "catalogue.h"
#include "offer_answers.h"
#include "palette.h"
#include "selection_key.h"
#include "support_offer.h"

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QStringList>
#include <optional>
#include <ostream>
#include <vector>

namespace golden_walk {

struct GoldenCase {
  QString name;
  QMap<QString, QString> options; // "--work" -> "1", ...
  QString line;                   // the case as written, for messages
};

inline void PrintTo(const GoldenCase &c, std::ostream *os) {
  *os << c.line.toStdString();
}

// The cases of tests/golden/<file>.cases: "<name> | --option value ...", '#' starts a comment.
inline std::vector<GoldenCase> ReadGoldenCases(const QString &file) {
  std::vector<GoldenCase> cases;
  QFile in(QStringLiteral(TINTORA_GOLDEN_DIR "/") + file + QStringLiteral(".cases"));
  if (!in.open(QIODevice::ReadOnly))
    return cases;
  const QStringList lines = QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'));
  for (const QString &raw : lines) {
    const QString line = raw.section(QLatin1Char('#'), 0, 0).trimmed();
    if (line.isEmpty())
      continue;
    GoldenCase c{line.section(QLatin1Char('|'), 0, 0).trimmed(), {}, line};
    const QStringList words =
        line.section(QLatin1Char('|'), 1).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    for (int i = 0; i + 1 < words.size(); i += 2)
      c.options.insert(words[i], words[i + 1]);
    cases.push_back(c);
  }
  return cases;
}

// The lists these walks pass through, as the wizard's rules write them.

inline const QStringList kWorkTypes = {
    QStringLiteral("Гидроизоляция (реставрация и создание нового кровельного покрытия, фундаменты, цоколи, плиты "
                   "перекрытия, фасады, полы, стены и потолки, площадки, дорожки, отмостки, бассейны, пруды, фонтаны, "
                   "металлоконструкции)."),
    QStringLiteral("Покрытие для пола, дорожек, площадок, отмосток. Снаружи и внутри помещений.")};

inline const QStringList kObjectsAll = {QStringLiteral("Кровля"),
                                        QStringLiteral("Фундамент/Цоколь/Плиты перекрытия"),
                                        QStringLiteral("Фасад"),
                                        QStringLiteral("Пол (внутри помещения)"),
                                        QStringLiteral("Стены и потолок (внутри помещения)"),
                                        QStringLiteral("Площадки, дорожки, отмостки (открытый воздух)"),
                                        QStringLiteral("Бассейны/Пруды/Фонтаны/Гидросооружения"),
                                        QStringLiteral("Металлоконструкции")};
inline const QStringList kObjectsFloorCoating = {QStringLiteral("Пол (внутри помещения)"),
                                                 QStringLiteral("Площадки, дорожки, отмостки (открытый воздух)")};

inline const QString kConcrete = QStringLiteral("Бетон, кирпич, штукатурка");
inline const QString kWood =
    QStringLiteral("Дерево, Фанера, OSB (Ориентированно-стружечная плита), ЦСП (Цементно-стружечная плита)");
inline const QString kBlackMetal = QStringLiteral("Металлочерепица/Профнастил/Черный металлопрокат");
inline const QString kBitumen = QStringLiteral("Битум и гудрон");
inline const QString kAsphalt = QStringLiteral("Асфальт");
inline const QString kTile = QStringLiteral("Плитка керамическая и керамогранит");
inline const QString kRubberCrumb = QStringLiteral("Покрытия из резиновой крошки и рулонной резины");
inline const QString kStone = QStringLiteral("Натуральный и искусственный камень");

// Materials offered for an object, by its 5-character key (the objects of these walks only).
inline QStringList MaterialsFor(const QString &object) {
  const QString v5 = SelectionKey(object, 1, 5);
  if (v5 == QStringLiteral("ФУНДА"))
    return {kConcrete, kBitumen, kTile};
  if (v5 == QStringLiteral("ФАСАД") || v5 == QStringLiteral("СТЕНЫ"))
    return {kConcrete, kWood, kTile, kStone};
  if (v5 == QStringLiteral("ПОЛ ("))
    return {kConcrete, kWood, kBlackMetal, kAsphalt, kTile, kRubberCrumb};
  if (v5 == QStringLiteral("ПЛОЩА"))
    return {kConcrete, kWood};
  return {};
}

inline const QStringList kSeasons = {QStringLiteral("Летнее время (Температура при окрашивании выше 0 градусов)"),
                                     QStringLiteral("Зимнее время (Температура при окрашивании ниже 0 градусов)")};
inline const QStringList kTransparency = {QStringLiteral("Цвет покрытия прозрачный"),
                                          QStringLiteral("Цвет покрытия непрозрачный")};

inline bool PageThreeSkipped(const QString &object, const QString &material) {
  const QString m5 = SelectionKey(material, 1, 5);
  const QString v5 = SelectionKey(object, 1, 5);
  if (QStringList{QStringLiteral("БИТУМ"), QStringLiteral("АСФАЛ"), QStringLiteral("НАТУР"), QStringLiteral("ПВХ (")}
          .contains(m5))
    return true;
  if (m5 == QStringLiteral("ПЛИТК"))
    return !QStringList{QStringLiteral("ФАСАД"), QStringLiteral("ПОЛ ("), QStringLiteral("СТЕНЫ")}.contains(v5);
  return m5 == QStringLiteral("МЕТАЛ") && (v5 == QStringLiteral("ПОЛ (") || v5 == QStringLiteral("БАССЕ"));
}

inline int Choice(const GoldenCase &c, const QString &option, int fallback = 1) {
  return c.options.contains(option) ? c.options.value(option).toInt() : fallback;
}

inline QString Pick(const QStringList &list, int oneBased) {
  return oneBased >= 1 && oneBased <= list.size() ? list[oneBased - 1] : QStringLiteral("<no such answer>");
}

// The answers at the end of the walk. Page 3 left unvisited keeps the summer answer in
// the first place, which leaving page 2 wrote; its second question is the fire-resistance
// one that leaving page 0 set.
inline OfferAnswers AnswersAfterWalk(const GoldenCase &c) {
  OfferAnswers a;
  const int work = Choice(c, QStringLiteral("--work"));
  a.work = Pick(kWorkTypes, work);
  a.object = Pick(work == 1 ? kObjectsAll : kObjectsFloorCoating, Choice(c, QStringLiteral("--object")));
  a.material = Pick(MaterialsFor(a.object), Choice(c, QStringLiteral("--material")));
  const bool transparency = SelectionKey(a.material, 1, 6) == QStringLiteral("ПОКРЫТ");
  a.page3Caption = transparency ? QStringLiteral("Прозрачность") : QStringLiteral("Температура ОВ");
  const int answer = PageThreeSkipped(a.object, a.material) ? 1 : Choice(c, QStringLiteral("--answer"));
  a.mainAnswer = Pick(transparency ? kTransparency : kSeasons, answer);
  a.secondAnswer = QStringLiteral("R90");
  a.secondIndex = 0;
  a.secondLabel = QStringLiteral("Выберите предел огнестойкости:");
  return a;
}

inline bool ColourPageSkipped(const OfferAnswers &a) {
  return SelectionKey(a.mainAnswer, 15, 4) == QStringLiteral("ПРОЗ") ||
         SelectionKey(a.material, 1, 5) == QStringLiteral("НАТУР") ||
         SelectionKey(a.work, 1, 5) == QStringLiteral("ТЕПЛО");
}

// Composes the case as the wizard does: Next from page 4 composes on the way to the colour
// page; a colour click there (the first colour is already selected, so clicking it changes
// nothing) and Next compose again on the offer page.
inline void ComposeWalk(const GoldenCase &c, ComposedOffer &offer) {
  const OfferAnswers answers = AnswersAfterWalk(c);
  offer.state.dArea = ParseArea(c.options.value(QStringLiteral("--area"), QStringLiteral("100"))).value_or(0.0);
  offer.compose(answers);
  if (ColourPageSkipped(answers))
    return;
  const int colour = Choice(c, QStringLiteral("--colour"), kDefaultPaletteColour);
  if (colour != kDefaultPaletteColour)
    ApplyPaletteColour(offer.state, colour);
  offer.compose(answers);
}

// The case called `name` in tests/golden/<file>.cases.
inline GoldenCase FindGoldenCase(const QString &file, const QString &name) {
  for (const GoldenCase &c : ReadGoldenCases(file)) {
    if (c.name == name)
      return c;
  }
  return GoldenCase{name, {}, QStringLiteral("<no case %1 in %2.cases>").arg(name, file)};
}

inline QStringList ComposeCase(const QString &file, const QString &name, OfferButtons *buttons = nullptr) {
  ComposedOffer offer;
  ComposeWalk(FindGoldenCase(file, name), offer);
  if (buttons)
    *buttons = offer.buttons;
  return offer.lines();
}

// With TINTORA_GOLDEN_OUT set to a folder, the composed offers are written there as
// golden-format files (and <name>.fmt: each line's colour, or "plain"), to be reviewed
// before they replace a golden file.
inline void DumpForReview(const QString &name, const OfferDocument &doc) {
  const QString folder = qEnvironmentVariable("TINTORA_GOLDEN_OUT");
  if (folder.isEmpty())
    return;
  QFile text(folder + QLatin1Char('/') + name + QStringLiteral(".txt"));
  QFile formats(folder + QLatin1Char('/') + name + QStringLiteral(".fmt"));
  if (!text.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      !formats.open(QIODevice::WriteOnly | QIODevice::Truncate))
    return;
  for (const OfferLine &line : doc.lines()) {
    text.write(line.text.toUtf8() + '\n');
    const QString colour = line.plain ? QStringLiteral("plain") : QString::number(line.format.color, 16);
    formats.write((colour + QLatin1Char('|') + line.text.left(40)).toUtf8() + '\n');
  }
}

// Test names may hold letters, digits and underscores only.
inline std::string GoldenTestName(const GoldenCase &c) {
  QString name = c.name;
  name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")), QStringLiteral("_"));
  return name.toStdString();
}

// The variant titles of an offer: every line that begins with "Вариант".
inline QStringList VariantTitles(const QStringList &lines) {
  return lines.filter(QRegularExpression(QStringLiteral("^Вариант")));
}

// The product of a priced line: the longest catalogue name it begins with (0 if none).
inline int ProductOfLine(const QString &line) {
  int best = 0;
  for (int n = 1; n <= 32; ++n) {
    if (line.startsWith(ProductNames(n)) && (best == 0 || ProductNames(n).size() > ProductNames(best).size()))
      best = n;
  }
  return best;
}

// Products priced from line `from` up to the next variant title (or the end).
inline std::vector<int> ProductsFrom(const QStringList &lines, qsizetype from) {
  std::vector<int> products;
  for (qsizetype i = from; i < lines.size(); ++i) {
    if (i > from && lines[i].startsWith(QStringLiteral("Вариант")))
      break;
    if (lines[i].startsWith(ProductLineMarker))
      products.push_back(ProductOfLine(lines[i]));
  }
  return products;
}

} // namespace golden_walk

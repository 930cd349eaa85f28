#include "support_scenario_goldens.h"

#include "catalogue.h"
#include "palette.h"

#include <QFile>
#include <cctype>

namespace answers {
const QString kWaterproofing = QStringLiteral(
    "Гидроизоляция (реставрация и создание нового кровельного покрытия, фундаменты, цоколи, плиты перекрытия, "
    "фасады, полы, стены и потолки, площадки, дорожки, отмостки, бассейны, пруды, фонтаны, металлоконструкции).");
const QString kThermalInsulation = QStringLiteral("Теплоизоляция");
const QString kFireProtection = QStringLiteral("Огнезащитное окрашивание металлоконструкций и бетона");
const QString kAnticorrosion = QStringLiteral("Антикоррозионная обработка металлоконструкций и холодное цинкование");
const QString kRoof = QStringLiteral("Кровля");
const QString kPools = QStringLiteral("Бассейны/Пруды/Фонтаны/Гидросооружения");
const QString kMetalStructures = QStringLiteral("Металлоконструкции");
const QString kConcrete = QStringLiteral("Бетон, кирпич, штукатурка");
const QString kWood =
    QStringLiteral("Дерево, Фанера, OSB (Ориентированно-стружечная плита), ЦСП (Цементно-стружечная плита)");
const QString kBlackMetal = QStringLiteral("Металлочерепица/Профнастил/Черный металлопрокат");
const QString kAluminium = QStringLiteral("Алюминиевый (Дюралиевый) прокат");
const QString kGalvanized = QStringLiteral("Оцинкованный металлопрокат");
const QString kTile = QStringLiteral("Плитка керамическая и керамогранит");
const QString kNaturalStone = QStringLiteral("Натуральный и искусственный камень");
const QString kPvc = QStringLiteral("ПВХ (Поливинилхлорид)");
const QString kSummer = QStringLiteral("Летнее время (Температура при окрашивании выше 0 градусов)");
const QString kWinter = QStringLiteral("Зимнее время (Температура при окрашивании ниже 0 градусов)");
const QString kInitialSummer = QStringLiteral("Летнее время (Температура при окрашивании выше 0С)");
const QString kInitialWinter = QStringLiteral("Зимнее время (Температура при окрашивании ниже 0С)");
} // namespace answers

namespace {
const QString kTemperatureCaption = QStringLiteral("Температура ОВ");
const QString kFireResistanceLabel = QStringLiteral("Выберите предел огнестойкости:");
const QStringList kFireClasses = {QStringLiteral("R90"), QStringLiteral("R120")};
} // namespace

OfferAnswers WaterproofingAnswers(const QString &object, const QString &material, const QString &mainAnswer) {
  // Leaving page 0 set the second question to fire resistance; nothing on these walks changes it.
  return OfferAnswers{answers::kWaterproofing, object, material, mainAnswer, kFireClasses.at(0), 0, kTemperatureCaption,
                      kFireResistanceLabel};
}

OfferAnswers FreshStartAnswers(const QString &work, const QString &mainAnswer, int fireClassIndex) {
  return OfferAnswers{
      work,           answers::kRoof,      answers::kConcrete,  mainAnswer, kFireClasses.at(fireClassIndex),
      fireClassIndex, kTemperatureCaption, kFireResistanceLabel};
}

void ComposeAsWizard(ComposedOffer &offer, const GoldenOffer &golden) {
  offer.state.dArea = golden.area;
  offer.compose(golden.answers);
  if (!golden.colourPageShown)
    return;
  // The first palette button is selected at start: clicking it changes nothing.
  if (golden.colour != 0 && golden.colour != kDefaultPaletteColour)
    ApplyPaletteColour(offer.state, golden.colour);
  offer.compose(golden.answers);
}

QStringList GoldenCaseNames(const QString &casesFile) {
  QFile file(QStringLiteral(TINTORA_GOLDEN_DIR "/") + casesFile + QStringLiteral(".cases"));
  if (!file.open(QIODevice::ReadOnly))
    return {QStringLiteral("<missing %1>").arg(file.fileName())};
  QStringList names;
  for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
    const QString trimmed = line.section(QLatin1Char('#'), 0, 0).trimmed();
    if (trimmed.isEmpty())
      continue;
    names << trimmed.section(QLatin1Char('|'), 0, 0).trimmed();
  }
  return names;
}

QStringList NamesOf(const std::vector<GoldenOffer> &offers) {
  QStringList names;
  for (const GoldenOffer &offer : offers)
    names << offer.name;
  return names;
}

int IndexOfLine(const ComposedOffer &offer, const QString &text, int from) {
  const QStringList lines = offer.lines();
  return static_cast<int>(lines.indexOf(text, from));
}

std::string Joined(const QStringList &lines) {
  return lines.join(QLatin1Char('\n')).toStdString();
}

int ProductOfLine(const QString &line) {
  int best = 0;
  for (int n = 1; n <= 32; ++n)
    if (line.startsWith(ProductNames(n)) && (best == 0 || ProductNames(n).size() > ProductNames(best).size()))
      best = n;
  return best;
}

std::string TestNameOf(const GoldenOffer &offer) {
  std::string name = offer.name.toStdString();
  for (char &c : name)
    if (!std::isalnum(static_cast<unsigned char>(c)))
      c = '_';
  return name;
}

#include "support_answer_texts.h"

namespace answers {
const QString kWaterproofing = QStringLiteral(
    "Гидроизоляция (реставрация и создание нового кровельного покрытия, фундаменты, цоколи, плиты перекрытия, "
    "фасады, полы, стены и потолки, площадки, дорожки, отмостки, бассейны, пруды, фонтаны, металлоконструкции).");
const QString kFloorCoating =
    QStringLiteral("Покрытие для пола, дорожек, площадок, отмосток. Снаружи и внутри помещений.");
const QString kThermalInsulation = QStringLiteral("Теплоизоляция");
const QString kFireProtection = QStringLiteral("Огнезащитное окрашивание металлоконструкций и бетона");
const QString kAnticorrosion = QStringLiteral("Антикоррозионная обработка металлоконструкций и холодное цинкование");

const QString kRoof = QStringLiteral("Кровля");
const QString kFoundation = QStringLiteral("Фундамент/Цоколь/Плиты перекрытия");
const QString kFacade = QStringLiteral("Фасад");
const QString kFloor = QStringLiteral("Пол (внутри помещения)");
const QString kWalls = QStringLiteral("Стены и потолок (внутри помещения)");
const QString kPlatforms = QStringLiteral("Площадки, дорожки, отмостки (открытый воздух)");
const QString kPools = QStringLiteral("Бассейны/Пруды/Фонтаны/Гидросооружения");
const QString kMetalStructures = QStringLiteral("Металлоконструкции");

const QString kConcrete = QStringLiteral("Бетон, кирпич, штукатурка");
const QString kWood =
    QStringLiteral("Дерево, Фанера, OSB (Ориентированно-стружечная плита), ЦСП (Цементно-стружечная плита)");
const QString kFusedRoll = QStringLiteral("Наплавляемые рулонные материалы Типа Рубероид, Технониколь и тп");
const QString kSoftTiles = QStringLiteral("Мягкая черепица типа Шинглас и тп");
const QString kBlackMetal = QStringLiteral("Металлочерепица/Профнастил/Черный металлопрокат");
const QString kAluminium = QStringLiteral("Алюминиевый (Дюралиевый) прокат");
const QString kGalvanized = QStringLiteral("Оцинкованный металлопрокат");
const QString kSlate = QStringLiteral("Шифер");
const QString kBitumen = QStringLiteral("Битум и гудрон");
const QString kAsphalt = QStringLiteral("Асфальт");
const QString kTile = QStringLiteral("Плитка керамическая и керамогранит");
const QString kRubberCrumb = QStringLiteral("Покрытия из резиновой крошки и рулонной резины");
const QString kNaturalStone = QStringLiteral("Натуральный и искусственный камень");
const QString kPvc = QStringLiteral("ПВХ (Поливинилхлорид)");

const QString kSummer = QStringLiteral("Летнее время (Температура при окрашивании выше 0 градусов)");
const QString kWinter = QStringLiteral("Зимнее время (Температура при окрашивании ниже 0 градусов)");
const QString kInitialSummer = QStringLiteral("Летнее время (Температура при окрашивании выше 0С)");
const QString kInitialWinter = QStringLiteral("Зимнее время (Температура при окрашивании ниже 0С)");
const QString kTransparent = QStringLiteral("Цвет покрытия прозрачный");
const QString kOpaque = QStringLiteral("Цвет покрытия непрозрачный");
const QString kHeavyRust = QStringLiteral("Кровля протекает. Количество ржавчины больше 10% площади.");
const QString kLittleRust =
    QStringLiteral("Кровля протекает. Количество ржавчины незначительное (меньше 10% площади).");
const QString kRepaintOnly = QStringLiteral("Кровля не протекает. Нужно только обновить цвет");
const QString kLeaking = QStringLiteral("Кровля протекает.");
const QString kNotLeaking = QStringLiteral("Кровля не протекает. Только обновить цвет.");
} // namespace answers

#include "roof_parts.h"
#include "scenarios.h"

#include <QStringList>
#include <array>

namespace {

const QStringList &FlatRoofMaterials() {
  static const QStringList materials = {QStringLiteral("БЕТОН"), QStringLiteral("ДЕРЕВ"), QStringLiteral("НАПЛА")};
  return materials;
}

// Each base material belongs to exactly one group; the group decides season,
// transparency and roof condition itself.
struct RoofGroup {
  QStringList materials;
  void (*write)(ScenarioCall &);
};

const std::array<RoofGroup, 9> &RoofGroups() {
  static const std::array<RoofGroup, 9> groups = {{
      {FlatRoofMaterials(), roof::WriteFlatRoof},
      {{QStringLiteral("МЯГКА"), QStringLiteral("ПОКРЫ")}, roof::WriteSoftRoof},
      {{QStringLiteral("МЕТАЛ")}, roof::WriteMetalRoof},
      {{QStringLiteral("АЛЮМИ"), QStringLiteral("ОЦИНК")}, roof::WriteSheetMetalRoof},
      {{QStringLiteral("ШИФЕР")}, roof::WriteSlateRoof},
      {{QStringLiteral("БИТУМ"), QStringLiteral("АСФАЛ")}, roof::WriteBitumenRoof},
      {{QStringLiteral("ПЛИТК")}, roof::WriteTiledRoof},
      {{QStringLiteral("НАТУР")}, roof::WriteStoneRoof},
      {{QStringLiteral("ПВХ (")}, roof::WritePvcRoof},
  }};
  return groups;
}

} // namespace

void WriteRoofScenario(ScenarioCall &call) {
  // The reinforcement article belongs to the flat roofs; calculators called later may show it again.
  call.ctx.buttons.btnDop = FlatRoofMaterials().contains(call.M5);
  for (const RoofGroup &group : RoofGroups()) {
    if (group.materials.contains(call.M5)) {
      group.write(call);
      return;
    }
  }
}

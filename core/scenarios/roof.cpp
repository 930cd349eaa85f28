#include "roof_parts.h"
#include "scenarios.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

// Material keys over string literals: compared with M5, never copied.
using MaterialKeys = std::vector<QStringView>;

bool Holds(const MaterialKeys &keys, const QString &M5) {
  return std::find(keys.begin(), keys.end(), M5) != keys.end();
}

const MaterialKeys &FlatRoofMaterials() {
  static const MaterialKeys materials = {u"БЕТОН", u"ДЕРЕВ", u"НАПЛА"};
  return materials;
}

// Each base material belongs to exactly one group; the group decides season,
// transparency and roof condition itself.
struct RoofGroup {
  MaterialKeys materials;
  void (*write)(ScenarioCall &);
};

const std::array<RoofGroup, 9> &RoofGroups() {
  static const std::array<RoofGroup, 9> groups = {{
      {FlatRoofMaterials(), roof::WriteFlatRoof},
      {{u"МЯГКА", u"ПОКРЫ"}, roof::WriteSoftRoof},
      {{u"МЕТАЛ"}, roof::WriteMetalRoof},
      {{u"АЛЮМИ", u"ОЦИНК"}, roof::WriteSheetMetalRoof},
      {{u"ШИФЕР"}, roof::WriteSlateRoof},
      {{u"БИТУМ", u"АСФАЛ"}, roof::WriteBitumenRoof},
      {{u"ПЛИТК"}, roof::WriteTiledRoof},
      {{u"НАТУР"}, roof::WriteStoneRoof},
      {{u"ПВХ ("}, roof::WritePvcRoof},
  }};
  return groups;
}

} // namespace

void WriteRoofScenario(ScenarioCall &call) {
  // The reinforcement article belongs to the flat roofs; calculators called later may show it again.
  call.ctx.buttons.btnDop = Holds(FlatRoofMaterials(), call.M5);
  for (const RoofGroup &group : RoofGroups()) {
    if (Holds(group.materials, call.M5)) {
      group.write(call);
      return;
    }
  }
}

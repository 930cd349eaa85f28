// Composing offers: one offer per scenario group, and the whole sweep of answers.
#include "wizard.h"
#include "wizard_walk.h"

#include <benchmark/benchmark.h>

namespace {

struct GroupWalk {
  const char *name;
  WalkChoices choices;
};

WalkChoices Choices(int work, int object, int material, int answer) {
  WalkChoices choices;
  choices.work = work;
  choices.object = object;
  choices.material = material;
  choices.answer = answer;
  return choices;
}

const GroupWalk kGroups[] = {
    {"roof_concrete_summer", Choices(1, 1, 1, 1)},
    {"roof_metal", Choices(1, 1, 5, 1)},
    {"foundation", Choices(1, 2, 1, 1)},
    {"facade", Choices(1, 3, 1, 1)},
    {"floor", Choices(1, 4, 1, 1)},
    {"walls", Choices(1, 5, 1, 1)},
    {"platform", Choices(1, 6, 1, 1)},
    {"pool", Choices(1, 7, 1, 1)},
    {"metal_structure", Choices(1, 8, 1, 1)},
    {"floor_coating", Choices(2, 1, 1, 1)},
    {"thermal_insulation", Choices(3, 1, 1, 1)},
    {"fire_protection", Choices(4, 1, 1, 1)},
    {"anticorrosion", Choices(5, 1, 1, 1)},
};

// One composition (PredZakaz) on a wizard already standing on the offer page.
void BM_ComposeOffer(benchmark::State &state) {
  const GroupWalk &group = kGroups[state.range(0)];
  state.SetLabel(group.name);
  Wizard wizard;
  WalkToOffer(wizard, group.choices);
  for (auto _ : state) {
    wizard.PredZakaz(true);
    benchmark::DoNotOptimize(wizard.offer.count());
  }
}
BENCHMARK(BM_ComposeOffer)->DenseRange(0, static_cast<int>(std::size(kGroups)) - 1)->Unit(benchmark::kMicrosecond);

// Every reachable answer combination walked from a fresh wizard to its offer.
void BM_FullSweep(benchmark::State &state) {
  for (auto _ : state) {
    int offers = 0;
    ForEachAnswerCombination([&](const WalkChoices &choices) {
      Wizard wizard;
      WalkToOffer(wizard, choices);
      offers += wizard.offer.count() > 0;
    });
    benchmark::DoNotOptimize(offers);
  }
}
BENCHMARK(BM_FullSweep)->Unit(benchmark::kMillisecond);

} // namespace

#include "support_road_offer.h"

#include "wizard_walk.h"

#include <stdexcept>

Wizard &RoadWizard() {
  static Wizard wizard = [] {
    Wizard fresh;
    WalkChoices choices;
    choices.work = 1;
    choices.object = 1;
    choices.material = 1;
    choices.answer = 1;
    choices.area = QStringLiteral("100");
    choices.colour = 1;
    if (WalkToOffer(fresh, choices).status != WalkStatus::Ok)
      throw std::runtime_error("the road walk was refused");
    return fresh;
  }();
  return wizard;
}

#pragma once

#include "wizard.h"

// The Overview's road: waterproofing, roof, concrete, summer, 100 m², "Лист ландыша",
// walked in a fresh wizard up to the offer page.
Wizard &RoadWizard();

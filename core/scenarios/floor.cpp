#include "scenarios.h"

// Placeholder until this part is written.
void WriteFloorScenario(ScenarioCall &) {}

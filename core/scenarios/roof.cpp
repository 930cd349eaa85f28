#include "scenarios.h"

// Placeholder until this part is written.
void WriteRoofScenario(ScenarioCall &) {}

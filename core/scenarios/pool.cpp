#include "scenarios.h"

// Placeholder until this part is written.
void WritePoolScenario(ScenarioCall &) {}

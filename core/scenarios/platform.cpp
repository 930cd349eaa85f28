#include "scenarios.h"

// Placeholder until this part is written.
void WritePlatformScenario(ScenarioCall &) {}

#pragma once

#include "scenario.h"

// Scenario groups; each writes the rows after the summary and ends the offer.
void WriteRoofScenario(ScenarioCall &call);           // roofs R1-R18
void WriteFoundationScenario(ScenarioCall &call);     // B1-B4
void WriteFacadeScenario(ScenarioCall &call);         // A1-A3
void WriteWallScenario(ScenarioCall &call);           // W1-W3
void WriteFloorScenario(ScenarioCall &call);          // F1-F6
void WritePlatformScenario(ScenarioCall &call);       // P1
void WritePoolScenario(ScenarioCall &call);           // pools by material
void WriteMetalStructureScenario(ScenarioCall &call); // black, aluminium, galvanized metal
void WriteThermalInsulationScenario(ScenarioCall &call);
void WriteFireProtectionScenario(ScenarioCall &call);
void WriteAnticorrosionScenario(ScenarioCall &call);

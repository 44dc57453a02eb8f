#include "forms/main/PropertyCalculation.h"

// Placeholder until the calculation lands.
CalculationOutcome Calculate(InputFields&, PropertyEngine&) { return {}; }

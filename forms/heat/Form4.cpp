#include "forms/heat/Form4.h"
// Placeholder until the constant-enthalpy window lands.
Form4::Form4() = default;

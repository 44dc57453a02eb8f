#include "forms/units/Form2.h"
// Placeholder until the units dialog lands.
Form2::Form2(Form1& main) : main_(main) {}

#include "forms/version/Form3.h"
// Placeholder until the version dialog lands.
Form3::Form3() = default;

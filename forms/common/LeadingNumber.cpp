#include "forms/common/LeadingNumber.h"
// Placeholder until the conversion lands.
double LeadingNumber(const QString&) { return 0.0; }

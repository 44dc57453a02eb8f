#include "forms/common/ReportLine.h"
// Placeholder until the report line lands.
QString NumberField(double) { return {}; }
QString ReportLine(const QString& label, double, const QString& unitText) { return label + unitText; }

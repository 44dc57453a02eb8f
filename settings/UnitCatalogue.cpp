#include "settings/UnitCatalogue.h"
// Placeholder until the unit catalogue lands.
void FillUnitLabels() {}
void ReplaceInvalidUnits() {}
void HandUnitsToEngine() {}
QString TempUnitText() { return {}; }
QString PressUnitText() { return {}; }
QString EnthalUnitText() { return {}; }
QString EntroUnitText() { return {}; }
QString DensityUnitText() { return {}; }
QString DrynessBasisCaption(int16_t) { return {}; }
QStringList TempUnitEntries() { return {}; }
QStringList PressUnitEntries() { return {}; }
QStringList EnthalUnitEntries() { return {}; }
QStringList EntroUnitEntries() { return {}; }
QStringList DensityUnitEntries() { return {}; }
QStringList DrynessBasisEntries() { return {}; }

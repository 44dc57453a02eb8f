// The unit catalogue: codes, texts, defaults and the hand-over of the units to the engine.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

// Fills Module1's five label tables.
void FillUnitLabels();

// Replaces each unit code outside its range by the quantity's default.
void ReplaceInvalidUnits();

// Hands the five units to the engine (temperature, pressure, enthalpy, entropy, specific volume), one
// message per refusal, and sets DensityFactor.
void HandUnitsToEngine();

// The current unit texts, e.g. "[MPa]".
QString TempUnitText();
QString PressUnitText();
QString EnthalUnitText();
QString EntroUnitText();
QString DensityUnitText();

// "ＳＢＶ" for 0, "ＳＢＷ" for 1, an empty string for anything else.
QString DrynessBasisCaption(int16_t basis);

// The entries of the units dialog's lists, in order.
QStringList TempUnitEntries();
QStringList PressUnitEntries();
QStringList EnthalUnitEntries();
QStringList EntroUnitEntries();
QStringList DensityUnitEntries();
QStringList DrynessBasisEntries();

#include "settings/SettingsFile.h"
// Placeholder until the settings file lands.
QString ProgramFolder() { return {}; }
void SetProgramFolder(const QString&) {}
QString SettingsFilePath() { return {}; }
void LoadSettings() {}
bool SaveSettings() { return false; }

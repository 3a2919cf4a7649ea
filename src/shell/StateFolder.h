#pragma once
// The per-user folder that holds the autosaved program and the breakpoints.

#include <QString>

// base + "/Brivet/Norvane", the base and each level created if missing. A
// level that cannot be made is not reported: the state files are then
// neither found nor written there.
QString SettingsFolder(const QString& base);

// The user's local application-data folder, or the config folder without one.
QString DefaultSettingsBase();

inline QString AutosavePath(const QString& folder) { return folder + QStringLiteral("/TI59.ti"); }
inline QString BreakpointStatePath(const QString& folder) { return folder + QStringLiteral("/TI59.state"); }

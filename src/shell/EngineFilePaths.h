#pragma once
// The print file and the folder of memory banks, from the settings into the
// engine. A path the engine refuses (too long once in its form) is reported
// and the engine keeps the one it had: a path cut short would name another file.

#include <QString>

class CCalc;

void SendFilePathsToEngine(CCalc& calc, const QString& printFile, const QString& writeFolder);

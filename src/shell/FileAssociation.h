#pragma once
// Registers ".ti" program files with the desktop: a MIME type for *.ti, a
// .desktop entry that opens them with this program, and its icon.

#include <QString>

// dataFolder is the user's data folder (~/.local/share). Files are
// rewritten only when their content differs; failures are not reported.
// refreshCaches runs the desktop's database tools after a change.
// Returns whether anything was rewritten.
bool RegisterFileAssociation(const QString& dataFolder, const QString& executablePath, bool refreshCaches);

// Whether the program runs from an installed layout: its package put the
// desktop entry beside it (<prefix>/share/applications next to <prefix>/bin),
// so the desktop already knows ".ti" files and the user's folders are left
// alone. A build folder has no such entry.
bool RunsInstalled(const QString& executableFolder);

// The Exec line of the .desktop entry: the path quoted when it holds a space.
QString DesktopExecLine(const QString& executablePath);

#pragma once
// The program's persisted settings. Loaded once at start-up and saved once
// at exit; the options dialog and the main window change them in between.

#include "face/RunPacer.h"
#include "face/ZoomSteps.h"

#include <QString>
#include <cstdint>

class QSettings;

struct Settings {
    static constexpr int PathCapacity = 260;  // characters, terminator not counted

    QString PrintFile;
    QString WriteFolder;
    uint32_t DelaiRun = PacingTimes{}.stepDelayMs;
    uint32_t DureePauseCourte = PacingTimes{}.shortPauseMs;
    uint32_t DureePauseLongue = PacingTimes{}.longPauseMs;
    uint32_t DureeClignotement = PacingTimes{}.blinkMs;
    int32_t Gauche = 100;
    int32_t Haut = 100;
    // The calculator window's zoom in percent, one of kZoomSteps.
    uint32_t Zoom = kDefaultZoom;
    // The printer window shows the paper tape rather than the text list.
    bool PrinterTape = true;
};

// The one record the whole program uses.
Settings& TheSettings();

// QSettings("Brivet", "Norvane").
QSettings& ProgramQSettings();

// Values that are missing, of the wrong kind or out of range keep their
// defaults (so does a zero blink period and a path holding a NUL); DelaiRun
// is 0 after every load whatever the store holds.
void LoadSettings(Settings& settings, QSettings& store);
// Empty paths are not written, so the store keeps the previous ones.
void SaveSettings(const Settings& settings, QSettings& store);

// Also brings a window position that lies on no screen back to one.
void LoadSettings();
void SaveSettings();

// The user's Documents folder, and the print file in it (in the state folder
// when there is no Documents folder).
QString DefaultWriteFolder();
QString DefaultPrintFile();

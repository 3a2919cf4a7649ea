#include "shell/Settings.h"

#include "shell/StateFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <limits>

namespace {
void ReadPath(QSettings& store, const char* name, QString& field, const QString& fallback)
{
    const QVariant value = store.value(QLatin1String(name));
    const QString text = value.toString();
    // A path too long for the calculator's buffers, or one the engine would
    // cut at a NUL, counts as a failed read.
    field = (!value.isValid() || text.isEmpty() || text.size() > Settings::PathCapacity ||
             text.contains(QChar(0)))
                ? fallback : text;
}

template <typename Number>
void ReadNumber(QSettings& store, const char* name, Number& field)
{
    const QVariant value = store.value(QLatin1String(name));
    if (!value.isValid())
        return;
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    if (ok && number >= std::numeric_limits<Number>::min() && number <= std::numeric_limits<Number>::max())
        field = static_cast<Number>(number);
}
bool OnSomeScreen(const QPoint& point)
{
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().contains(point))
            return true;
    return false;
}

// A position saved on a screen that is gone (or written by hand) would put
// the window where nobody can reach it.
void KeepWindowOnScreen(Settings& settings)
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()) || QGuiApplication::screens().isEmpty())
        return;
    if (OnSomeScreen(QPoint(settings.Gauche, settings.Haut)))
        return;
    QPoint fallback(Settings{}.Gauche, Settings{}.Haut);
    if (!OnSomeScreen(fallback))
        fallback = QGuiApplication::primaryScreen()->availableGeometry().topLeft();
    settings.Gauche = fallback.x();
    settings.Haut = fallback.y();
}
}  // namespace

Settings& TheSettings()
{
    static Settings settings;
    return settings;
}

QSettings& ProgramQSettings()
{
    static QSettings store(QStringLiteral("Brivet"), QStringLiteral("Norvane"));
    return store;
}

QString DefaultWriteFolder()
{
    return QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

// Many accounts have no documents folder; printing must not go nowhere.
QString DefaultPrintFile()
{
    const QString documents = DefaultWriteFolder();
    const QString folder = QFileInfo(documents).isDir() ? documents
                                                        : QDir::toNativeSeparators(SettingsFolder(DefaultSettingsBase()));
    return folder + QDir::separator() + QStringLiteral("TI59.txt");
}

void LoadSettings(Settings& settings, QSettings& store)
{
    store.sync();
    ReadPath(store, "PrintFile", settings.PrintFile, DefaultPrintFile());
    ReadPath(store, "WriteFolder", settings.WriteFolder, DefaultWriteFolder());
    settings.DelaiRun = 0;
    ReadNumber(store, "DureePauseCourte", settings.DureePauseCourte);
    ReadNumber(store, "DureePauseLongue", settings.DureePauseLongue);
    ReadNumber(store, "DureeClignotement", settings.DureeClignotement);
    // A zero period would make the error display flicker as fast as the timer can run.
    if (settings.DureeClignotement == 0)
        settings.DureeClignotement = Settings{}.DureeClignotement;
    ReadNumber(store, "Gauche", settings.Gauche);
    ReadNumber(store, "Haut", settings.Haut);
    ReadNumber(store, "Zoom", settings.Zoom);
    if (!IsZoomStep(static_cast<int>(settings.Zoom)))
        settings.Zoom = Settings{}.Zoom;
    ReadNumber(store, "PrinterTape", settings.PrinterTape);
}

void SaveSettings(const Settings& settings, QSettings& store)
{
    if (!settings.PrintFile.isEmpty())
        store.setValue(QStringLiteral("PrintFile"), settings.PrintFile);
    if (!settings.WriteFolder.isEmpty())
        store.setValue(QStringLiteral("WriteFolder"), settings.WriteFolder);
    store.setValue(QStringLiteral("DelaiRun"), settings.DelaiRun);
    store.setValue(QStringLiteral("DureePauseCourte"), settings.DureePauseCourte);
    store.setValue(QStringLiteral("DureePauseLongue"), settings.DureePauseLongue);
    store.setValue(QStringLiteral("DureeClignotement"), settings.DureeClignotement);
    store.setValue(QStringLiteral("Gauche"), settings.Gauche);
    store.setValue(QStringLiteral("Haut"), settings.Haut);
    store.setValue(QStringLiteral("Zoom"), settings.Zoom);
    store.setValue(QStringLiteral("PrinterTape"), int(settings.PrinterTape));
    store.sync();
}

void LoadSettings()
{
    LoadSettings(TheSettings(), ProgramQSettings());
    KeepWindowOnScreen(TheSettings());
}

void SaveSettings() { SaveSettings(TheSettings(), ProgramQSettings()); }

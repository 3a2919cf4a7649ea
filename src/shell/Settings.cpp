#include "shell/Settings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <limits>

namespace {
void ReadPath(QSettings& store, const char* name, QString& field, const QString& fallback)
{
    const QVariant value = store.value(QLatin1String(name));
    const QString text = value.toString();
    // A path too long for the calculator's buffers counts as a failed read.
    field = (!value.isValid() || text.isEmpty() || text.size() > Settings::PathCapacity)
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
}  // namespace

Settings& TheSettings()
{
    static Settings settings;
    return settings;
}

QSettings& SettingsStore()
{
    static QSettings store(QStringLiteral("Brivet"), QStringLiteral("Norvane"));
    return store;
}

QString DefaultWriteFolder()
{
    return QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

QString DefaultPrintFile()
{
    return DefaultWriteFolder() + QDir::separator() + QStringLiteral("TI59.txt");
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
    ReadNumber(store, "Gauche", settings.Gauche);
    ReadNumber(store, "Haut", settings.Haut);
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
    store.sync();
}

void LoadSettings() { LoadSettings(TheSettings(), SettingsStore()); }

void SaveSettings() { SaveSettings(TheSettings(), SettingsStore()); }

#include "shell/StateFolder.h"

#include <QDir>
#include <QStandardPaths>

QString SettingsFolder(const QString& base)
{
    // The base is asked for with creation, as a fresh account may lack it.
    QDir().mkpath(base);
    QString path = base;
    for (const char* level : {"Brivet", "Norvane"}) {
        QDir().mkdir(path);
        path += QLatin1Char('/') + QLatin1String(level);
    }
    QDir().mkdir(path);
    return path;
}

QString DefaultSettingsBase()
{
    const QString local = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return local.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) : local;
}

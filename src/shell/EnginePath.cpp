#include "shell/EnginePath.h"

#include "storage/TextCodec.h"

#include <QFile>
#include <filesystem>

std::wstring EnginePath(const QByteArray& nativeName)
{
    return storage::WideFromPath(std::filesystem::path(nativeName.toStdString()));
}

std::wstring EnginePath(const QString& name)
{
    return EnginePath(QFile::encodeName(name));
}

#include "shell/QtStringStore.h"

#include <QSettings>

std::optional<std::wstring> QtStringStore::GetString(const std::wstring& name) const
{
    const QVariant value = settings_.value(QString::fromStdWString(name));
    if (!value.isValid())
        return std::nullopt;
    return value.toString().toStdWString();
}

void QtStringStore::SetString(const std::wstring& name, const std::wstring& value)
{
    settings_.setValue(QString::fromStdWString(name), QString::fromStdWString(value));
}

void QtStringStore::Remove(const std::wstring& name)
{
    settings_.remove(QString::fromStdWString(name));
}

#pragma once
// File names between Qt and the engine. The engine carries a name's bytes
// that are not UTF-8 as lone code units (storage::WideFromPath); these turn
// the names Qt and the command line hand over into that form, so the engine
// opens the very file the user picked.

#include <QByteArray>
#include <QString>
#include <string>

std::wstring EnginePath(const QByteArray& nativeName);
std::wstring EnginePath(const QString& name);

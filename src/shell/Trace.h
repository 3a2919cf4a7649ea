#pragma once
// Developer traces; off unless QT_LOGGING_RULES turns "norvane" on.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcNorvane)

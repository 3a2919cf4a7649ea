#include "shell/Trace.h"

Q_LOGGING_CATEGORY(lcNorvane, "norvane", QtWarningMsg)

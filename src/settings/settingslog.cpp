#include "settings/settingslog.h"

Q_LOGGING_CATEGORY(lcSettings, "p10sign.settings", QtWarningMsg)

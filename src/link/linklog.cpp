#include "link/linklog.h"

Q_LOGGING_CATEGORY(lcLink, "p10sign.link", QtWarningMsg)

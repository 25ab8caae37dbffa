#pragma once

#include <QString>

// Texts of the message boxes that more than one command shows.
namespace MessageTexts {

inline const QString kBusyTitle = QStringLiteral("少待");
inline const QString kBusy = QStringLiteral("現在転送中。");
inline const QString kWarningTitle = QStringLiteral("警告");
inline const QString kErrorTitle = QStringLiteral("エラー発生");

} // namespace MessageTexts

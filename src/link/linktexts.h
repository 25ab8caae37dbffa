#pragma once

#include <QString>

// What the transfer commands tell the operator.
namespace LinkTexts {

inline const QString kNoTextTitle = QStringLiteral("注意");
inline const QString kNoText = QStringLiteral("テキストなし! 転送しない!");
inline const QString kBadPortName = QStringLiteral("接続端子位地設定エラー!");
inline const QString kPortUnavailable = QStringLiteral("接続端子がすでに使用中か、存在しません");
inline const QString kNotOpened = QStringLiteral("接続端子連結失敗!");
inline const QString kLineFailed = QStringLiteral("接続端子との通信が途絶えました。転送を中止しました。");
inline const QString kLineStalled = QStringLiteral("接続端子から送信できません。転送を中止しました。");

} // namespace LinkTexts

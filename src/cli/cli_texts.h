#pragma once

#include <QCoreApplication>

// The command line's translation context: Cli::tr("...") and the texts below.
struct Cli {
    Q_DECLARE_TR_FUNCTIONS(Cli)
};

// Texts of the command line that the string table has no entry for yet (the explorer
// reports these cases silently or has no such command). "%1" is the path or the number.
inline constexpr char kTextSkipped[] = QT_TRANSLATE_NOOP("Cli", "略過: 請以 --yes 或 --no 回答");
inline constexpr char kTextCannotCreateFolder[] = QT_TRANSLATE_NOOP("Cli", "無法建立資料匣 \"%1\"");
inline constexpr char kTextCannotCopy[] = QT_TRANSLATE_NOOP("Cli", "無法複製 \"%1\"");
inline constexpr char kTextCannotDelete[] = QT_TRANSLATE_NOOP("Cli", "無法刪除 \"%1\"");
inline constexpr char kTextCannotCreateShortcut[] = QT_TRANSLATE_NOOP("Cli", "無法建立捷徑 \"%1\"");
inline constexpr char kTextNoBinEntry[] = QT_TRANSLATE_NOOP("Cli", "資源回收筒中沒有第 %1 項");
inline constexpr char kTextNotRestored[] = QT_TRANSLATE_NOOP("Cli", "第 %1 項沒有還原");
inline constexpr char kTextNotErased[] = QT_TRANSLATE_NOOP("Cli", "第 %1 項沒有刪除");
inline constexpr char kTextNoFavorite[] = QT_TRANSLATE_NOOP("Cli", "沒有第 %1 個我的最愛");
inline constexpr char kTextCannotAddFavorite[] = QT_TRANSLATE_NOOP("Cli", "無法加入我的最愛 \"%1\"");
inline constexpr char kTextNoPassword[] = QT_TRANSLATE_NOOP("Cli", "沒有密碼: 請使用 --password-fd N 或終端機");
inline constexpr char kTextEmptyPassword[] = QT_TRANSLATE_NOOP("Cli", "密碼是空的");
inline constexpr char kTextLongPassword[] = QT_TRANSLATE_NOOP("Cli", "密碼超過 127 個字元");

#pragma once

// Texts of the command line that the string table has no entry for yet (the explorer
// reports these cases silently or has no such command). "%1" is the path or the number.
inline constexpr char kTextSkipped[] = "skipped: answer with --yes or --no";
inline constexpr char kTextCannotCreateFolder[] = "cannot create the folder \"%1\"";
inline constexpr char kTextCannotCopy[] = "cannot copy \"%1\"";
inline constexpr char kTextCannotDelete[] = "cannot delete \"%1\"";
inline constexpr char kTextCannotCreateShortcut[] = "cannot create the shortcut \"%1\"";
inline constexpr char kTextNoBinEntry[] = "the recycle bin has no entry %1";
inline constexpr char kTextNotRestored[] = "entry %1 was not restored";
inline constexpr char kTextNotErased[] = "entry %1 was not erased";
inline constexpr char kTextNoFavorite[] = "there is no favourite %1";
inline constexpr char kTextCannotAddFavorite[] = "cannot add the favourite \"%1\"";
inline constexpr char kTextNoPassword[] = "no password: use --password-fd N or a terminal";
inline constexpr char kTextEmptyPassword[] = "the password is empty";
inline constexpr char kTextLongPassword[] = "the password is longer than 127 characters";

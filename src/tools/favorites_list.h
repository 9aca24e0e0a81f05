#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "tools/favorite_entry.h"

class DeviceFs;

// The user's favourite folders in menu order, kept in "ngoto.got" in the program's folder.
// The document owns one; the dirty flag says the list differs from the file.
class FavoritesList {
public:
    static constexpr int kMaxFavorites = 100;

    explicit FavoritesList(DeviceFs& fs);

    // "<program folder>\ngoto.got".
    static QString FilePath(DeviceFs& fs);
    // The name proposed for a new favourite of the folder: its own name, "\" for the root.
    static QString ProposedName(const QString& folder);

    // Fills the list from the file. Without a file the defaults ("My Documents", and
    // "Programs" when that folder exists) are taken and the list is marked dirty; an
    // unreadable or malformed file gives an empty list.
    void LoadFavorites();
    // Replaces the file atomically and clears the dirty flag. An empty list writes nothing,
    // so the previous file stays. False when the file could not be written; the old file is
    // then untouched and the list stays dirty.
    bool SaveFavorites();
    // Empties the list; the dirty flag is left to the caller.
    void ClearFavorites();

    std::optional<FavoriteEntry> GetFavorite(int index) const;
    const QList<FavoriteEntry>& Entries() const { return entries_; }
    int Count() const { return int(entries_.size()); }
    bool IsFull() const { return Count() >= kMaxFavorites; }

    bool IsDirty() const { return dirty_; }
    void SetDirty(bool dirty) { dirty_ = dirty; }

    // The operations below mark the list dirty when they change it.
    // Appends; false when the list is full or a text cannot be stored.
    bool AddFavorite(const QString& name, const QString& folder);
    // False when the index is outside the list, the name cannot be stored, or the new name
    // equals the old one without regard to case (nothing changes then).
    bool RenameFavorite(int index, const QString& name);
    // The row that takes the deleted one's place (the last one when it was at the end), or -1
    // when the list is empty afterwards or the index was outside it.
    int DeleteFavorite(int index);
    // Swap with the neighbour; false when that position lies outside the list.
    bool MoveFavoriteUp(int index);
    bool MoveFavoriteDown(int index);
    // Takes the rows of the edit dialog in their order; false (no change) when a text cannot
    // be stored.
    bool ReplaceFavorites(const QList<FavoriteEntry>& entries);

private:
    bool MoveFavorite(int from, int to);

    DeviceFs& fs_;
    QList<FavoriteEntry> entries_;
    bool dirty_ = false;
};

#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

// One type icon of the file list: the position of the record in its cache is the image index
// of the rows that show it.
struct IconRecord {
    QString extension;  // of the file the record was made for; empty for the built-in ones
    QString text;       // the type text
    // Icon names in order of preference, a built-in "nuvio-NNNN" last (see ShellServices).
    QStringList iconNames;
};

// The ordered list of type icons: three built-in records (folder, unknown file, program)
// followed by one record per file type looked up since the last trim. A list, so that image
// indices handed out stay valid until the next trim; the types found are remembered by their
// name ending, so that a long folder asks the shell once per extension, not once per file.
class IconCache {
public:
    static constexpr int kFolderIcon = 0;
    static constexpr int kUnknownFileIcon = 1;
    static constexpr int kProgramIcon = 2;
    static constexpr int kBuiltInCount = 3;

    // Appends the three built-in records. folderTypeName is the type text the shell gave for
    // the documents folder and folderIconNames its icons; empty when there is no such folder,
    // then string 36 and our own folder icon stand in.
    void BuildIconCache(const QString& folderTypeName, const QStringList& folderIconNames = {});
    // With all, empties the cache; otherwise cuts it back to the built-in records.
    void TrimIconCache(bool all = false);
    // The type text of plain folders: the name the cache was built with, else string 36.
    QString GetFolderTypeName() const;

    // Appends a record; returns its image index.
    int Append(IconRecord record);

    // What decides a file's type by its name: the part from the first dot on (".tar.gz"),
    // the whole name when it has none, or only a leading one.
    static QString TypeKey(const QString& fileName);
    // The image index found for a type key since the last trim; -1 when none was.
    int FindType(const QString& key) const { return types_.value(key, -1); }
    void NoteType(const QString& key, int index) { types_.insert(key, index); }

    int Count() const { return int(records_.size()); }
    const IconRecord& At(int index) const { return records_[size_t(index)]; }
    bool IsValidIndex(int index) const { return index >= 0 && index < Count(); }

private:
    std::vector<IconRecord> records_;
    QHash<QString, int> types_;
    QString folderTypeName_;
};

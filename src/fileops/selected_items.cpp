#include "fileops/selected_items.h"

#include "app/command_host.h"
#include "app/path_helpers.h"
#include "browse/file_view.h"
#include "browse/folder_tree.h"
#include "shell/command_rules.h"

QStringList SelectedItems::Paths() const {
    QStringList paths;
    paths.reserve(names.size());
    for (const QString& name : names)
        paths.append(JoinPath(folder, name));
    return paths;
}

SelectedItems GatherSelectedItems(const CommandHost& frame) {
    SelectedItems items;
    const QString current = frame.GetCurrentFolder();
    if (frame.GatherFacts().focus == CommandFacts::Focus::Tree) {
        // The highlighted folder, which need not be the one the list shows.
        const QString highlighted = frame.GetTreeView()->SelectedPath();
        items.fromTree = true;
        items.folder = FolderPart(highlighted);
        const QString name = FileNamePart(highlighted);
        if (!name.isEmpty()) items.names.append(name);
        return items;
    }
    items.folder = current;
    const CFileView& list = *frame.GetFileView();
    for (int row : list.GetSelectedRows()) {
        if (const FileItem* item = list.Item(row)) items.names.append(item->name);
    }
    return items;
}

#include "shell/main_frame.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDialog>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSplitter>
#include <QTimer>
#include <QToolBar>
#include <QInputDevice>
#include <QKeyEvent>
#include <QScreen>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

#include "app/device_error_text.h"
#include "app/load_str.h"
#include "app/message.h"
#include "app/path_helpers.h"
#include "app/settings_defaults.h"
#include "app/settings_store.h"
#include "app/wait_cursor.h"
#include "browse/file_list_model.h"
#include "browse/file_view_input.h"
#include "browse/folder_watcher.h"
#include "browse/icon_cache.h"
#include "browse/properties_dlg.h"
#include "fileops/file_commands.h"
#include "fileops/file_drag_drop.h"
#include "crypt/crypt_file_commands.h"
#include "fileops/file_names.h"
#include "fileops/paste_sources.h"
#include "fileops/selected_items.h"
#include "platform/device_fs.h"
#include "recycle/recycle_commands.h"
#include "platform/shell_services.h"
#include "resources/ids.h"
#include "shell/about_dlg.h"
#include "shell/command_table.h"
#include "shell/dialog_layout.h"
#include "shell/frame_document.h"
#include "shell/main_menu.h"
#include "shell/nuvio_icon.h"
#include "shell/progress_window.h"
#include "shell/settings_dlg.h"
#include "shell/touch_metrics.h"
#include "tools/favorite_commands.h"
#include "shell/send_receive.h"
#include "tools/favorites_list.h"
#include "tools/tool_dialog_commands.h"

namespace {

QString MenuText(const MenuTemplateEntry& entry) {
    return QCoreApplication::translate("MainMenu", entry.text);
}

const QString kRoot = QStringLiteral("\\");
const QString kPersonalFolder = QStringLiteral("\\My Documents");

bool IsFolder(DeviceFs& fs, QString& path) {
    FindData record;
    return PathExists(fs, path, &record) && record.IsFolder();
}

bool SameFolder(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

}  // namespace

QString CommandHost::ClipboardFormat() {
    return QStringLiteral("application/x-qt-windows-mime;value=\"NuvioCopyFile\"");
}

CMainFrame::CMainFrame(const Services& services, QWidget* parent)
    : QMainWindow(parent),
      fs_(services.fs),
      settings_(services.settings),
      prompt_(services.prompt),
      shell_(services.shell),
      document_(services.document) {
    // The folder shown last, else the documents folder; the root when even that is gone.
    currentFolder_ = settings_.GetText(IDS_SECTION_MAIN, IDS_KEY_WORK_DIRECTORY);
    if (!IsFolder(fs_, currentFolder_)) {
        currentFolder_ = kPersonalFolder;
        if (!IsFolder(fs_, currentFolder_)) currentFolder_ = kRoot;
    }
    viewHeight_ = settings_.GetInt(IDS_SECTION_MAIN, IDS_KEY_VIEW_HEIGHT);
    // The default is written at the first start; only another height was chosen by the user.
    const SettingDefault* height = FindSettingDefault(IDS_SECTION_MAIN, IDS_KEY_VIEW_HEIGHT);
    treeHeightChosen_ = !height || viewHeight_ != height->number;

    // A second start looks for "NUVIO File Explorer" in the title.
    setWindowTitle(QStringLiteral("NUVIO File Explorer"));
    setWindowIcon(NuvioIcon(QStringLiteral("nuvio-app")));

    commands_ = std::make_unique<CommandTable>(
        [this](int id) { return UpdateRule(id, factsCached_ ? facts_ : GatherFacts()); });
    BuildMenuBar();
    BuildToolButtons();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    QAction* up = commands_->Action(ID_ADDRESS_UP);
    up->setIcon(NuvioIcon(QStringLiteral("nuvio-address-up")));
    up->setToolTip(LoadStr(IDS_UP_ONE_LEVEL));
    QAction* favorites = commands_->Action(ID_ADDRESS_FAVORITES);
    favorites->setIcon(NuvioIcon(QStringLiteral("nuvio-address-favorites")));
    favorites->setToolTip(LoadStr(IDS_NAME_FAVORITES_LIST));
    addressBar_ = new CAddressBar(fs_, *this, up, favorites, central);
    layout->addWidget(addressBar_);

    splitter_ = new QSplitter(Qt::Vertical, central);
    splitter_->setChildrenCollapsible(false);
    tree_ = new NTreeView(fs_, prompt_, shell_, *this, splitter_);
    fileView_ =
        new CFileView(fs_, settings_, prompt_, shell_, document_.iconCache(), *this, splitter_);
    splitter_->addWidget(tree_);
    splitter_->addWidget(fileView_);
    auto* dragDrop = new FileDragDrop(*this, this);
    dragDrop->Watch(fileView_->iconView(), true);
    dragDrop->Watch(fileView_->detailsView(), true);
    dragDrop->Watch(tree_, false);
    // The tree keeps its height when the window changes size.
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({viewHeight_, 100});
    connect(splitter_, &QSplitter::splitterMoved, this, [this] { treeHeightChosen_ = true; });
    splitter_->installEventFilter(this);
    layout->addWidget(splitter_, 1);
    setCentralWidget(central);

    RegisterHandlers();
    BuildKeys();

    addressBar_->SetAddressText(currentFolder_);
    if (settings_.GetInt(IDS_SECTION_MAIN, IDS_KEY_SHOW_ADDRESS_BAR) == 0) addressBar_->hide();

    ApplyTouchSize();
    tree_->OnInitialUpdate();
    fileView_->OnInitialUpdate();
    history_.Visit(currentFolder_);
    watcher_ = new FolderWatcher(this);
    connect(watcher_, &FolderWatcher::changed, this, &CMainFrame::OnFolderChangedOutside);
    WatchCurrentFolder();
    // Expanding and collapsing changes the levels the tree shows; one update after a walk.
    auto scheduleWatch = [this] {
        if (watchScheduled_) return;
        watchScheduled_ = true;
        QTimer::singleShot(0, this, [this] {
            watchScheduled_ = false;
            WatchCurrentFolder();
        });
    };
    connect(tree_, &QTreeWidget::itemExpanded, this, scheduleWatch);
    connect(tree_, &QTreeWidget::itemCollapsed, this, scheduleWatch);

    connect(fileView_, &CFileView::stateChanged, this, &CMainFrame::ScheduleCommandUi);
    connect(qApp, &QApplication::focusChanged, this, &CMainFrame::ScheduleCommandUi);
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        connect(clipboard, &QClipboard::dataChanged, this, &CMainFrame::ScheduleCommandUi);
    }
    UpdateCommandUi();
    PostMessage(FrameMessage::CheckRecycleBin);
}

CMainFrame::~CMainFrame() {
    // Closing the window still moves the focus and destroys the children; none of that may
    // reach this object's slots once its own members are gone.
    disconnect(qApp, nullptr, this, nullptr);
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        disconnect(clipboard, nullptr, this, nullptr);
    disconnect(fileView_, nullptr, this, nullptr);
    SaveSettings();
}

void CMainFrame::BuildMenuBar() {
    QList<QMenu*> stack;
    for (const MenuTemplateEntry& entry : MainMenuTemplate()) {
        switch (entry.kind) {
            case MenuTemplateEntry::Popup: {
                const QString name = entry.id ? LoadStr(entry.id) : MenuText(entry);
                QMenu* menu =
                    stack.isEmpty() ? menuBar()->addMenu(name) : stack.last()->addMenu(name);
                if (stack.isEmpty()) {
                    menus_.append(menu);
                    // The rules run when a menu opens.
                    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUi);
                    connect(menu, &QMenu::aboutToHide, this, [this] {
                        QTimer::singleShot(0, this, &CMainFrame::LeaveMenuBar);
                    });
                }
                stack.append(menu);
                break;
            }
            case MenuTemplateEntry::Item: {
                QAction* action = commands_->Action(entry.id);
                action->setText(MenuText(entry));
                stack.last()->addAction(action);
                break;
            }
            case MenuTemplateEntry::Separator:
                stack.last()->addSeparator();
                break;
            case MenuTemplateEntry::End:
                stack.removeLast();
                break;
        }
    }
    // The sort commands carry a radio mark.
    auto* sortGroup = new QActionGroup(this);
    for (int id = ID_VIEW_SORT_BY_NAME; id <= ID_VIEW_SORT_BY_ATTRIBUTES; ++id)
        sortGroup->addAction(commands_->Action(id));
    commands_->Action(ID_EDIT_CUT)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    commands_->Action(ID_EDIT_COPY)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    commands_->Action(ID_EDIT_PASTE)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    QAction* exit = commands_->Action(ID_APP_EXIT);
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    addAction(exit);
}

void CMainFrame::BuildToolButtons() {
    auto* bar = new QToolBar(this);
    toolButtons_ = bar;
    bar->setObjectName(QString::number(IDR_MAINFRAME));
    bar->setIconSize(QSize(16, 16));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    bar->setMovable(false);
    // Room for the three menus beside the buttons on a 240-pixel screen.
    bar->setStyleSheet(
        QStringLiteral("QToolBar { spacing: 0px; padding: 0px; border: none; }"
                       "QToolButton { padding: 1px; margin: 0px; }"));
    for (const ToolButtonTemplate& button : MainToolButtons()) {
        QAction* action = commands_->Action(button.command);
        action->setIcon(NuvioIcon(QString::fromLatin1(button.iconName)));
        action->setToolTip(LoadStr(button.tooltipId));
        bar->addAction(action);
        if (QWidget* widget = bar->widgetForAction(action)) {
            widget->setObjectName(QString::number(button.command));
        }
    }
    menuBar()->setCornerWidget(bar, Qt::TopRightCorner);
}

void CMainFrame::RegisterHandlers() {
    CommandTable& c = *commands_;
    c.SetHandler(ID_FILE_UP, [this] { OnUpOneLevel(); });
    c.SetHandler(ID_ADDRESS_UP, [this] { OnCommand(ID_FILE_UP); });
    c.SetHandler(ID_ADDRESS_FAVORITES, [this] { addressBar_->ShowFavoritesMenu(); });
    c.SetHandler(ID_FILE_NEW_FOLDER, [this] { OnNewFolder(); });
    c.SetHandler(ID_FILE_REFRESH, [this] { OnRefresh(); });
    c.SetHandler(ID_FILE_OPEN_ITEM, [this] { OnOpen(); });
    c.SetHandler(ID_EDIT_RENAME, [this] { OnRename(); });
    c.SetHandler(ID_EDIT_SELECT_ALL, [this] { OnSelectRows(SelectMode::All); });
    c.SetHandler(ID_EDIT_INVERT_SELECTION, [this] { OnSelectRows(SelectMode::Invert); });
    c.SetHandler(ID_EDIT_CHECK_MODE, [this] { fileView_->input().SetCheckMode(true); });
    c.SetHandler(ID_APP_ABOUT, [this] { OnAbout(); });
    c.SetHandler(ID_FILE_EXIT, [this] { close(); });
    c.SetHandler(ID_APP_EXIT, [this] { close(); });
    for (int id = ID_VIEW_LARGE_ICONS; id <= ID_VIEW_DETAILS; ++id) {
        c.SetHandler(id, [this, id] {
            BeginWaitCursor();
            fileView_->SetViewMode(ViewMode(id - ID_VIEW_LARGE_ICONS), false);
            EndWaitCursor();
        });
    }
    for (int id = ID_VIEW_SORT_BY_NAME; id <= ID_VIEW_SORT_BY_ATTRIBUTES; ++id) {
        c.SetHandler(id, [this, id] { fileView_->ChooseSortMethod(id - ID_VIEW_SORT_BY_NAME); });
    }
    c.SetHandler(ID_VIEW_ADDRESS_BAR, [this] { ToggleAddressBar(); });
    c.SetHandler(ID_VIEW_COLUMN_HEADER, [this] { fileView_->ToggleColumnHeader(); });
    c.SetRangeHandler(ID_FAVORITE_FIRST, ID_FAVORITE_LAST, [this](int id) { OnFavorite(id); });
    c.SetHandler(ID_FILE_PROPERTIES, [this] { RunPropertiesCommand(*this); });
    c.SetHandler(ID_FILE_SETTINGS, [this] { RunSettingsCommand(*this); });
    InstallFileCommands(*this);
    InstallCryptCommands(*this);
    InstallRecycleCommands(*this);
    InstallFavoriteCommands(*this);
    InstallSendReceiveCommands(*this);
    InstallToolCommands(*this);
}

bool CMainFrame::OnCommand(int id) {
    const bool done = commands_->Execute(id);
    ScheduleCommandUi();
    return done;
}

void CMainFrame::PostCommand(int id) {
    QMetaObject::invokeMethod(
        this, [this, id] { OnCommand(id); }, Qt::QueuedConnection);
}

void CMainFrame::PostMessage(FrameMessage message) {
    QMetaObject::invokeMethod(
        this, [this, message] { OnMessage(message); }, Qt::QueuedConnection);
}

void CMainFrame::OnMessage(FrameMessage message) {
    switch (message) {
        case FrameMessage::CheckRecycleBin:
            document_.CheckRecycleBin();
            break;
        case FrameMessage::CompressRecycleBin:
            document_.CompressRecycleBin();
            break;
        case FrameMessage::ShowCommandFile:
            OnShowCommandFile();
            break;
        case FrameMessage::DecryptCommandFile:
            OnDecryptCommandFile();
            break;
    }
}

CommandFacts CMainFrame::GatherFacts() const {
    CommandFacts f;
    const QWidget* focus = focusWidget();
    if (focus && (focus == tree_ || tree_->isAncestorOf(focus))) {
        f.focus = CommandFacts::Focus::Tree;
    } else if (focus && (focus == fileView_ || fileView_->isAncestorOf(focus))) {
        f.focus = CommandFacts::Focus::List;
    }
    const QList<int> selected = fileView_->GetSelectedRows();
    f.selectedCount = int(selected.size());
    f.itemCount = fileView_->RowCount();
    if (!selected.isEmpty()) {
        const FileItem* first = fileView_->Item(selected.first());
        f.firstSelectedIsFile = first && !first->IsFolder();
    }
    f.rootSelected = tree_->IsRootSelected();
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    // Other file managers offer file URLs; paste takes those too.
    f.clipboardOffer = data && OffersPasteSources(*data, ClipboardFormat());
    f.cutMark = cutMark_;
    f.atRoot = currentFolder_ == kRoot;
    f.listMode = fileView_->viewMode();
    f.sortMethod = fileView_->listing().sortMethod();
    f.addressBarShown = IsAddressBarShown();
    f.columnHeaderShown = fileView_->IsColumnHeaderShown();
    f.mailService = shell_.HasTransferService(TransferService::Mail);
    f.linkSendService = shell_.HasTransferService(TransferService::LinkSend);
    f.linkReceiveService = shell_.HasTransferService(TransferService::LinkReceive);
    return f;
}

void CMainFrame::UpdateCommandUi() {
    facts_ = GatherFacts();
    factsCached_ = true;
    commands_->UpdateAll();
    factsCached_ = false;
}

void CMainFrame::ScheduleCommandUi() {
    if (updatePending_) return;
    updatePending_ = true;
    QTimer::singleShot(0, this, [this] {
        updatePending_ = false;
        UpdateCommandUi();
    });
}

void CMainFrame::LeaveMenuBar() {
    if (QApplication::activePopupWidget()) return;
    QMenuBar* bar = menuBar();
    // Escape out of a menu leaves the bar highlighted and holding the focus, so that the
    // edit commands would follow no pane; one more Escape is what the bar waits for.
    if (!bar->hasFocus()) return;
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(bar, &escape);
    if (bar->hasFocus()) FocusActiveView();
}

void CMainFrame::ApplyTouchSize() {
    const int setting = settings_.GetInt(IDS_SECTION_FILEVIEW, IDS_KEY_TOUCH_SIZE);
    const TouchSize size = setting >= 0 && setting <= int(TouchSize::Large) ? TouchSize(setting)
                                                                            : TouchSize::FromScreen;
    bool touchScreen = false;
    for (const QInputDevice* device : QInputDevice::devices())
        touchScreen = touchScreen || device->type() == QInputDevice::DeviceType::TouchScreen;
    const QScreen* shown = screen();
    const int fontHeight = fontMetrics().height();
    const TouchMetrics metrics = MeasureTouchTargets(
        shown ? shown->physicalDotsPerInch() : 96, touchScreen, size, fontHeight);
    fileView_->SetTouchMetrics(metrics);
    tree_->SetTouchMetrics(metrics.target, metrics.listIcon);
    toolButtons_->setIconSize(QSize(metrics.listIcon, metrics.listIcon));
    // Menu entries and dialog buttons grow only beyond the compact size, so that a desktop
    // keeps its style's own look.
    const int grow = (metrics.target - fontHeight - 4) / 2;
    qApp->setStyleSheet(grow <= 0 ? QString()
                                  : QStringLiteral("QMenu::item { padding: %1px 20px %1px 24px; }"
                                                   "QPushButton { min-height: %2px; }")
                                        .arg(grow + 2)
                                        .arg(metrics.target));
}

QMenu* CMainFrame::MenuBarPopup(int index) const {
    return index >= 0 && index < menus_.size() ? menus_[index] : nullptr;
}

std::unique_ptr<QMenu> CMainFrame::BuildPopupMenu(const QList<int>& commandIds) {
    auto menu = std::make_unique<QMenu>(this);
    const CommandFacts facts = GatherFacts();
    for (int id : commandIds) {
        if (id == 0) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(LoadStr(id));
        action->setObjectName(QString::number(id));
        action->setEnabled(UpdateRule(id, facts).enabled);
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    }
    return menu;
}

void CMainFrame::ShowPopupMenu(const QList<int>& commandIds, const QPoint& globalPos) {
    std::unique_ptr<QMenu> menu = BuildPopupMenu(commandIds);
    menu->exec(globalPos);
}

QIcon CMainFrame::ListIcon(const QString& name) const {
    const int row = fileView_->FindRowByName(name);
    if (row >= 0) {
        const QModelIndex index = fileView_->model()->index(row, FileListModel::kName);
        return qvariant_cast<QIcon>(fileView_->model()->data(index, Qt::DecorationRole));
    }
    IconCache& icons = document_.iconCache();
    if (icons.IsValidIndex(1)) return IconFromNames(icons.At(1).iconNames);
    return QIcon();
}

int CMainFrame::RunDialog(QDialog& dialog) {
    if (dialogRunner_) return dialogRunner_(dialog);
    FitDialogToScreen(dialog);
    return dialog.exec();
}

std::unique_ptr<Progress> CMainFrame::BeginProgress(const QString& title) {
    if (progressFactory_) return progressFactory_(title);
    return std::make_unique<CProgressWindow>(this, title);
}

void CMainFrame::SetCutMark(bool on) {
    cutMark_ = on;
    // The items of a cut are drawn dimmed until the paste.
    fileView_->MarkCut(on ? GatherSelectedItems(*this).Paths() : QStringList());
    ScheduleCommandUi();
}

bool CMainFrame::SetCurrentFolder(const QString& path, bool synchronise) {
    QString folder = path;
    if (!IsFolder(fs_, folder) || SameFolder(folder, currentFolder_)) return false;
    addressBar_->SetAddressText(folder);
    currentFolder_ = folder;
    if (!inHistory_) history_.Visit(folder);
    if (synchronise) {
        // One reading of the folder serves the list and the tree.
        fileView_->FillList();
        tree_->SyncToPath(folder, fileView_->Subfolders());
        WatchCurrentFolder();
    }
    ScheduleCommandUi();
    return true;
}

void CMainFrame::ShowOnScreen() {
    const QScreen* shown = screen();
    const QRect area = shown ? shown->availableGeometry() : QRect(0, 0, 480, 640);
    if (area.width() <= 800 || area.height() <= 640) {
        showMaximized();
        return;
    }
    QSize size(settings_.GetInt(IDS_SECTION_MAIN, IDS_KEY_WINDOW_WIDTH),
               settings_.GetInt(IDS_SECTION_MAIN, IDS_KEY_WINDOW_HEIGHT));
    if (size.width() < 240 || size.height() < 320) size = QSize(area.width() / 2, area.height() * 3 / 4);
    resize(size.boundedTo(area.size()));
    show();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched != splitter_ || event->type() != QEvent::Resize) return false;
    // The tree shares the height: at least a few rows, at most about half. Until a height is
    // chosen, a tall window gives it a share rather than the small screen's default.
    const int total = static_cast<QResizeEvent*>(event)->size().height() - splitter_->handleWidth();
    if (total <= 0) return false;
    const QList<int> sizes = splitter_->sizes();
    const int rows = std::max(tree_->sizeHintForRow(0), 16);
    const int low = std::min(3 * rows + 4, total / 2);
    const int high = total * 45 / 100;
    const int wanted = treeHeightChosen_ ? sizes.value(0) : std::max(viewHeight_, total * 3 / 10);
    const int tree = std::clamp(wanted, low, std::max(low, high));
    if (tree != sizes.value(0)) splitter_->setSizes({tree, total - tree});
    return false;
}

void CMainFrame::ToggleAddressBar() {
    addressBar_->setHidden(IsAddressBarShown());
}

bool CMainFrame::IsAddressBarShown() const {
    return !addressBar_->isHidden();
}

void CMainFrame::FocusActiveView() {
    if (QAbstractItemView* view = fileView_->ActiveView()) view->setFocus();
}

void CMainFrame::SaveSettings() {
    if (saved_) return;
    saved_ = true;
    // The system's own cut or copy data means nothing once the program is gone.
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        const QMimeData* data = clipboard->mimeData();
        if (data && data->hasFormat(ClipboardFormat())) clipboard->clear();
    }
    settings_.SetProfileIntById(IDS_SECTION_MAIN, IDS_KEY_SHOW_ADDRESS_BAR,
                                IsAddressBarShown() ? 1 : 0);
    const int height = isVisible() ? tree_->height() : viewHeight_;
    settings_.SetProfileIntById(IDS_SECTION_MAIN, IDS_KEY_VIEW_HEIGHT, height);
    // A desktop window comes back at its size; a small screen is always taken whole.
    if (isVisible() && !isMaximized() && !isFullScreen()) {
        settings_.SetProfileIntById(IDS_SECTION_MAIN, IDS_KEY_WINDOW_WIDTH, width());
        settings_.SetProfileIntById(IDS_SECTION_MAIN, IDS_KEY_WINDOW_HEIGHT, this->height());
    }
    fileView_->SaveSettings();
    settings_.SetProfileTextById(IDS_SECTION_MAIN, IDS_KEY_WORK_DIRECTORY, currentFolder_);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    SaveSettings();
    event->accept();
}

QString CMainFrame::BinFolderPath() const {
    return document_.BinFolderPath();
}

void CMainFrame::OpenFolder(const QString& path) {
    SetCurrentFolder(path, true);
}

void CMainFrame::FolderRenamed(const QString& oldName, const QString& newName) {
    tree_->RenameChild(oldName, newName);
}

void CMainFrame::EnsureListPaneHeight(int minimum) {
    const QList<int> sizes = splitter_->sizes();
    if (sizes.size() != 2 || sizes[1] >= minimum) return;
    const int total = sizes[0] + sizes[1];
    splitter_->setSizes({std::max(0, total - minimum), minimum});
}

bool CMainFrame::RecycleIndexIsCurrent() const {
    return document_.IndexIsCurrent();
}

void CMainFrame::CompressRecycleBin() {
    OnMessage(FrameMessage::CompressRecycleBin);
}

void CMainFrame::TreeFolderSelected(const QString& path) {
    SetCurrentFolder(path, false);
    fileView_->FillList();
    WatchCurrentFolder();
}

void CMainFrame::TreeFolderRenamed(const QString& newPath) {
    SetCurrentFolder(newPath, false);
    // The rows' paths run through the folder's name.
    fileView_->FillList();
}

const FavoritesList& CMainFrame::Favorites() {
    return document_.favorites();
}

void CMainFrame::BuildKeys() {
    // The keys people expect beside the menu's own; Backspace and Enter stay with the edit
    // fields, which claim them first.
    commands_->Action(ID_EDIT_DELETE)->setShortcut(QKeySequence::Delete);
    commands_->Action(ID_FILE_REFRESH)->setShortcut(QKeySequence(Qt::Key_F5));
    commands_->Action(ID_EDIT_RENAME)->setShortcut(QKeySequence(Qt::Key_F2));
    commands_->Action(ID_FILE_UP)->setShortcuts(
        {QKeySequence(Qt::ALT | Qt::Key_Up), QKeySequence(Qt::Key_Backspace)});
    for (int id : {ID_EDIT_DELETE, ID_FILE_REFRESH, ID_EDIT_RENAME, ID_FILE_UP})
        addAction(commands_->Action(id));
    auto* back = new QAction(this);
    back->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    connect(back, &QAction::triggered, this, [this] { GoInHistory(false); });
    auto* forward = new QAction(this);
    forward->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    connect(forward, &QAction::triggered, this, [this] { GoInHistory(true); });
    addActions({back, forward});
}

void CMainFrame::GoInHistory(bool forward) {
    inHistory_ = true;
    for (;;) {
        const QString folder = forward ? history_.Forward() : history_.Back();
        if (folder.isEmpty() || SetCurrentFolder(folder, true)) break;
    }
    inHistory_ = false;
}

void CMainFrame::WatchCurrentFolder() {
    if (!watcher_) return;
    QList<FolderWatcher::Folder> folders{
        {fs_.HostPath(currentFolder_), currentFolder_, fileView_->RowCount()}};
    for (const auto& [path, count] : tree_->ListedFolders())
        folders.append({fs_.HostPath(path), path, count});
    watcher_->Watch(folders);
}

void CMainFrame::OnFolderChangedOutside(const QStringList& paths) {
    const bool treeOnCurrent = SameFolder(tree_->SelectedPath(), currentFolder_);
    QString folder = currentFolder_;
    const bool listShown = IsFolder(fs_, folder);
    const bool listChanged =
        listShown && std::any_of(paths.begin(), paths.end(),
                                 [&](const QString& path) { return SameFolder(path, folder); });
    if (listChanged) fileView_->Refill();
    for (const QString& path : paths) {
        // The list's reading serves the tree as well.
        const bool read = listChanged && SameFolder(path, currentFolder_);
        tree_->RefreshFolder(path, read ? &fileView_->Subfolders() : nullptr);
    }
    if (!listShown) {
        // Another program removed or renamed the folder shown: the list follows the tree's
        // highlight when it stood there, else goes up to the nearest folder left.
        QString target = treeOnCurrent ? tree_->SelectedPath() : FolderPart(currentFolder_);
        while (!IsFolder(fs_, target) && target != kRoot)
            target = FolderPart(target);
        TreeFolderSelected(target);
    }
    WatchCurrentFolder();
}

void CMainFrame::OnUpOneLevel() {
    QString parent;
    GetFolderPart(currentFolder_, &parent);
    if (!parent.isEmpty()) SetCurrentFolder(parent, true);
}

void CMainFrame::OnNewFolder() {
    const QString name = MakeNewFolderName(fs_, currentFolder_);
    if (name.isEmpty()) return;
    const QString path = JoinPath(currentFolder_, name);
    if (PathExists(fs_, path)) {
        ShowMessage(prompt_, IDS_FOLDER_EXISTS, IDS_APP_TITLE, MessageStyle::Exclamation);
        return;
    }
    FindData record;
    if (!fs_.CreateDirectory(path)) {
        ShowFilledMessage(prompt_, IDS_CANNOT_CREATE_FOLDER,
                          WithCause(FormatStr(IDS_CANNOT_CREATE_FOLDER, name), fs_.LastError()),
                          MessageStyle::Exclamation);
        return;
    }
    if (!PathExists(fs_, path, &record)) return;
    fileView_->ActiveView()->setFocus();
    const int row = fileView_->RowCount();
    tree_->RefreshSelected();
    fileView_->InsertItem(record, row);
    fileView_->SelectRow(row, RowSelect::Select, RowScope::Alone);
    fileView_->BeginRename(row);
}

void CMainFrame::OnRefresh() {
    tree_->RefreshSelected();
    fileView_->FillList();
}

void CMainFrame::OnOpen() {
    if (fileView_->SelectedCount() != 1) return;
    fileView_->OpenRow(fileView_->GetFirstSelected());
}

void CMainFrame::OnRename() {
    const CommandFacts facts = GatherFacts();
    if (facts.focus == CommandFacts::Focus::List && facts.selectedCount == 1) {
        fileView_->BeginRename(-1);
    } else if (facts.focus == CommandFacts::Focus::Tree) {
        tree_->EditSelectedLabel();
    }
}

void CMainFrame::OnSelectRows(SelectMode mode) {
    if (!fileView_->HasFocusInside()) fileView_->ActiveView()->setFocus();
    fileView_->SelectRows(mode);
}

void CMainFrame::OnFavorite(int id) {
    const std::optional<FavoriteEntry> favorite =
        document_.favorites().GetFavorite(id - ID_FAVORITE_FIRST);
    if (!favorite) return;
    QString folder = favorite->folder;
    if (IsFolder(fs_, folder)) {
        SetCurrentFolder(folder, true);
        return;
    }
    ShowFilledMessage(prompt_, IDS_FOLDER_NOT_FOUND,
                      FormatStr(IDS_FOLDER_NOT_FOUND, favorite->folder), MessageStyle::Stop);
}

void CMainFrame::OnAbout() {
    CAboutDlg dialog(this);
    RunDialog(dialog);
}

void CMainFrame::OnShowCommandFile() {
    QString path = settings_.GetText(IDS_SECTION_MAIN, IDS_KEY_COMMAND_FILE);
    FindData record;
    if (!PathExists(fs_, path, &record)) return;
    const QString folder = record.IsFolder() ? path : FolderPart(path);
    const QString extension = record.IsFolder() ? QString() : Extension(path);
    if (!folder.isEmpty() && !SameFolder(folder, currentFolder_)) {
        if (!SetCurrentFolder(folder, true)) return;
    }
    if (extension.compare(QLatin1String("enc"), Qt::CaseInsensitive) == 0) {
        PostMessage(FrameMessage::DecryptCommandFile);
    }
}

void CMainFrame::OnDecryptCommandFile() {
    QString path = settings_.GetText(IDS_SECTION_MAIN, IDS_KEY_COMMAND_FILE);
    FindData record;
    if (!PathExists(fs_, path, &record) || record.IsFolder()) return;
    // A row stands for a name in the current folder: a file elsewhere cannot be selected.
    if (!SameFolder(FolderPart(path), currentFolder_)) return;
    int row = fileView_->FindRowByName(FileNamePart(path));
    if (row < 0) {
        row = fileView_->InsertItem(record, -1);
        fileView_->RebuildImageLists();
    }
    fileView_->SelectRow(row, RowSelect::Select, RowScope::Alone, RowScroll::IntoView);
    PostCommand(ID_FILE_DECRYPT);
}

#include "shell/address_bar.h"

#include <QAction>
#include <QComboBox>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QHBoxLayout>
#include <QMenu>
#include <QToolButton>

#include "app/load_str.h"
#include "app/path_helpers.h"
#include "resources/ids.h"
#include "tools/favorites_list.h"

namespace {

// Shows the end of a long path, the name of the folder the user is in, as the list does not
// edit its text.
class PathCombo : public QComboBox {
public:
    using QComboBox::QComboBox;

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionComboBox option;
        initStyleOption(&option);
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                    QStyle::SC_ComboBoxEditField, this);
        option.currentText =
            fontMetrics().elidedText(option.currentText, Qt::ElideLeft, field.width());
        painter.drawControl(QStyle::CE_ComboBoxLabel, option);
    }
};

}  // namespace

CAddressBar::CAddressBar(DeviceFs& fs, AddressBarHost& host, QAction* upAction,
                         QAction* favoritesAction, QWidget* parent)
    : QWidget(parent), fs_(fs), host_(host) {
    setObjectName(QString::number(IDC_ADDRESS_BAR));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(2);

    combo_ = new PathCombo(this);
    combo_->setObjectName(QString::number(IDC_ADDRESS_COMBO));
    combo_->setAccessibleName(LoadStr(IDS_NAME_ADDRESS));
    combo_->setEditable(false);
    combo_->setMaxVisibleItems(kHistorySize);
    combo_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo_->setMinimumContentsLength(8);
    combo_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    layout->addWidget(combo_, 1);

    auto* strip = new QWidget(this);
    strip->setObjectName(QString::number(IDC_ADDRESS_TOOLBAR));
    auto* stripLayout = new QHBoxLayout(strip);
    stripLayout->setContentsMargins(0, 0, 0, 0);
    stripLayout->setSpacing(0);
    upButton_ = new QToolButton(strip);
    upButton_->setObjectName(QString::number(ID_ADDRESS_UP));
    upButton_->setDefaultAction(upAction);
    upButton_->setAutoRaise(true);
    favoritesButton_ = new QToolButton(strip);
    favoritesButton_->setObjectName(QString::number(ID_ADDRESS_FAVORITES));
    favoritesButton_->setDefaultAction(favoritesAction);
    favoritesButton_->setAutoRaise(true);
    stripLayout->addWidget(upButton_);
    stripLayout->addWidget(favoritesButton_);
    layout->addWidget(strip);

    connect(combo_, &QComboBox::activated, this, &CAddressBar::OnEntryChosen);
}

QStringList CAddressBar::History() const {
    QStringList entries;
    for (int i = 0; i < combo_->count(); ++i)
        entries.append(combo_->itemText(i));
    return entries;
}

void CAddressBar::SelectBusy(int index) {
    listBusy_ = true;
    combo_->setCurrentIndex(index);
    listBusy_ = false;
}

void CAddressBar::SetAddressText(const QString& path) {
    // A folder the user picked from the list leaves the list as it was.
    if (listBusy_) {
        listBusy_ = false;
        return;
    }
    int found = -1;
    for (int i = 0; i < combo_->count() && found < 0; ++i) {
        if (combo_->itemText(i).compare(path, Qt::CaseInsensitive) == 0) found = i;
    }
    if (found == 0) {
        SelectBusy(0);
        return;
    }
    if (found > 0) {
        combo_->removeItem(found);
    } else if (combo_->count() >= kHistorySize) {
        combo_->removeItem(combo_->count() - 1);
    }
    combo_->insertItem(0, path);
    SelectBusy(0);
}

void CAddressBar::OnEntryChosen(int index) {
    host_.FocusActiveView();
    if (listBusy_ || index < 0 || index >= combo_->count()) return;
    const QString path = combo_->itemText(index);
    const QString current = host_.GetCurrentFolder();
    if (path.compare(current, Qt::CaseInsensitive) == 0) return;
    if (PathExists(fs_, path)) {
        listBusy_ = true;
        if (host_.SetCurrentFolder(path, true)) return;
        listBusy_ = false;
    }
    // A folder that is gone stays in the list; the list shows the folder on screen again.
    for (int i = 0; i < combo_->count(); ++i) {
        if (combo_->itemText(i).compare(current, Qt::CaseInsensitive) == 0) {
            SelectBusy(i);
            break;
        }
    }
}

std::unique_ptr<QMenu> CAddressBar::BuildFavoritesMenu() {
    auto menu = std::make_unique<QMenu>(this);
    auto addCommand = [this, &menu](int id, const QString& text) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::number(id));
        connect(action, &QAction::triggered, this, [this, id] { host_.OnCommand(id); });
    };
    addCommand(ID_FAVORITE_ADD, LoadStr(IDS_ADD_FAVORITE));
    addCommand(ID_FAVORITE_EDIT, LoadStr(IDS_EDIT_FAVORITES));
    menu->addSeparator();
    const QList<FavoriteEntry>& entries = host_.Favorites().Entries();
    for (int i = 0; i < entries.size() && ID_FAVORITE_FIRST + i <= ID_FAVORITE_LAST; ++i)
        addCommand(ID_FAVORITE_FIRST + i,
                   QString(entries[i].name).replace(QLatin1Char('&'), QLatin1String("&&")));
    return menu;
}

void CAddressBar::ShowFavoritesMenu() {
    std::unique_ptr<QMenu> menu = BuildFavoritesMenu();
    const QPoint at = favoritesButton_->mapToGlobal(QPoint(0, 0));
    menu->exec(QPoint(at.x(), mapToGlobal(QPoint(0, height())).y()));
}

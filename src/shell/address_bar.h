#pragma once

#include <QStringList>
#include <QWidget>
#include <memory>

class DeviceFs;
class FavoritesList;
class QAction;
class QComboBox;
class QMenu;
class QToolButton;

// What the address bar needs of the main frame.
class AddressBarHost {
public:
    virtual ~AddressBarHost() = default;
    virtual QString GetCurrentFolder() const = 0;
    virtual bool SetCurrentFolder(const QString& path, bool synchronise) = 0;
    virtual bool OnCommand(int id) = 0;
    virtual void FocusActiveView() = 0;
    virtual const FavoritesList& Favorites() = 0;
};

// The strip above the panes: the last ten folders shown, newest first, to jump back to;
// an up-one-level button and a favourites menu button.
class CAddressBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHistorySize = 10;

    // upAction and favoritesAction are the frame's commands 10001 and 10023.
    CAddressBar(DeviceFs& fs, AddressBarHost& host, QAction* upAction, QAction* favoritesAction,
                QWidget* parent = nullptr);

    // Shows the path as the current entry and keeps the history.
    void SetAddressText(const QString& path);
    QStringList History() const;
    bool listBusy() const { return listBusy_; }

    // The user picked the entry at that position of the list.
    void OnEntryChosen(int index);
    // The favourites menu: add, edit, a separator, then one entry per favourite. Its
    // actions send their commands to the frame.
    std::unique_ptr<QMenu> BuildFavoritesMenu();
    void ShowFavoritesMenu();

    QComboBox* combo() const { return combo_; }
    QToolButton* upButton() const { return upButton_; }
    QToolButton* favoritesButton() const { return favoritesButton_; }

private:
    void SelectBusy(int index);

    DeviceFs& fs_;
    AddressBarHost& host_;
    QComboBox* combo_ = nullptr;
    QToolButton* upButton_ = nullptr;
    QToolButton* favoritesButton_ = nullptr;
    bool listBusy_ = false;
};

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <deque>

// One host folder mounted in the device: the root volume, or a storage card "\<name>".
struct HostVolume {
    QString name;         // empty for the root volume
    QByteArray hostRoot;  // trusted: given by the user or found as a mount point
    bool readOnly = false;
    bool fat = false;
};

// The device's volumes: the root folder, the cards given at start and the removable media
// found while it runs. A medium never hides a folder of the root or another card.
class HostVolumes {
public:
    struct Card {
        QString name;
        QString hostDir;
    };
    struct Config {
        QString rootDir;
        QList<Card> cards;
        // Also mount removable media found under /media/$USER and /run/media/$USER.
        bool discoverRemovableMedia = false;
        // Root folders the system makes when it needs them (the bin's): never a card's name,
        // even before they exist.
        QStringList reservedNames;
    };

    explicit HostVolumes(const Config& config);

    // $XDG_DATA_HOME/nuvio-explorer/device
    static QString DefaultRootDir();
    // Creates the folder with the device's standard folders when it does not exist yet.
    static bool SeedDevice(const QString& rootDir);

    const HostVolume& root() const { return root_; }
    // The mounted card of that name, without regard to case.
    const HostVolume* FindCard(const QString& name);
    // The cards mounted now, after a look for new media (at most once a second).
    QList<const HostVolume*> MountedCards();
    // Looks for new media, at most once a second.
    void Refresh();

private:
    void AddCard(const QString& name, const QString& hostDir);
    bool NameTaken(const QString& name) const;
    static bool Mounted(const HostVolume& volume);

    bool discover_ = false;
    QStringList reservedNames_;
    HostVolume root_;
    std::deque<HostVolume> cards_;  // never shrinks: find handles keep pointers
    qint64 scannedAt_ = -1;
};

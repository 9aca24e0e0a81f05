#pragma once

#include <QString>
#include <memory>

class QSettings;

// Per-user settings by string ids: section and value names are resource strings. Nothing is
// written until an owner saves.
class SettingsStore {
public:
    // The organisation every instance shares; the application is the program's name.
    static constexpr const char* kOrganization = "Local AppWizard-Generated Applications";
    static constexpr const char* kApplication = "nuvio-explorer";

    // The user's store ($XDG_CONFIG_HOME/<organisation>/<application>.conf).
    explicit SettingsStore(const QString& application = QString::fromLatin1(kApplication));
    // A store in one file, for tests and scratch devices.
    static std::unique_ptr<SettingsStore> FromFile(const QString& path);
    ~SettingsStore();

    int GetProfileIntById(int section, int key, int defaultValue) const;
    void SetProfileIntById(int section, int key, int value);
    QString GetProfileTextById(int section, int key, const QString& defaultValue) const;
    void SetProfileTextById(int section, int key, const QString& value);

    // With the default of the settings table.
    int GetInt(int section, int key) const;
    QString GetText(int section, int key) const;

    bool Contains(int section, int key) const;
    QString FileName() const;
    void Sync();

private:
    struct FromFileTag {};
    explicit SettingsStore(FromFileTag);
    std::unique_ptr<QSettings> settings_;
};

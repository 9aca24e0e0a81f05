#include "app/settings_store.h"

#include <QSettings>

#include "app/load_str.h"
#include "app/settings_defaults.h"

namespace {

QString KeyOf(int section, int key) {
    return LoadStr(section) + QLatin1Char('/') + LoadStr(key);
}

}  // namespace

SettingsStore::SettingsStore(const QString& application)
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QString::fromLatin1(kOrganization), application)) {}

std::unique_ptr<SettingsStore> SettingsStore::FromFile(const QString& path) {
    std::unique_ptr<SettingsStore> store(new SettingsStore(FromFileTag{}));
    store->settings_ = std::make_unique<QSettings>(path, QSettings::IniFormat);
    return store;
}

SettingsStore::SettingsStore(FromFileTag) {}

SettingsStore::~SettingsStore() = default;

int SettingsStore::GetProfileIntById(int section, int key, int defaultValue) const {
    bool ok = false;
    int value = settings_->value(KeyOf(section, key)).toInt(&ok);
    return ok ? value : defaultValue;
}

void SettingsStore::SetProfileIntById(int section, int key, int value) {
    settings_->setValue(KeyOf(section, key), value);
}

QString SettingsStore::GetProfileTextById(int section, int key, const QString& defaultValue) const {
    QVariant value = settings_->value(KeyOf(section, key));
    return value.isValid() ? value.toString() : defaultValue;
}

void SettingsStore::SetProfileTextById(int section, int key, const QString& value) {
    settings_->setValue(KeyOf(section, key), value);
}

int SettingsStore::GetInt(int section, int key) const {
    const SettingDefault* d = FindSettingDefault(section, key);
    return GetProfileIntById(section, key, d && !d->isText ? d->number : 0);
}

QString SettingsStore::GetText(int section, int key) const {
    const SettingDefault* d = FindSettingDefault(section, key);
    return GetProfileTextById(section, key,
                              d && d->isText ? QString::fromUtf16(d->text) : QString());
}

bool SettingsStore::Contains(int section, int key) const {
    return settings_->contains(KeyOf(section, key));
}

QString SettingsStore::FileName() const {
    return settings_->fileName();
}

void SettingsStore::Sync() {
    settings_->sync();
}

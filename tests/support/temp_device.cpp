#include "support/temp_device.h"

#include <gtest/gtest.h>
#include <sys/xattr.h>
#include <QCryptographicHash>
#include <QDir>

#include "app/path_helpers.h"
#include "platform/device_fs.h"

TempDevice::TempDevice(const QStringList& cards) {
    root_ = dir_.path() + QStringLiteral("/root");
    QDir().mkpath(root_);
    HostDeviceFs::Config config;
    config.rootDir = root_;
    for (const QString& card : cards) {
        QString host = CardHostDir(card);
        QDir().mkpath(host);
        config.cards.append({card, host});
    }
    fs_ = std::make_unique<HostDeviceFs>(config);
    settings_ = SettingsStore::FromFile(dir_.path() + QStringLiteral("/settings.ini"));
}

QString TempDevice::CardHostDir(const QString& card) const {
    return dir_.path() + QStringLiteral("/card-") + card;
}

void TempDevice::Folder(const QString& path) {
    ASSERT_TRUE(MakePath(*fs_, path)) << path;
}

void TempDevice::File(const QString& path, const QByteArray& content) {
    MakePath(*fs_, FolderPart(path));
    auto file = fs_->Open(path, OpenMode::CreateAlways);
    ASSERT_TRUE(file) << path.toStdString();
    ASSERT_TRUE(file->Write(content.constData(), content.size()));
    ASSERT_TRUE(file->Close());
}

void TempDevice::Make(const QStringList& description) {
    for (const QString& line : description) {
        int eq = line.indexOf(QLatin1Char('='));
        int hash = line.lastIndexOf(QLatin1Char('#'));
        if (line.endsWith(QLatin1Char('\\'))) {
            Folder(line);
        } else if (eq > 0) {
            File(line.left(eq), line.mid(eq + 1).toUtf8());
        } else if (hash > 0) {
            qint64 size = line.mid(hash + 1).toLongLong();
            QByteArray data(size, Qt::Uninitialized);
            for (qint64 i = 0; i < size; ++i)
                data[i] = char((i * 7 + size) & 0xff);
            File(line.left(hash), data);
        } else {
            File(line, QByteArray());
        }
    }
}

void TempDevice::SetRawAttributes(const QString& path, quint32 attributes) {
    QByteArray host = QFile::encodeName(fs_->HostPath(path));
    QByteArray dos = "0x" + QByteArray::number(attributes & 0x26, 16);
    ASSERT_EQ(lsetxattr(host.constData(), "user.DOSATTRIB", dos.constData(), dos.size(), 0), 0);
    quint32 own = attributes & (0x40 | 0x100 | 0x2000);
    if (own) {
        QByteArray text = "0x" + QByteArray::number(own, 16);
        ASSERT_EQ(
            lsetxattr(host.constData(), "user.nuvio.attrib", text.constData(), text.size(), 0), 0);
    } else {
        lremovexattr(host.constData(), "user.nuvio.attrib");
    }
    QFile::Permissions perms = QFile::permissions(QFile::decodeName(host));
    if (attributes & 0x1) {
        perms &= ~(QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup | QFile::WriteOther);
    } else {
        perms |= QFile::WriteOwner | QFile::WriteUser;
    }
    QFile::setPermissions(QFile::decodeName(host), perms);
}

QByteArray TempDevice::Read(const QString& path) {
    auto file = fs_->Open(path, OpenMode::Read);
    if (!file) return QByteArray();
    QByteArray data(file->Size(), Qt::Uninitialized);
    data.resize(file->Read(data.data(), data.size()));
    return data;
}

bool TempDevice::Exists(const QString& path) {
    return PathExists(*fs_, path);
}

QStringList TempDevice::List(const QString& folder, const QString& pattern) {
    QStringList names;
    FindData entry;
    auto handle = fs_->FindFirst(JoinPath(folder, pattern), entry);
    for (bool more = handle != nullptr; more; more = handle->Next(entry))
        names.append(entry.IsFolder() ? entry.name + QLatin1Char('\\') : entry.name);
    names.sort(Qt::CaseInsensitive);
    return names;
}

QStringList TempDevice::Snapshot(const QString& folder) {
    QStringList out;
    for (const QString& name : List(folder)) {
        QString path = JoinPath(folder, name);
        if (name.endsWith(QLatin1Char('\\'))) {
            path.chop(1);
            out.append(path + QLatin1Char('\\'));
            out += Snapshot(path);
        } else {
            QByteArray sum = QCryptographicHash::hash(Read(path), QCryptographicHash::Md5);
            out.append(path + QLatin1Char(' ') + QString::fromLatin1(sum.toHex()));
        }
    }
    return out;
}

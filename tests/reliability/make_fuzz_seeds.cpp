// Writes the seed corpora of the fuzz targets (kept in tests/reliability/corpus): well-formed
// files made by our own writers, and archives whose entry names were swapped for hostile ones.
//   nuvio_fuzz_seeds OUTDIR

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

#include "crypt/crypto_provider.h"
#include "crypt/encrypt_file.h"
#include "fileops/clipboard_payload.h"
#include "platform/desktop_shell_services.h"
#include "recycle/recycle_archive_pack.h"
#include "recycle/recycle_index.h"
#include "scratch_device.h"
#include "tools/favorites_file.h"

namespace {

QString gOut;
int gFailures = 0;

void Write(const QString& target, const QString& name, const QByteArray& bytes) {
    QDir().mkpath(gOut + QLatin1Char('/') + target);
    QFile file(gOut + QLatin1Char('/') + target + QLatin1Char('/') + name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s/%s\n", qPrintable(target), qPrintable(name));
        ++gFailures;
    }
}

QByteArray ReadDevice(DeviceFs& fs, const QString& path) {
    std::unique_ptr<DeviceFile> file = fs.Open(path, OpenMode::Read);
    QByteArray bytes(file ? file->Size() : 0, '\0');
    if (file && file->Read(bytes.data(), bytes.size()) != bytes.size()) bytes.clear();
    return bytes;
}

RecycleEntry Entry(const QString& archive, const QString& original, quint64 size,
                   quint32 attributes) {
    RecycleEntry entry;
    entry.archivePath = archive;
    entry.originalPath = original;
    entry.deleteTime.fields = {2024, 5, 1, 6, 7, 8, 9, 10};
    entry.size = size;
    entry.attributes = attributes;
    return entry;
}

void RecycleIndexSeeds() {
    const QList<RecycleEntry> entries = {
        Entry("\\~Recycle\\a.nzc", "\\My Documents\\a.txt", 5, Attr::kArchive),
        Entry("\\~Recycle\\Docs.nzc", QString::fromUtf16(u"\\My Documents\\文件"), 70000,
              Attr::kDirectory),
        Entry("\\Storage Card\\~Recycle\\big.nzc", "\\Storage Card\\big.bin", quint64(5) << 30,
              Attr::kArchive | Attr::kReadOnly),
    };
    Write("recycle_index", "empty", *EncodeRecycleIndex({}));
    Write("recycle_index", "one", *EncodeRecycleIndex(entries.mid(0, 1)));
    const QByteArray three = *EncodeRecycleIndex(entries);
    Write("recycle_index", "three", three);
    QByteArray old = three;
    old.replace(0, 3, kRecycleIndexOldMagic);
    Write("recycle_index", "old-version", old);
}

void FavoritesSeeds() {
    Write("favorites", "one", *EncodeFavorites({{"My Documents", "\\My Documents"}}));
    Write("favorites", "two",
          *EncodeFavorites({{QString::fromUtf16(u"我的文件"), "\\My Documents"},
                            {"Programs", "\\Windows\\Start Menu\\Programs"}}));
}

void ShortcutSeeds() {
    Write("shortcut", "quoted", "16#\"\\Windows\\a.exe\"\r\n");
    Write("shortcut", "arguments",
          DesktopShellServices::FormatShortcut("\"\\Windows\\pword.exe\" \"\\My Documents\\a\""));
    Write("shortcut", "chinese",
          DesktopShellServices::FormatShortcut(QString::fromUtf16(u"\"\\中文\\程式.exe\"")));
}

void ColumnOrderSeeds() {
    Write("column_order", "default", "0;1;2;3;4;");
    Write("column_order", "reversed", "4;3;2;1;0;");
    Write("column_order", "spaced", " 1; 0;2 ;3;4");
    Write("column_order", "short", "0;1;2;3;");
}

void ClipboardPayloadSeeds() {
    Write("clipboard_payload", "two", EncodeClipboardPayload({"\\My Documents", {"a.txt", "b"}}));
    Write("clipboard_payload", "root", EncodeClipboardPayload({"\\", {"My Documents"}}));
    Write("clipboard_payload", "chinese",
          EncodeClipboardPayload(
              {QString::fromUtf16(u"\\我的文件"), {QString::fromUtf16(u"報告.txt")}}));
}

void EncryptedSeeds() {
    ScratchDevice device;
    DeviceFs& fs = device.fs();
    const struct {
        const char* name;
        QByteArray content;
        QString provider;
    } files[] = {
        {"hello", "hello", QString::fromUtf16(kEnhancedProviderName)},
        {"base", QByteArray("\x00\x01\x02\x03\x04\x05\x06\x07", 8),
         QString::fromUtf16(kBaseProviderName)},
        {"empty", QByteArray(), QString::fromUtf16(kEnhancedProviderName)},
        {"longer", QByteArray(300, 'x'), QString::fromUtf16(kEnhancedProviderName)},
    };
    for (const auto& file : files) {
        const QString plain = QStringLiteral("\\a.txt");
        device.Clear();
        device.Put(plain, file.content);
        if (EncryptFile(fs, plain, "\\a.enc", "pw", file.provider) != CryptResult::Ok) {
            std::fprintf(stderr, "cannot encrypt the %s seed\n", file.name);
            ++gFailures;
            continue;
        }
        Write("encrypted_file", file.name, ReadDevice(fs, "\\a.enc"));
    }
}

void ArchiveSeeds() {
    ScratchDevice device;
    DeviceFs& fs = device.fs();
    device.Put("\\Docs\\ab.txt", "alpha beta");
    device.Put(QString::fromUtf16(u"\\Docs\\子\\中.txt"), QByteArray(600, 'z'));
    fs.CreateDirectory("\\Docs\\empty");
    fs.CreateDirectory("\\~Recycle");
    if (!PackIntoArchive(fs, "\\Docs", "\\~Recycle\\Docs.nzc").packed ||
        !PackIntoArchive(fs, "\\Docs\\ab.txt", "\\~Recycle\\ab.nzc").packed) {
        std::fprintf(stderr, "cannot pack the archive seeds\n");
        ++gFailures;
        return;
    }
    const QByteArray tree = ReadDevice(fs, "\\~Recycle\\Docs.nzc");
    const QByteArray single = ReadDevice(fs, "\\~Recycle\\ab.nzc");
    Write("unzip", "tree", tree);
    Write("unzip", "file", single);
    // The same file under names that must be refused; each as long as the real one, so the
    // headers stay consistent.
    const QByteArray name = "Docs/ab.txt";
    if (!single.contains(name)) {
        std::fprintf(stderr, "the archive seed does not hold the name %s\n", name.constData());
        ++gFailures;
        return;
    }
    const struct {
        const char* seed;
        QByteArray name;
    } hostile[] = {
        {"dotdot", "..\\..\\a.txt"},
        {"slashes", "../../a.txt"},
        {"absolute", "/tmp/evil.x"},
        {"drive", "C:\\evil.txt"},
        {"nul", QByteArray("Docs/a\0.txt", 11)},
    };
    for (const auto& h : hostile) {
        QByteArray bytes = single;
        bytes.replace(name, h.name);
        Write("unzip", QStringLiteral("hostile-") + h.seed, bytes);
    }
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: nuvio_fuzz_seeds OUTDIR\n");
        return 2;
    }
    gOut = QString::fromLocal8Bit(argv[1]);
    RecycleIndexSeeds();
    FavoritesSeeds();
    ShortcutSeeds();
    ColumnOrderSeeds();
    ClipboardPayloadSeeds();
    EncryptedSeeds();
    ArchiveSeeds();
    return gFailures == 0 ? 0 : 1;
}

#include "cli/crypt_commands.h"

#include <QCoreApplication>

#include "app/load_str.h"
#include "app/message.h"
#include "app/path_helpers.h"
#include "cli/cli_args.h"
#include "cli/cli_context.h"
#include "cli/cli_output.h"
#include "cli/cli_texts.h"
#include "cli/password_input.h"
#include "crypt/decrypt_file.h"
#include "crypt/encrypt_file.h"
#include "crypt/encrypted_file_reader.h"
#include "crypt/encrypted_format.h"
#include "crypt/report_crypt_failure.h"
#include "fileops/file_names.h"
#include "resources/ids.h"

namespace {

constexpr char kEncryptUsage[] = QT_TRANSLATE_NOOP(
    "Cli",
    "用法: nuvio encrypt [--delete] [--password-fd N] FILE...\n"
    "把每個檔案加密成 FILE.enc (名稱已被使用時加上編號: a.txt(2).enc), 並顯示建立的\n"
    "檔案. 密碼從描述元 N 讀取一行, 或在終端機上詢問兩次; 請勿在命令列上輸入密碼.\n"
    "  --delete   加密檔完成後刪除原始檔\n");

constexpr char kDecryptUsage[] = QT_TRANSLATE_NOOP(
    "Cli",
    "用法: nuvio decrypt [--delete] [--yes|--no] [--password-fd N] FILE...\n"
    "把每個 .enc 檔解密成其中儲存的名稱, 放在同一個資料匣中, 並顯示建立的檔案.\n"
    "密碼從描述元 N 讀取一行, 或在終端機上詢問. 取代現有的檔案要先詢問:\n"
    "  --yes      取代現有的檔案\n"
    "  --no       保留現有的檔案 (都沒有指定時: 保留並報告)\n"
    "  --delete   內容還原後刪除加密檔\n");

// The password dialog takes at most this many characters.
constexpr int kMaxPasswordLength = 127;

const QStringList kFlags = {QStringLiteral("--delete"), QStringLiteral("--yes"),
                            QStringLiteral("--no")};
const QString kPasswordFd = QStringLiteral("--password-fd");

// The password, or the exit code when there is none to work with.
std::optional<QString> GetPassword(CliContext& context, const ParsedArgs& args, bool twice,
                                   const char* usage, int* exitCode) {
    std::optional<QString> password;
    if (args.values.contains(kPasswordFd)) {
        int fd = 0;
        if (!ParseIndex(args.Value(kPasswordFd), &fd)) {
            *exitCode = UsageError(usage, Cli::tr("--password-fd 需要一個檔案描述元"));
            return std::nullopt;
        }
        password = ReadPasswordLine(fd);
    } else {
        password = AskPassword(QCoreApplication::translate("Cli", "密碼 : "));
        if (password && twice) {
            const std::optional<QString> again = AskPassword(QCoreApplication::translate("Cli", "密碼確認 : "));
            if (!again || *again != *password) {
                ShowMessage(context.prompt(), IDS_PASSWORD_MISMATCH, IDS_APP_TITLE, MessageStyle::Stop);
                *exitCode = context.ExitCode();
                return std::nullopt;
            }
        }
    }
    const char* problem = !password                               ? kTextNoPassword
                          : password->isEmpty()                   ? kTextEmptyPassword
                          : password->size() > kMaxPasswordLength ? kTextLongPassword
                                                                  : nullptr;
    if (problem) {
        *exitCode = UsageError(usage, Cli::tr(problem));
        return std::nullopt;
    }
    return password;
}

// The failure's message; false when the command ends. Unlike the explorer, which shows the
// ROM message alone, the terminal names the file: a run may name many.
bool ReportFailure(CliContext& context, CryptResult result, const QString& name,
                   const QString& target) {
    if (result == CryptResult::RomFile) {
        ShowFilledMessage(context.prompt(), IDS_CANNOT_ENCRYPT_ROM_FILE,
                          name + QLatin1Char('\n') + LoadStr(IDS_CANNOT_ENCRYPT_ROM_FILE),
                          MessageStyle::Exclamation);
        return true;
    }
    return ReportCryptFailure(context.prompt(), result, name, target);
}

void DeleteOriginal(CliContext& context, const QString& path) {
    if (!DeleteFileForce(context.fs(), path)) {
        context.Fail(Cli::tr(kTextCannotDelete).arg(path));
    }
}

}  // namespace

int RunEncrypt(CliContext& context, const QStringList& arguments) {
    const ParsedArgs args = ParseArgs(arguments, {QStringLiteral("--delete")}, {kPasswordFd});
    if (args.help) return PrintUsage(kEncryptUsage);
    if (!args.error.isEmpty()) return UsageError(kEncryptUsage, args.error);
    if (args.positionals.isEmpty()) return UsageError(kEncryptUsage, Cli::tr("未指定檔案"));
    int exitCode = kExitUsage;
    const std::optional<QString> password =
        GetPassword(context, args, true, kEncryptUsage, &exitCode);
    if (!password) return exitCode;

    DeviceFs& fs = context.fs();
    for (const QString& argument : args.positionals) {
        const QString path = context.ResolvePath(argument);
        const QString target = MakeEncryptedTargetPath(fs, path);
        const CryptResult result = EncryptFile(fs, path, target, *password);
        if (result != CryptResult::Ok) {
            if (!ReportFailure(context, result, FileNamePart(path), target)) break;
            continue;
        }
        WriteOut(target + QLatin1Char('\n'));
        if (args.Has(QStringLiteral("--delete"))) DeleteOriginal(context, path);
    }
    return context.ExitCode();
}

int RunDecrypt(CliContext& context, const QStringList& arguments) {
    const ParsedArgs args = ParseArgs(arguments, kFlags, {kPasswordFd});
    if (args.help) return PrintUsage(kDecryptUsage);
    if (!args.error.isEmpty()) return UsageError(kDecryptUsage, args.error);
    const bool yes = args.Has(QStringLiteral("--yes"));
    const bool no = args.Has(QStringLiteral("--no"));
    if (yes && no) return UsageError(kDecryptUsage, Cli::tr("--yes 和 --no 只能擇一"));
    if (args.positionals.isEmpty()) return UsageError(kDecryptUsage, Cli::tr("未指定檔案"));
    context.prompt().SetAnswer(yes ? CliAnswer::Yes : (no ? CliAnswer::No : CliAnswer::Safe));
    int exitCode = kExitUsage;
    const std::optional<QString> password =
        GetPassword(context, args, false, kDecryptUsage, &exitCode);
    if (!password) return exitCode;

    DeviceFs& fs = context.fs();
    for (const QString& argument : args.positionals) {
        const QString path = context.ResolvePath(argument);
        const QString name = FileNamePart(path);
        // Decided by the name alone, before the file is opened.
        if (!HasEncryptedExtension(path)) {
            ReportFailure(context, CryptResult::NotEncrypted, name, QString());
            continue;
        }
        EncryptedFileInfo info;
        CryptResult result = ReadEncryptedFileInfo(fs, path, *password, &info);
        if (result != CryptResult::Ok) {
            ReportFailure(context, result, name, QString());
            continue;
        }
        const QString target = JoinPath(FolderPart(path), info.storedName);
        if (PathExists(fs, target) &&
            ShowFilledMessage(context.prompt(), IDS_CONFIRM_REPLACE_DECRYPTED,
                              FormatStr(IDS_CONFIRM_REPLACE_DECRYPTED, info.storedName),
                              MessageStyle::YesNoQuestion) != MessageAnswer::Yes) {
            continue;
        }
        result = DecryptFile(fs, path, target, *password);
        if (result != CryptResult::Ok) {
            if (!ReportFailure(context, result, name, info.storedName)) break;
            continue;
        }
        WriteOut(target + QLatin1Char('\n'));
        // A file that held its own name has just been replaced by its content.
        const bool sameFile = target.compare(path, Qt::CaseInsensitive) == 0;
        if (args.Has(QStringLiteral("--delete")) && !sameFile) DeleteOriginal(context, path);
    }
    return context.ExitCode();
}

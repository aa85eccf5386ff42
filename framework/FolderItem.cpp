#include "framework/FolderItem.h"

#include "framework/Raison.h"
#include "framework/TextInputStream.h"
#include "framework/TextOutputStream.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <cerrno>
#include <filesystem>
#include <system_error>
#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace framework {

namespace {

struct Remplacement {
    QString dossier;
    FolderItem::Copie copie = FolderItem::Copie::Portable;
};

Remplacement& remplacement() {
    static Remplacement r;
    return r;
}

std::filesystem::path natif(const QString& path) {
#ifdef Q_OS_WIN
    return QDir::toNativeSeparators(path).toStdWString();
#else
    return QFile::encodeName(path).toStdString();
#endif
}

// The running program by the real bytes of its path (a debugger or valgrind answers for it
// when the link is read, not when it is followed).
std::filesystem::path programme() {
#ifdef Q_OS_LINUX
    std::error_code ec;
    const std::filesystem::path lien = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec)
        return lien;
#endif
    return natif(QCoreApplication::applicationFilePath());
}

bool isRunningProgram(const QString& path) {
    std::error_code ec;
    return std::filesystem::equivalent(natif(path), programme(), ec);
}

#ifdef Q_OS_LINUX
// The folder of the executable by its real bytes. Qt reads file names as UTF-8: a folder whose
// name is not (a Latin-1 "café") is then reached through a descriptor kept open on it.
QString dossierReel() {
    std::error_code ec;
    const std::string exe = std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
    const QByteArray octets = QByteArray::fromStdString(exe);
    if (ec || octets.isEmpty())
        return QCoreApplication::applicationDirPath();
    const QString nom = QFile::decodeName(octets);
    if (QFile::encodeName(nom) == octets)
        return nom;
    static const int fd = ::open(octets.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    return fd < 0 ? QString() : QStringLiteral("/proc/self/fd/%1").arg(fd);
}
#endif

// What stands where a regular file was expected.
QString nature(const QString& path) {
    if (QFileInfo(path).isDir())
        return QStringLiteral("un dossier");
#ifdef Q_OS_UNIX
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) == 0) {
        if (S_ISFIFO(st.st_mode))
            return QStringLiteral("un tube nommé");
        if (S_ISSOCK(st.st_mode))
            return QStringLiteral("une socket");
    }
#endif
    return QStringLiteral("un périphérique");
}

// Why a path that is not there, or not a regular file, cannot be used; a link is followed and
// named, so that the user sees where it leads.
QString pourquoiInutilisable(const QString& path, int codeErreur) {
    const QFileInfo info(path);
    const QString lien = info.symLinkTarget();
    const QString quoi =
        lien.isEmpty()
            ? QString()
            : QStringLiteral("c'est un lien vers « %1 », ").arg(QDir::toNativeSeparators(lien));
    if (!info.exists())
        return quoi + (lien.isEmpty()
                           ? Raison(codeErreur)
                           : QStringLiteral("qui ne mène à rien (%1)").arg(Raison(codeErreur)));
    return quoi +
           QStringLiteral("%1n'est pas un fichier ordinaire mais %2")
               .arg(lien.isEmpty() ? QStringLiteral("ce ") : QStringLiteral("qui "), nature(path));
}

} // namespace

FolderItem::FolderItem(QString path) : path_(std::move(path)) {}

QString FolderItem::ApplicationFolder() {
    if (!remplacement().dossier.isEmpty())
        return remplacement().dossier;
#ifdef Q_OS_LINUX
    QString folder = dossierReel();
#else
    QString folder = QCoreApplication::applicationDirPath();
#endif
#ifdef Q_OS_MACOS
    // Inside "X.app/Contents/MacOS": the application's folder is the one holding X.app.
    if (folder.endsWith(QLatin1String(".app/Contents/MacOS")))
        folder = QFileInfo(folder + QLatin1String("/../../..")).canonicalFilePath();
#endif
    return folder;
}

FolderItem::Copie FolderItem::SorteDeCopie() {
    if (!remplacement().dossier.isEmpty())
        return remplacement().copie;
    const QString dossier = QFileInfo(ApplicationFolder()).canonicalFilePath();
    if (dossier == QFileInfo(QStringLiteral(TARIVANE_BINDIR)).canonicalFilePath())
        return Copie::Installee;
#ifdef Q_OS_WIN
    // The installer names, for her, the folder it installed into: a folder she may write all
    // the same (as an administrator) is then no portable copy.
    const QString installe =
        QSettings(QStringLiteral("HKEY_CURRENT_USER\\Software\\Tarivane\\Tarivane"),
                  QSettings::NativeFormat)
            .value(QStringLiteral("Dossier"))
            .toString();
    if (!installe.isEmpty() &&
        QFileInfo(installe).canonicalFilePath().compare(dossier, Qt::CaseInsensitive) == 0)
        return Copie::Installee;
    // Windows tells a folder's rights only by trying: a file made there, and gone at once.
    QTemporaryFile essai(ApplicationFolder() + QStringLiteral("/XXXXXX.tmp"));
    return essai.open() ? Copie::Portable : Copie::Protegee;
#else
    return QFileInfo(ApplicationFolder()).isWritable() ? Copie::Portable : Copie::Protegee;
#endif
}

void FolderItem::SetApplicationFolder(const QString& folder, Copie copie) {
    remplacement() = {folder, copie};
}

FolderItem FolderItem::GetConfigItem(const QString& name) {
#ifdef Q_OS_WIN
    // The roaming folder, which follows the user from one computer to another.
    return GetFolderItem(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), name);
#else
    return GetFolderItem(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation), name);
#endif
}

FolderItem FolderItem::GetFolderItem(const QString& name) {
    return GetFolderItem(ApplicationFolder(), name);
}

FolderItem FolderItem::GetFolderItem(const QString& folder, const QString& name) {
    // No folder is never the current one.
    if (folder.isEmpty())
        return {};
    const QString path = QDir(folder).filePath(name);
    if (isRunningProgram(path))
        return {};
    return FolderItem(path);
}

QString FolderItem::Affichage(const QString& path) {
#ifdef Q_OS_LINUX
    static const QRegularExpression descripteur(QStringLiteral("^/proc/self/fd/\\d+"));
    const auto m = descripteur.match(path);
    if (m.hasMatch()) {
        std::error_code ec;
        const auto reel = std::filesystem::read_symlink(natif(m.captured()), ec);
        if (!ec)
            return QFile::decodeName(QByteArray::fromStdString(reel)) +
                   path.mid(m.capturedLength());
    }
#endif
    return QDir::toNativeSeparators(path);
}

bool FolderItem::Exists() const {
    if (isNil())
        return false;
    std::error_code ec;
    const auto etat = std::filesystem::symlink_status(natif(path_), ec);
    // A folder that may not be looked into may hold it: that is to be told, not taken as none.
    return std::filesystem::exists(etat) ||
           (ec && ec != std::errc::no_such_file_or_directory && ec != std::errc::not_a_directory);
}

std::unique_ptr<TextInputStream> FolderItem::OpenAsTextFile(QString& erreur) const {
    // Looked at before it is opened: opening a device or a pipe may block or act on it.
    EffacerErreur();
    const QFileInfo info(path_);
    if (!info.exists() || !info.isFile()) {
        std::error_code ec;
        (void)std::filesystem::status(natif(path_), ec);
        erreur = pourquoiInutilisable(path_, ec ? ec.value() : ENOENT);
        return nullptr;
    }
    QFile fichier;
#ifdef Q_OS_UNIX
    // Never waits, even on what took the file's place since it was looked at.
    const int fd =
        ::open(QFile::encodeName(path_).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    struct stat st {};
    if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(fd);
        erreur = pourquoiInutilisable(path_, 0);
        return nullptr;
    }
    const bool ouvert = fd >= 0 && fichier.open(fd, QIODevice::ReadOnly, QFile::AutoCloseHandle);
#else
    fichier.setFileName(path_);
    const bool ouvert = fichier.open(QIODevice::ReadOnly);
#endif
    if (!ouvert) {
        erreur = Raison(DerniereErreur());
        return nullptr;
    }
    EffacerErreur();
    QByteArray bytes = fichier.read(TextInputStream::MaxBytes);
    if (fichier.error() != QFileDevice::NoError) {
        erreur = Raison(DerniereErreur());
        return nullptr;
    }
    return std::make_unique<TextInputStream>(std::move(bytes));
}

std::unique_ptr<TextOutputStream> FolderItem::CreateTextFile(QString& erreur,
                                                             Nouveau nouveau) const {
    if (isNil()) {
        erreur = QStringLiteral("aucun emplacement n'est possible pour ce fichier");
        return nullptr;
    }
    const QFileInfo info(path_);
    if (info.exists() && !info.isFile()) {
        erreur = pourquoiInutilisable(path_, 0);
        return nullptr;
    }
    if (!info.exists()) {
        std::error_code ec;
        (void)std::filesystem::status(natif(path_), ec);
        // Missing, it is made; a dangling link is refused, for it names another file.
        if (info.isSymLink() || (ec && ec != std::errc::no_such_file_or_directory)) {
            erreur = pourquoiInutilisable(path_, ec.value());
            return nullptr;
        }
        const QString dossier = info.absolutePath();
        ec.clear();
        if (nouveau == Nouveau::Reglages)
            std::filesystem::create_directories(natif(dossier), ec);
        else if (QFileInfo(dossier).exists() && !QFileInfo(dossier).isDir())
            ec = std::make_error_code(std::errc::not_a_directory);
        else if (!QFileInfo(dossier).isDir())
            ec = std::make_error_code(std::errc::no_such_file_or_directory);
        if (ec == std::errc::not_a_directory) {
            erreur = Raison(ENOTDIR);
            return nullptr;
        }
        if (ec) {
            erreur = nouveau == Nouveau::Reglages
                         ? QStringLiteral("le dossier « %1 » n'existe pas et n'a pas pu être "
                                          "créé : %2")
                               .arg(QDir::toNativeSeparators(dossier), Raison(ec.value()))
                         : QStringLiteral("le dossier « %1 » n'existe pas")
                               .arg(QDir::toNativeSeparators(dossier));
            return nullptr;
        }
    }
    auto flux = std::make_unique<TextOutputStream>(path_);
    if (!flux->Open(nouveau == Nouveau::Reglages, erreur))
        return nullptr;
    return flux;
}

} // namespace framework

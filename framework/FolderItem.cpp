#include "framework/FolderItem.h"

#include "framework/Raison.h"
#include "framework/TextInputStream.h"
#include "framework/TextOutputStream.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

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

QByteArray natif(const QString& path) {
    return QFile::encodeName(path);
}

bool isRunningProgram(const QString& path) {
    std::error_code ec;
    return std::filesystem::equivalent(natif(path).toStdString(),
                                       natif(QCoreApplication::applicationFilePath()).toStdString(),
                                       ec);
}

QString nature(mode_t mode) {
    if (S_ISDIR(mode))
        return QStringLiteral("un dossier");
    if (S_ISFIFO(mode))
        return QStringLiteral("un tube nommé");
    if (S_ISSOCK(mode))
        return QStringLiteral("une socket");
    return QStringLiteral("un périphérique");
}

// Why a path that is not there, or not a regular file, cannot be used; a link is followed and
// named, so that the user sees where it leads.
QString pourquoiInutilisable(const QString& path, int codeErreur, const struct stat* cible) {
    const QString lien = QFileInfo(path).symLinkTarget();
    const QString quoi =
        lien.isEmpty()
            ? QString()
            : QStringLiteral("c'est un lien vers « %1 », ").arg(QDir::toNativeSeparators(lien));
    if (!cible)
        return quoi + (lien.isEmpty()
                           ? Raison(codeErreur)
                           : QStringLiteral("qui ne mène à rien (%1)").arg(Raison(codeErreur)));
    return quoi + QStringLiteral("%1n'est pas un fichier ordinaire mais %2")
                      .arg(lien.isEmpty() ? QStringLiteral("ce ") : QStringLiteral("qui "),
                           nature(cible->st_mode));
}

} // namespace

FolderItem::FolderItem(QString path) : path_(std::move(path)) {}

QString FolderItem::ApplicationFolder() {
    if (!remplacement().dossier.isEmpty())
        return remplacement().dossier;
    QString folder = QCoreApplication::applicationDirPath();
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
    return ::access(natif(dossier).constData(), W_OK) == 0 ? Copie::Portable : Copie::Protegee;
}

void FolderItem::SetApplicationFolder(const QString& folder, Copie copie) {
    remplacement() = {folder, copie};
}

FolderItem FolderItem::GetConfigItem(const QString& name) {
    return GetFolderItem(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation), name);
}

FolderItem FolderItem::GetFolderItem(const QString& name) {
    return GetFolderItem(ApplicationFolder(), name);
}

FolderItem FolderItem::GetFolderItem(const QString& folder, const QString& name) {
    const QString path = QDir(folder).filePath(name);
    if (isRunningProgram(path))
        return {};
    return FolderItem(path);
}

bool FolderItem::Exists() const {
    struct stat st {};
    if (isNil())
        return false;
    // A folder that may not be looked into may hold it: that is to be told, not taken as none.
    return ::lstat(natif(path_).constData(), &st) == 0 || (errno != ENOENT && errno != ENOTDIR);
}

std::unique_ptr<TextInputStream> FolderItem::OpenAsTextFile(QString& erreur) const {
    const QByteArray chemin = natif(path_);
    // Looked at before it is opened: opening a device or a pipe may block or act on it.
    struct stat st {};
    if (::stat(chemin.constData(), &st) != 0) {
        erreur = pourquoiInutilisable(path_, errno, nullptr);
        return nullptr;
    }
    if (!S_ISREG(st.st_mode)) {
        erreur = pourquoiInutilisable(path_, 0, &st);
        return nullptr;
    }
    const int fd = ::open(chemin.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        erreur = Raison(errno);
        return nullptr;
    }
    QByteArray bytes(TextInputStream::MaxBytes, Qt::Uninitialized);
    qsizetype lus = 0;
    for (ssize_t n = 1; n > 0 && lus < bytes.size(); lus += n) {
        n = ::read(fd, bytes.data() + lus, static_cast<size_t>(bytes.size() - lus));
        if (n < 0)
            erreur = Raison(errno);
        n = std::max<ssize_t>(n, 0);
    }
    ::close(fd);
    if (!erreur.isEmpty())
        return nullptr;
    bytes.truncate(lus);
    return std::make_unique<TextInputStream>(std::move(bytes));
}

std::unique_ptr<TextOutputStream> FolderItem::CreateTextFile(QString& erreur) const {
    if (isNil()) {
        erreur = QStringLiteral("aucun emplacement n'est possible pour ce fichier");
        return nullptr;
    }
    struct stat st {};
    const bool existe = ::stat(natif(path_).constData(), &st) == 0;
    const int codeErreur = existe ? 0 : errno;
    // Missing, it is made; a dangling link is refused, for it names another file.
    if (!existe && (codeErreur != ENOENT || Exists())) {
        erreur = pourquoiInutilisable(path_, codeErreur, nullptr);
        return nullptr;
    }
    if (existe && !S_ISREG(st.st_mode)) {
        erreur = pourquoiInutilisable(path_, 0, &st);
        return nullptr;
    }
    // Through a link, the file it leads to is the one replaced.
    const QString cible = existe ? QFileInfo(path_).canonicalFilePath() : path_;
    const QFileInfo info(cible);
    if (!existe) {
        std::error_code ec;
        std::filesystem::create_directories(natif(info.absolutePath()).toStdString(), ec);
        if (ec) {
            erreur = QStringLiteral("le dossier « %1 » n'existe pas et n'a pas pu être créé : %2")
                         .arg(QDir::toNativeSeparators(info.absolutePath()), Raison(ec.value()));
            return nullptr;
        }
    }
    QByteArray modele = natif(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                              QStringLiteral("-XXXXXX"));
    const int fd = ::mkostemp(modele.data(), O_CLOEXEC);
    if (fd < 0) {
        erreur = Raison(errno);
        return nullptr;
    }
    // A new file is the user's own; a replaced one keeps the old one's permissions and, for
    // root, its owner where the file system keeps owners.
    if (existe) {
        ::fchmod(fd, st.st_mode & 07777);
        if (::geteuid() == 0)
            (void)!::fchown(fd, st.st_uid, st.st_gid);
    }
    return std::make_unique<TextOutputStream>(fd, QFile::decodeName(modele), cible);
}

} // namespace framework

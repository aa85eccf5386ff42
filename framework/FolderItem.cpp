#include "framework/FolderItem.h"

#include "framework/Raison.h"
#include "framework/TextInputStream.h"
#include "framework/TextOutputStream.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <filesystem>

namespace framework {

namespace {

struct Remplacement {
    QString dossier;
    FolderItem::Copie copie = FolderItem::Copie::Portable;
} remplacement;

// A path for the standard library, given as UTF-8, which it takes on every platform.
std::filesystem::path natif(const QString& path) {
    const QByteArray octets = path.toUtf8();
    return std::u8string_view(reinterpret_cast<const char8_t*>(octets.constData()), octets.size());
}

std::nullptr_t refus(QString& erreur, const QString& raison) {
    erreur = raison;
    return nullptr;
}

// Why a path that is not there, or not a regular file, cannot be used; a link is followed and
// named, so that the user sees where it leads.
QString pourquoiInutilisable(const QString& path) {
    std::error_code ec;
    const auto type = std::filesystem::status(natif(path), ec).type();
    const QString lien = QDir::toNativeSeparators(QFileInfo(path).symLinkTarget());
    if (lien.isEmpty() && ec)
        return Raison(ec.value());
    const QString quoi = lien.isEmpty()
                             ? QStringLiteral("ce ")
                             : QStringLiteral("c'est un lien vers « %1 », qui ").arg(lien);
    if (ec)
        return quoi + QStringLiteral("ne mène à rien (%1)").arg(Raison(ec.value()));
    using T = std::filesystem::file_type;
    return quoi + QStringLiteral("n'est pas un fichier ordinaire mais ") +
           QString::fromUtf16(type == T::directory ? u"un dossier"
                              : type == T::fifo    ? u"un tube nommé"
                              : type == T::socket  ? u"une socket"
                                                   : u"un périphérique");
}

} // namespace

QString FolderItem::ApplicationFolder() {
    if (!remplacement.dossier.isEmpty())
        return remplacement.dossier;
    QString folder = QCoreApplication::applicationDirPath();
#ifdef Q_OS_MACOS
    // Inside "X.app/Contents/MacOS": the application's folder is the one holding X.app.
    if (folder.endsWith(QLatin1String(".app/Contents/MacOS")))
        folder = QFileInfo(folder + QLatin1String("/../../..")).canonicalFilePath();
#endif
    return folder;
}

FolderItem::Copie FolderItem::SorteDeCopie() {
    if (!remplacement.dossier.isEmpty())
        return remplacement.copie;
    const QString dossier = QFileInfo(ApplicationFolder()).canonicalFilePath();
#ifdef Q_OS_WIN
    // The folder the installer names for her, installed even where she may write.
    const QSettings installeur(QStringLiteral("HKEY_CURRENT_USER\\Software\\Tarivane\\Tarivane"),
                               QSettings::NativeFormat);
    const QString installe = installeur.value(QStringLiteral("Dossier")).toString();
#else
    const QString installe = QStringLiteral(TARIVANE_BINDIR);
#endif
    if (!installe.isEmpty() && !dossier.isEmpty() && QFileInfo(installe) == QFileInfo(dossier))
        return Copie::Installee;
    // A folder's rights, which Windows tells only by trying: a file made there, and gone at once.
    // Qt cannot name a folder whose name is not UTF-8: a copy there has no folder of its own.
    QTemporaryFile essai(dossier + QStringLiteral("/XXXXXX.tmp"));
    return !dossier.isEmpty() && essai.open() ? Copie::Portable : Copie::Protegee;
}

void FolderItem::SetApplicationFolder(const QString& folder, Copie copie) {
    remplacement = {folder, copie};
}

FolderItem FolderItem::GetConfigItem(const QString& name) {
#ifdef Q_OS_WIN
    // The roaming folder, which follows the user from one computer to another.
    return GetFolderItem(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), name);
#else
    return GetFolderItem(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation), name);
#endif
}

FolderItem FolderItem::GetFolderItem(const QString& folder, const QString& name) {
    // No folder is never the current one.
    if (folder.isEmpty())
        return {};
    const QString path = QDir(folder).filePath(name);
    std::error_code ec;
    if (std::filesystem::equivalent(natif(path), natif(QCoreApplication::applicationFilePath()),
                                    ec))
        return {};
    return FolderItem(path);
}

bool FolderItem::Exists() const {
    std::error_code ec;
    // A folder that may not be looked into may hold it: that is to be told, not taken as none.
    return !isNil() &&
           (std::filesystem::exists(std::filesystem::symlink_status(natif(path_), ec)) ||
            (ec && ec != std::errc::no_such_file_or_directory && ec != std::errc::not_a_directory));
}

std::unique_ptr<TextInputStream> FolderItem::OpenAsTextFile(QString& erreur) const {
    // Only a regular file is opened: opening a device or a pipe may block or act on it.
    if (!QFileInfo(path_).isFile())
        return refus(erreur, pourquoiInutilisable(path_));
    EffacerErreur();
    QFile fichier(path_);
    const bool ouvert = fichier.open(QIODevice::ReadOnly);
    QByteArray bytes = ouvert ? fichier.read(TextInputStream::MaxBytes) : QByteArray();
    if (!ouvert || fichier.error() != QFileDevice::NoError)
        return refus(erreur, Raison(DerniereErreur()));
    return std::make_unique<TextInputStream>(std::move(bytes));
}

std::unique_ptr<TextOutputStream> FolderItem::CreateTextFile(QString& erreur,
                                                             Nouveau nouveau) const {
    if (isNil())
        return refus(erreur, QStringLiteral("aucun emplacement n'est possible pour ce fichier"));
    const QFileInfo info(path_);
    std::error_code ec;
    (void)std::filesystem::status(natif(path_), ec);
    // Missing, it is made; a link that leads nowhere is refused, for it names another file.
    if (info.exists() ? !info.isFile()
                      : info.isSymLink() || ec != std::errc::no_such_file_or_directory)
        return refus(erreur, pourquoiInutilisable(path_));
    const QString dossier = info.absolutePath();
    const QString nom = QDir::toNativeSeparators(dossier);
    EffacerErreur();
    if (!info.exists() && nouveau == Nouveau::Reglages && !QDir().mkpath(dossier))
        return refus(erreur,
                     QStringLiteral("le dossier « %1 » n'existe pas et n'a pas pu être créé : %2")
                         .arg(nom, Raison(DerniereErreur())));
    if (!QFileInfo(dossier).isDir())
        return refus(erreur, QStringLiteral("le dossier « %1 » n'existe pas").arg(nom));
    auto flux = std::make_unique<TextOutputStream>(path_);
    if (!flux->Open(nouveau == Nouveau::Reglages, erreur))
        return nullptr;
    return flux;
}

} // namespace framework

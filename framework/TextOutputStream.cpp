#include "framework/TextOutputStream.h"

#include "framework/Raison.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cerrno>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace framework {

namespace {

// What a save killed midway leaves beside its target: Qt's "Tarivane.x3Fk9Q" or an older
// ".Tarivane-x3Fk9Q", never a name a person would give ("Tarivane.backup").
void nettoyer(const QString& cible) {
    const QFileInfo info(cible);
    const QRegularExpression restes(
        QStringLiteral("^(\\.%1-[A-Za-z0-9]{6}|%1\\.(?![a-z]{6}$)[A-Za-z0-9]{6})$")
            .arg(QRegularExpression::escape(info.fileName())));
    for (const QFileInfo& f :
         info.dir().entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks | QDir::System)) {
#ifdef Q_OS_UNIX
        if (f.ownerId() != ::geteuid())
            continue;
#endif
        if (restes.match(f.fileName()).hasMatch())
            QFile::remove(f.filePath());
    }
}

} // namespace

TextOutputStream::TextOutputStream(const QString& cible) : fichier_(cible) {}

bool TextOutputStream::Open(bool prive, QString& erreur) {
    if (prive)
        nettoyer(fichier_.fileName());
    prive_ = prive;
    return ouvrir(fichier_, fichier_.fileName(), erreur);
}

bool TextOutputStream::ouvrir(QSaveFile& fichier, const QString& modele, QString& erreur) const {
    EffacerErreur();
    // Unbuffered: a write that fails is seen at once. Qt's save file would commit a file whose
    // buffered end could not be written (a full disk, a size limit).
    if (!fichier.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        // Qt refuses a file it may not write before asking the system: on Windows, one marked
        // read-only, with no error number.
        const int code = DerniereErreur();
        erreur = code ? Raison(code) : QStringLiteral("le fichier est en lecture seule");
        return false;
    }
    const QFileInfo ancien(modele);
    if (ancien.exists())
        fichier.setPermissions(ancien.permissions());
#ifdef Q_OS_UNIX
    // A replaced file keeps its permissions and, for root, its owner.
    struct stat st {};
    const QString cible = ancien.canonicalFilePath();
    if (!cible.isEmpty() && ::stat(QFile::encodeName(cible).constData(), &st) == 0) {
        if (::geteuid() == 0)
            (void)!::fchown(fichier.handle(), st.st_uid, st.st_gid);
    } else if (prive_) {
        ::fchmod(fichier.handle(), S_IRUSR | S_IWUSR);
    }
#endif
    return true;
}

void TextOutputStream::WriteLine(const QString& text) {
    pending_ += text.toUtf8();
    pending_ += '\n';
}

bool TextOutputStream::Close(QString& erreur) {
    EffacerErreur();
    if (fichier_.write(pending_) == pending_.size() && fichier_.commit())
        return true;
    const int code = DerniereErreur();
    fichier_.cancelWriting();
    if (code == ENAMETOOLONG && remplacer(erreur))
        return true;
    erreur = code ? Raison(code) : QStringLiteral("le fichier n'a pas pu être écrit");
    return false;
}

// Qt names its temporary file after the target plus seven characters, a name the system may
// refuse beside a long name or in a deep folder. The old file then steps aside under a short
// name while a new one is made in its place, and comes back if that fails.
bool TextOutputStream::remplacer(QString& erreur) {
    const QString cible = QFileInfo(fichier_.fileName()).canonicalFilePath();
    if (cible.isEmpty())
        return false;
    QString cote;
    // Six base-36 digits: 36^6 names.
    for (int essai = 0; essai < 8 && cote.isEmpty(); ++essai) {
        const QString nom = QFileInfo(cible).dir().filePath(QStringLiteral(".~%1").arg(
            QRandomGenerator::global()->generate() % 2176782336u, 6, 36, QLatin1Char('0')));
        if (QFile::rename(cible, nom))
            cote = nom;
    }
    if (cote.isEmpty())
        return false;
    QSaveFile nouveau(cible);
    if (ouvrir(nouveau, cote, erreur) && nouveau.write(pending_) == pending_.size() &&
        nouveau.commit()) {
        QFile::remove(cote);
        return true;
    }
    nouveau.cancelWriting();
    QFile::rename(cote, cible);
    return false;
}

} // namespace framework

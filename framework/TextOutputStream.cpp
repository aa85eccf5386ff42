#include "framework/TextOutputStream.h"

#include "framework/Raison.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
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
    EffacerErreur();
    // Unbuffered: a write that fails is seen at once. Qt's save file would commit a file whose
    // buffered end could not be written (a full disk, a size limit).
    if (!fichier_.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        erreur = Raison(DerniereErreur());
        return false;
    }
#ifdef Q_OS_UNIX
    // A replaced file keeps its permissions (Qt sees to that) and, for root, its owner.
    struct stat st {};
    const QString cible = QFileInfo(fichier_.fileName()).canonicalFilePath();
    if (!cible.isEmpty() && ::stat(QFile::encodeName(cible).constData(), &st) == 0) {
        if (::geteuid() == 0)
            (void)!::fchown(fichier_.handle(), st.st_uid, st.st_gid);
    } else if (prive) {
        ::fchmod(fichier_.handle(), S_IRUSR | S_IWUSR);
    }
#else
    Q_UNUSED(prive);
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
    erreur = code ? Raison(code) : QStringLiteral("le fichier n'a pas pu être écrit");
    fichier_.cancelWriting();
    return false;
}

} // namespace framework

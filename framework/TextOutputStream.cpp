#include "framework/TextOutputStream.h"

#include "framework/Raison.h"

#include <QFileInfo>
#include <cerrno>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace framework {

QString TextOutputStream::pourquoi() const {
    const int code = DerniereErreur();
    // Qt makes the new file beside the old one under its name and ".XXXXXX" (QTemporaryFileName,
    // qtemporaryfile.cpp), which the system refuses near its limit.
    if (code == ENAMETOOLONG && QFileInfo::exists(fichier_.fileName()))
        return QStringLiteral("le nom du fichier ou son chemin est trop près de la longueur "
                              "permise pour qu'il soit remplacé en entier");
    return code ? Raison(code) : QStringLiteral("le fichier n'a pas pu être écrit");
}

bool TextOutputStream::Open(bool prive, QString& erreur) {
    EffacerErreur();
    // Unbuffered: a write that fails is seen at once. Qt's save file would commit a file whose
    // buffered end could not be written (a full disk, a size limit).
    if (!fichier_.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        // On Windows Qt refuses a read-only file itself, without an error number.
        erreur = DerniereErreur() ? pourquoi() : QStringLiteral("le fichier est en lecture seule");
        return false;
    }
    // A replaced file keeps its permissions (Qt sees to that) and, for root, its owner; a new
    // private one is its owner's alone.
    const QFileInfo ancien(fichier_.fileName());
    if (prive && !ancien.exists())
        fichier_.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
#ifdef Q_OS_UNIX
    if (ancien.exists() && ::geteuid() == 0)
        (void)!::fchown(fichier_.handle(), ancien.ownerId(), ancien.groupId());
#endif
    return true;
}

bool TextOutputStream::Close(QString& erreur) {
    EffacerErreur();
    if (fichier_.write(pending_) == pending_.size() && fichier_.commit())
        return true;
    erreur = pourquoi();
    fichier_.cancelWriting();
    return false;
}

} // namespace framework

#include "framework/Raison.h"

#include <cerrno>
#include <utility>
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace framework {

namespace {

const std::pair<int, const char16_t*> Raisons[] = {
    {EACCES, u"permission refusée"},
    {EPERM, u"permission refusée"},
    {EROFS, u"le disque est en lecture seule"},
    {ENOSPC, u"le disque est plein"},
#ifdef EDQUOT
    {EDQUOT, u"le quota de disque est atteint"},
#endif
    {EFBIG, u"le fichier dépasse la taille permise"},
    {ENOENT, u"le fichier ou son dossier n'existe pas"},
    {ENOTDIR, u"un élément du chemin n'est pas un dossier"},
    {EISDIR, u"c'est un dossier"},
#ifdef ELOOP
    {ELOOP, u"des liens symboliques tournent en rond"},
#endif
    {ENAMETOOLONG, u"le chemin est trop long"},
    {EIO, u"erreur de lecture ou d'écriture sur le disque"},
    {EMFILE, u"trop de fichiers sont ouverts"},
    {ENFILE, u"trop de fichiers sont ouverts"},
    {ENOMEM, u"la mémoire manque"},
    {EINVAL, u"ce nom de fichier n'est pas permis"},
    {EBUSY, u"le fichier est occupé"},
#ifdef ETXTBSY
    {ETXTBSY, u"le fichier est occupé"},
#endif
};

} // namespace

QString Raison(int codeErreur) {
    for (const auto& [code, texte] : Raisons)
        if (code == codeErreur)
            return QString::fromUtf16(texte);
    return QStringLiteral("erreur du système n° %1").arg(codeErreur);
}

#ifdef Q_OS_WIN
int DerniereErreur() {
    switch (::GetLastError()) {
    case ERROR_ACCESS_DENIED:
        return EACCES;
    // Another program has it open and shares it with no one.
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return EBUSY;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
        return ENOENT;
    case ERROR_DIRECTORY:
        return ENOTDIR;
    case ERROR_INVALID_NAME:
        return EINVAL;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return ENOMEM;
    case ERROR_SUCCESS:
        return 0;
    default:
        return static_cast<int>(::GetLastError()) + 10000;
    }
}

void EffacerErreur() {
    ::SetLastError(ERROR_SUCCESS);
}
#else
int DerniereErreur() {
    return errno;
}

void EffacerErreur() {
    errno = 0;
}
#endif

} // namespace framework

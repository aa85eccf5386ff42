#include "framework/Raison.h"

#include <cerrno>
#include <csignal>
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
    const std::pair<DWORD, int> memeCause[] = {{ERROR_SUCCESS, 0},
                                               {ERROR_ACCESS_DENIED, EACCES},
                                               {ERROR_SHARING_VIOLATION, EACCES},
                                               {ERROR_LOCK_VIOLATION, EACCES},
                                               {ERROR_FILE_NOT_FOUND, ENOENT},
                                               {ERROR_PATH_NOT_FOUND, ENOENT},
                                               {ERROR_INVALID_DRIVE, ENOENT},
                                               {ERROR_DIRECTORY, ENOTDIR},
                                               {ERROR_INVALID_NAME, EINVAL},
                                               {ERROR_DISK_FULL, ENOSPC},
                                               {ERROR_HANDLE_DISK_FULL, ENOSPC},
                                               {ERROR_WRITE_PROTECT, EROFS},
                                               {ERROR_FILENAME_EXCED_RANGE, ENAMETOOLONG},
                                               {ERROR_NOT_ENOUGH_MEMORY, ENOMEM},
                                               {ERROR_OUTOFMEMORY, ENOMEM}};
    const DWORD derniere = ::GetLastError();
    for (const auto& [windows, code] : memeCause)
        if (windows == derniere)
            return code;
    return static_cast<int>(derniere) + 10000;
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

void IgnorerSignalDeTaille() {
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

} // namespace framework

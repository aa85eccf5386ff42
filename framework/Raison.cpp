#include "framework/Raison.h"

#include <cerrno>
#include <csignal>
#include <system_error>
#include <utility>
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace framework {

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
    {ENODEV, u"le lecteur ou le périphérique n'existe pas"},
    {ENOTDIR, u"un élément du chemin n'est pas un dossier"},
    {EISDIR, u"c'est un dossier"},
    {ELOOP, u"des liens symboliques tournent en rond"},
    {ENAMETOOLONG, u"le chemin est trop long"},
    {EIO, u"erreur de lecture ou d'écriture sur le disque"},
    {EMFILE, u"trop de fichiers sont ouverts"},
    {ENFILE, u"trop de fichiers sont ouverts"},
    {ENOMEM, u"la mémoire manque"},
    {EINVAL, u"ce nom de fichier n'est pas permis"},
    {EBUSY, u"le fichier est occupé"},
    {ETXTBSY, u"le fichier est occupé"},
};

QString Raison(int codeErreur) {
    for (const auto& [code, texte] : Raisons)
        if (code == codeErreur)
            return QString::fromUtf16(texte);
    return QStringLiteral("erreur du système n° %1").arg(codeErreur);
}

#ifdef Q_OS_WIN
int DerniereErreur() {
    // The C++ library knows the error number of each of the system's errors (system_error.cc in
    // libstdc++), but takes a name the system refuses ("NUL", "a:b") for a missing file.
    const int code = static_cast<int>(::GetLastError());
    if (code == ERROR_INVALID_NAME)
        return EINVAL;
    const std::error_condition cause = std::system_category().default_error_condition(code);
    return cause.category() == std::generic_category() ? cause.value() : code + 10000;
}
#else
int DerniereErreur() {
    return errno;
}
#endif

void EffacerErreur() {
    errno = 0;
#ifdef Q_OS_WIN
    ::SetLastError(ERROR_SUCCESS);
#endif
}

void IgnorerSignalDeTaille() {
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

} // namespace framework

#include "framework/Raison.h"

#include <cerrno>
#include <utility>

namespace framework {

namespace {

const std::pair<int, const char16_t*> Raisons[] = {
    {EACCES, u"permission refusée"},
    {EPERM, u"permission refusée"},
    {EROFS, u"le disque est en lecture seule"},
    {ENOSPC, u"le disque est plein"},
    {EDQUOT, u"le quota de disque est atteint"},
    {EFBIG, u"le fichier dépasse la taille permise"},
    {ENOENT, u"le fichier ou son dossier n'existe pas"},
    {ENOTDIR, u"un élément du chemin n'est pas un dossier"},
    {EISDIR, u"c'est un dossier"},
    {ELOOP, u"des liens symboliques tournent en rond"},
    {ENAMETOOLONG, u"le chemin est trop long"},
    {EIO, u"erreur de lecture ou d'écriture sur le disque"},
    {EMFILE, u"trop de fichiers sont ouverts"},
    {ENFILE, u"trop de fichiers sont ouverts"},
    {ENOMEM, u"la mémoire manque"},
    {EBUSY, u"le fichier est occupé"},
    {ETXTBSY, u"le fichier est occupé"},
};

} // namespace

QString Raison(int codeErreur) {
    for (const auto& [code, texte] : Raisons)
        if (code == codeErreur)
            return QString::fromUtf16(texte);
    return QStringLiteral("erreur du système n° %1").arg(codeErreur);
}

} // namespace framework

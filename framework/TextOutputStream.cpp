#include "framework/TextOutputStream.h"

#include "framework/Raison.h"

#include <QFile>
#include <QFileInfo>
#ifdef Q_OS_LINUX
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace framework {

#ifdef Q_OS_LINUX

namespace {

// Hidden and short, whatever the target's name.
constexpr char Prefixe[] = ".Tarivane-";

QByteArray nomTemporaire() {
    static constexpr char Alphabet[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray nom(Prefixe);
    for (int i = 0; i < 6; ++i)
        nom += Alphabet[QRandomGenerator::global()->bounded(int(sizeof Alphabet) - 1)];
    return nom;
}

// What a save killed midway leaves beside its target: this layer's names, and those Qt's save
// file gave ("Tarivane.x3Fk9Q"), never a name a person would give ("Tarivane.backup").
void nettoyer(int dossier, const QByteArray& nom) {
    const QRegularExpression propres(
        QStringLiteral("^(%1[A-Za-z0-9]{6}|%2\\.(?![a-z]{6}$)[A-Za-z0-9]{6})$")
            .arg(QRegularExpression::escape(QLatin1String(Prefixe)),
                 QRegularExpression::escape(QString::fromLatin1(nom))));
    const int copie = ::openat(dossier, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* d = copie < 0 ? nullptr : ::fdopendir(copie);
    if (!d) {
        if (copie >= 0)
            ::close(copie);
        return;
    }
    while (const dirent* e = ::readdir(d)) {
        struct stat st {};
        if (propres.match(QString::fromLatin1(e->d_name)).hasMatch() &&
            ::fstatat(dossier, e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) &&
            st.st_uid == ::geteuid())
            ::unlinkat(dossier, e->d_name, 0);
    }
    ::closedir(d);
}

} // namespace

TextOutputStream::TextOutputStream(const QString& cible) : cible_(QFile::encodeName(cible)) {}

TextOutputStream::~TextOutputStream() {
    if (!temporaire_.isEmpty())
        ::unlinkat(dossier_, temporaire_.constData(), 0);
    for (int fd : {fichier_, dossier_})
        if (fd >= 0)
            ::close(fd);
}

bool TextOutputStream::Open(bool prive, QString& erreur) {
    EffacerErreur();
    // Through a link, the file it points to is replaced, the link kept.
    QByteArray chemin = cible_;
    for (int i = 0; i < 40; ++i) {
        char lien[4096];
        const ssize_t n = ::readlink(chemin.constData(), lien, sizeof lien);
        if (n <= 0)
            break;
        const QByteArray vers(lien, n);
        chemin = vers.startsWith('/') ? vers : chemin.left(chemin.lastIndexOf('/') + 1) + vers;
    }
    const qsizetype barre = chemin.lastIndexOf('/');
    nom_ = chemin.mid(barre + 1);
    dossier_ = ::open(barre < 0    ? "."
                      : barre == 0 ? "/"
                                   : chemin.left(barre).constData(),
                      O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (dossier_ < 0) {
        erreur = Raison(DerniereErreur());
        return false;
    }
    if (prive)
        nettoyer(dossier_, nom_);
    struct stat st {};
    const bool existe = ::fstatat(dossier_, nom_.constData(), &st, 0) == 0;
    const mode_t mode = existe ? st.st_mode & 07777 : prive ? 0600 : 0666;
    fichier_ = ::openat(dossier_, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    for (int essai = 0;
         fichier_ < 0 && essai < 100 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EEXIST);
         ++essai) {
        // Where the file system has no unnamed files, a fresh temporary name.
        temporaire_ = nomTemporaire();
        fichier_ = ::openat(dossier_, temporaire_.constData(),
                            O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, mode);
    }
    if (fichier_ < 0) {
        temporaire_.clear();
        erreur = Raison(DerniereErreur());
        return false;
    }
    // A replaced file keeps its permissions, despite the umask, and, for root, its owner.
    if (existe) {
        ::fchmod(fichier_, mode);
        if (::geteuid() == 0)
            (void)!::fchown(fichier_, st.st_uid, st.st_gid);
    }
    return true;
}

bool TextOutputStream::Close(QString& erreur) {
    EffacerErreur();
    qsizetype ecrit = 0;
    while (ecrit < pending_.size()) {
        const ssize_t n = ::write(fichier_, pending_.constData() + ecrit, pending_.size() - ecrit);
        if (n <= 0 && errno != EINTR)
            break;
        ecrit += std::max<ssize_t>(n, 0);
    }
    bool ok = ecrit == pending_.size() && ::fsync(fichier_) == 0;
    if (ok && temporaire_.isEmpty()) {
        // The unnamed file gets a short name first: a link cannot replace a file.
        const QByteArray source = "/proc/self/fd/" + QByteArray::number(fichier_);
        for (int essai = 0; essai < 100; ++essai) {
            temporaire_ = nomTemporaire();
            ok = ::linkat(AT_FDCWD, source.constData(), dossier_, temporaire_.constData(),
                          AT_SYMLINK_FOLLOW) == 0;
            if (ok || errno != EEXIST)
                break;
        }
        if (!ok)
            temporaire_.clear();
    }
    ok = ok && ::renameat(dossier_, temporaire_.constData(), dossier_, nom_.constData()) == 0;
    if (ok) {
        temporaire_.clear();
        return true;
    }
    const int code = DerniereErreur();
    erreur = code ? Raison(code) : QStringLiteral("le fichier n'a pas pu être écrit");
    return false;
}

#else

TextOutputStream::TextOutputStream(const QString& cible) : fichier_(cible) {}

TextOutputStream::~TextOutputStream() = default;

bool TextOutputStream::Open(bool prive, QString& erreur) {
    Q_UNUSED(prive);
    EffacerErreur();
    // Unbuffered: a write that fails is seen at once. Qt's save file would commit a file whose
    // buffered end could not be written (a full disk, a size limit).
    if (!fichier_.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        erreur = Raison(DerniereErreur());
        return false;
    }
    return true;
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

#endif

void TextOutputStream::WriteLine(const QString& text) {
    pending_ += text.toUtf8();
    pending_ += '\n';
}

} // namespace framework

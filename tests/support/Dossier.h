#pragma once

#include "framework/FolderItem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#ifdef Q_OS_UNIX
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

// A temporary application folder for one test, put back as it was afterwards.
class Dossier {
public:
    explicit Dossier(framework::FolderItem::Copie copie = framework::FolderItem::Copie::Portable)
        : dir_(QDir(QFileInfo::exists("/tmp") ? "/tmp" : QDir::tempPath())
                   .filePath("Tarivane-XXXXXX")) {
        // In a folder any user may go through: some tests run as another user.
        framework::FolderItem::SetApplicationFolder(dir_.path(), copie);
    }
    ~Dossier() { framework::FolderItem::SetApplicationFolder({}); }

    QString chemin(const QString& nom = QStringLiteral("Tarivane")) const {
        return dir_.filePath(nom);
    }
    // The whole settings file, or "<absent>".
    QByteArray contenu(const QString& nom = QStringLiteral("Tarivane")) const {
        QFile f(chemin(nom));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
    }
    bool ecrire(const QByteArray& octets, const QString& nom = QStringLiteral("Tarivane")) const {
        QFile f(chemin(nom));
        return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
    }

private:
    QTemporaryDir dir_;
};

// Runs f in a child process and returns what it returned, or "<child failed>" when the child
// died (a signal that would end the program ends only the child); as an unprivileged user when
// asked and the tests run as root, for root may read and write anything.
inline QString dansUnEnfant(const std::function<QString()>& f, bool personne = false) {
#ifndef Q_OS_UNIX
    Q_UNUSED(personne);
    return f();
#else
    int tube[2];
    if (::pipe(tube) != 0)
        return QStringLiteral("<pipe>");
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(tube[0]);
        const uid_t nobody = 65534;
        if (personne && ::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0))
            ::_exit(1);
        const QByteArray r = f().toUtf8();
        const bool ok = ::write(tube[1], r.constData(), size_t(r.size())) == r.size();
        ::_exit(ok ? 0 : 1);
    }
    ::close(tube[1]);
    QFile lecture;
    lecture.open(tube[0], QIODevice::ReadOnly, QFile::AutoCloseHandle);
    const QByteArray r = lecture.readAll();
    int statut = 0;
    ::waitpid(pid, &statut, 0);
    return WIFEXITED(statut) && WEXITSTATUS(statut) == 0 ? QString::fromUtf8(r)
                                                         : QStringLiteral("<child failed>");
#endif
}

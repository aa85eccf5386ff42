#pragma once

#include <QByteArray>
#include <QString>
#ifndef Q_OS_LINUX
#include <QSaveFile>
#endif

namespace framework {

// Writes UTF-8 lines ended by LF, or bytes as they are, into a file that replaces the target
// only when closed successfully: written beside it, synced, then renamed at once. Destroyed
// without Close, it leaves the target untouched.
class TextOutputStream {
public:
    explicit TextOutputStream(const QString& cible);
    ~TextOutputStream();
    TextOutputStream(const TextOutputStream&) = delete;
    TextOutputStream& operator=(const TextOutputStream&) = delete;

    // False, with the reason in French, when the file cannot be made. A private file may be
    // read by its owner only; any other has the permissions of a new document.
    bool Open(bool prive, QString& erreur);
    void WriteLine(const QString& text);
    void Write(const QByteArray& bytes) { pending_ += bytes; }
    // Completes the file. False, with the reason in French, when it could not be written whole.
    bool Close(QString& erreur);

private:
#ifdef Q_OS_LINUX
    // Every call names files relative to the folder's descriptor, and the temporary name is
    // short: a path or a name the system accepts is never refused because of it.
    QByteArray cible_;
    QByteArray nom_;
    int dossier_ = -1;
    int fichier_ = -1;
    QByteArray temporaire_; // empty while the file has no name
#else
    QSaveFile fichier_;
#endif
    QByteArray pending_;
};

} // namespace framework

#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

namespace framework {

// Writes UTF-8 lines ended by LF, or bytes as they are, into a file that replaces the target
// only when closed successfully: Qt's save file writes beside it, syncs and renames at once.
// Destroyed without Close, it leaves the target untouched.
class TextOutputStream {
public:
    explicit TextOutputStream(const QString& cible) : fichier_(cible) {}

    // False, with the reason in French, when the file cannot be made. A private file may be
    // read by its owner only; any other has the permissions of a new document.
    bool Open(bool prive, QString& erreur);
    void WriteLine(const QString& text) { pending_ += text.toUtf8() + '\n'; }
    void Write(const QByteArray& bytes) { pending_ += bytes; }
    // Completes the file. False, with the reason in French, when it could not be written whole.
    bool Close(QString& erreur);

private:
    // Why the file could not be made, from the error that stopped it, in French.
    QString pourquoi() const;

    QSaveFile fichier_;
    QByteArray pending_;
};

} // namespace framework

#pragma once

#include <QByteArray>
#include <QString>

namespace framework {

// Writes UTF-8 lines ended by LF, or bytes as they are, into a temporary file beside the target,
// which replaces the target only on a successful Close. Destroyed without Close, it leaves the
// target untouched.
class TextOutputStream {
public:
    // Takes the open temporary file; it is renamed onto target when closed.
    TextOutputStream(int descriptor, QString temporary, QString target);
    ~TextOutputStream();
    TextOutputStream(const TextOutputStream&) = delete;
    TextOutputStream& operator=(const TextOutputStream&) = delete;

    void WriteLine(const QString& text);
    void Write(const QByteArray& bytes) { pending_ += bytes; }
    // Completes the file. False, with the reason in French, when it could not be written whole.
    bool Close(QString& erreur);

private:
    void abandon();

    int descriptor_;
    QString temporary_;
    QString target_;
    QByteArray pending_;
};

} // namespace framework

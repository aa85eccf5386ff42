#pragma once

#include <QSaveFile>
#include <QString>
#include <memory>

namespace framework {

// Writes UTF-8 lines ended by LF into a new file that replaces the old one only on a
// successful Close. Destroyed without Close, it leaves the old file untouched.
class TextOutputStream {
public:
    explicit TextOutputStream(std::unique_ptr<QSaveFile> file);
    ~TextOutputStream();
    TextOutputStream(const TextOutputStream&) = delete;
    TextOutputStream& operator=(const TextOutputStream&) = delete;

    void WriteLine(const QString& text);
    // Completes the file. False, with errorString(), when it could not be written whole.
    bool Close();
    QString errorString() const { return error_; }

private:
    std::unique_ptr<QSaveFile> file_;
    QString error_;
};

} // namespace framework

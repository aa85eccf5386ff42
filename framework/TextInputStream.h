#pragma once

#include <QByteArray>
#include <QString>

namespace framework {

// Reads UTF-8 text line by line from bytes already in memory. Accepts LF, CRLF and a lone CR as
// line ends. A line keeps at most MaxLineBytes bytes.
class TextInputStream {
public:
    // A file is read no further than this: a huge, endless or binary file cannot hold the
    // program up nor exhaust its memory.
    static constexpr qsizetype MaxBytes = 64 * 1024;
    static constexpr qsizetype MaxLineBytes = 4096;

    explicit TextInputStream(QByteArray bytes) : bytes_(std::move(bytes)) {}

    // The next line without its end; empty past the end of the stream.
    QString ReadLine();
    // True once everything has been read.
    bool EndOfFile() const { return position_ >= bytes_.size(); }
    // True when the last line read was longer than MaxLineBytes (its text is cut short).
    bool LineTooLong() const { return tooLong_; }

private:
    QByteArray bytes_;
    qsizetype position_ = 0;
    bool tooLong_ = false;
};

} // namespace framework

#pragma once

#include <QIODevice>
#include <QString>
#include <memory>

namespace framework {

// Reads UTF-8 text line by line. Accepts LF, CRLF and a lone CR as line ends and skips a
// leading byte order mark. A line keeps at most MaxLineBytes bytes: a huge or binary file
// cannot exhaust memory.
class TextInputStream {
public:
    static constexpr qsizetype MaxLineBytes = 4096;

    explicit TextInputStream(std::unique_ptr<QIODevice> device);
    ~TextInputStream();
    TextInputStream(const TextInputStream&) = delete;
    TextInputStream& operator=(const TextInputStream&) = delete;

    // The next line without its end; empty past the end of the stream.
    QString ReadLine();
    // True once everything has been read.
    bool EndOfFile() const;
    // True when the last line read was longer than MaxLineBytes (its text is cut short).
    bool LineTooLong() const { return tooLong_; }

    void Close();

private:
    std::unique_ptr<QIODevice> device_;
    bool atStart_ = true;
    bool tooLong_ = false;
};

} // namespace framework

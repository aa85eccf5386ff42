#include "framework/TextInputStream.h"

#include <QByteArray>

namespace framework {

TextInputStream::TextInputStream(std::unique_ptr<QIODevice> device) : device_(std::move(device)) {}

TextInputStream::~TextInputStream() = default;

QString TextInputStream::ReadLine() {
    tooLong_ = false;
    if (!device_)
        return {};
    QByteArray line;
    char c = 0;
    while (device_->getChar(&c)) {
        if (c == '\n')
            break;
        if (c == '\r') {
            char next = 0;
            if (device_->peek(&next, 1) == 1 && next == '\n')
                device_->getChar(&next);
            break;
        }
        if (line.size() < MaxLineBytes)
            line.append(c);
        else
            tooLong_ = true;
    }
    if (atStart_) {
        atStart_ = false;
        if (line.startsWith("\xEF\xBB\xBF"))
            line.remove(0, 3);
    }
    return QString::fromUtf8(line);
}

bool TextInputStream::EndOfFile() const {
    return !device_ || device_->atEnd();
}

void TextInputStream::Close() {
    if (device_)
        device_->close();
    device_.reset();
}

} // namespace framework

#include "framework/TextInputStream.h"

namespace framework {

QString TextInputStream::ReadLine() {
    qsizetype end = position_;
    while (end < bytes_.size() && bytes_[end] != '\n' && bytes_[end] != '\r')
        ++end;
    const qsizetype length = end - position_;
    tooLong_ = length > MaxLineBytes;
    const QString line =
        QString::fromUtf8(bytes_.constData() + position_, std::min(length, MaxLineBytes));
    if (QByteArrayView(bytes_).sliced(end).startsWith("\r\n"))
        ++end;
    position_ = std::min(end + 1, bytes_.size());
    return line;
}

} // namespace framework

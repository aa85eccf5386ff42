#include "framework/TextOutputStream.h"

#include "framework/Raison.h"

#include <QFile>
#include <cerrno>
#include <unistd.h>

namespace framework {

TextOutputStream::TextOutputStream(int descriptor, QString temporary, QString target)
    : descriptor_(descriptor), temporary_(std::move(temporary)), target_(std::move(target)) {}

TextOutputStream::~TextOutputStream() {
    abandon();
}

void TextOutputStream::abandon() {
    if (descriptor_ >= 0)
        ::close(descriptor_);
    descriptor_ = -1;
    if (!temporary_.isEmpty())
        ::unlink(QFile::encodeName(temporary_).constData());
    temporary_.clear();
}

void TextOutputStream::WriteLine(const QString& text) {
    pending_ += text.toUtf8();
    pending_ += '\n';
}

bool TextOutputStream::Close(QString& erreur) {
    const char* p = pending_.constData();
    qsizetype reste = pending_.size();
    while (reste > 0) {
        const ssize_t n = ::write(descriptor_, p, static_cast<size_t>(reste));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            erreur = Raison(errno);
            abandon();
            return false;
        }
        p += n;
        reste -= n;
    }
    // On the disk before it takes the old file's place: a crash leaves one or the other.
    int codeErreur = ::fsync(descriptor_) == 0 ? 0 : errno;
    if (::close(descriptor_) != 0 && codeErreur == 0)
        codeErreur = errno;
    descriptor_ = -1;
    if (codeErreur == 0 && ::rename(QFile::encodeName(temporary_).constData(),
                                    QFile::encodeName(target_).constData()) != 0)
        codeErreur = errno;
    if (codeErreur != 0) {
        erreur = Raison(codeErreur);
        abandon();
        return false;
    }
    temporary_.clear();
    return true;
}

} // namespace framework

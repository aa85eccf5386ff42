#include "framework/TextOutputStream.h"

namespace framework {

TextOutputStream::TextOutputStream(std::unique_ptr<QSaveFile> file) : file_(std::move(file)) {}

TextOutputStream::~TextOutputStream() {
    if (file_)
        file_->cancelWriting();
}

void TextOutputStream::WriteLine(const QString& text) {
    if (!file_)
        return;
    QByteArray bytes = text.toUtf8();
    bytes.append('\n');
    if (file_->write(bytes) != bytes.size() && error_.isEmpty())
        error_ = file_->errorString();
}

bool TextOutputStream::Close() {
    if (!file_)
        return error_.isEmpty();
    // commit() alone reports success even when its final flush failed (a full disk, a size
    // limit) and would put a truncated file in place: flush first and check.
    if (error_.isEmpty() && !file_->flush())
        error_ = file_->errorString();
    const bool committed = error_.isEmpty() && file_->commit();
    if (!committed && error_.isEmpty())
        error_ = file_->errorString();
    if (!committed)
        file_->cancelWriting();
    file_.reset();
    return committed;
}

} // namespace framework

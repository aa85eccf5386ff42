#include "ui/Polices.h"

QFont policeTimes(int pixels, bool bold, bool underline) {
    QFont f(QStringLiteral("Times"));
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
}

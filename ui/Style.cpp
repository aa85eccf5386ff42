#include "ui/Style.h"

#include <QWidget>

QFont policeTimes(int pixels, bool bold, bool underline) {
    QFont f(QStringLiteral("Times"));
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
}

void teinter(QWidget* widget, QPalette::ColorRole role, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

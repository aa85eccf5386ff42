#pragma once

#include <QColor>
#include <QPalette>

// A dark desktop theme, as the README's picture shows it and the contrast of every text is
// checked on.
inline QPalette PaletteSombre() {
    QPalette sombre(QColor(u"#3c3c3c"), QColor(u"#232323"));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        sombre.setColor(role, QColor(u"#ebebeb"));
    return sombre;
}

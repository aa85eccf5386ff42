#pragma once

#include <QFontInfo>
#include <QImage>
#include <QStringList>
#include <cstdlib>
#include <utility>

// The README's pictures are drawn with URW's metric twin of "Times", on a screen of one device
// pixel per pixel: elsewhere another face or density draws other pixels.
inline bool commeLesImages() {
    return QFontInfo(QFont(QStringLiteral("Times"))).family().startsWith(u"Nimbus Roman");
}

// The pictures that differ from the README's by more than a few pixels, named, or nothing.
inline QString ecarts(const QList<std::pair<QString, QImage>>& images, const QString& dossier) {
    QStringList differentes;
    for (const auto& [nom, vu] : images) {
        const QImage montre(dossier + u'/' + nom);
        const bool taille = vu.size() == montre.size();
        int n = taille ? 0 : vu.width() * vu.height();
        for (int y = 0; taille && y < vu.height(); ++y)
            for (int x = 0; x < vu.width(); ++x) {
                const QColor a = vu.pixelColor(x, y), b = montre.pixelColor(x, y);
                n += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                         std::abs(a.blue() - b.blue()) >
                     48;
            }
        if (n > 4)
            differentes << QStringLiteral("%1 (%2 pixels)").arg(nom).arg(n);
    }
    return differentes.join(u", ");
}

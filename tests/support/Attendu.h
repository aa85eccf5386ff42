#pragma once

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>

// Where a text differs from the one kept whole in the test's textes/<nom> <row>.txt (built into
// it; signs other than letters and digits made "-"), or nothing. For a text changed on purpose,
// TARIVANE_ECRIRE=1 runs the test writing them again.
inline QString ecartAuTexte(const QString& vu, QString nom) {
    if (QTest::currentDataTag())
        nom += u' ' + QString::fromUtf8(QTest::currentDataTag());
    nom.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("-"));
    // Paths written with "/" on every system; "~" a no-break space, "^" a narrow one.
    const QString texte =
        QString(vu).replace(u'\\', u'/').replace(QChar(0xA0), u'~').replace(QChar(0x202F), u'^') +
        u'\n';
    QFile fichier(QStringLiteral(":/textes/%1.txt").arg(nom));
    if (qEnvironmentVariableIsSet("TARIVANE_ECRIRE")) {
        fichier.setFileName(QStringLiteral(TARIVANE_TEXTES "/%1.txt").arg(nom));
        return fichier.open(QIODevice::WriteOnly) && fichier.write(texte.toUtf8()) > 0
                   ? QString()
                   : fichier.fileName() + QStringLiteral(" not written");
    }
    if (!fichier.open(QIODevice::ReadOnly))
        return fichier.fileName() + QStringLiteral(" missing");
    const QStringList lu = texte.split(u'\n');
    const QStringList attendu = QString::fromUtf8(fichier.readAll()).split(u'\n');
    for (qsizetype i = 0; i < std::max(lu.size(), attendu.size()); ++i)
        if (lu.value(i) != attendu.value(i))
            return QStringLiteral("%1.txt, line %2:\n  got      \"%3\"\n  expected \"%4\"")
                .arg(nom)
                .arg(i + 1)
                .arg(lu.value(i, QStringLiteral("<end>")),
                     attendu.value(i, QStringLiteral("<end>")));
    return {};
}

// One row per line of a table kept in textes/: "name: what is done => what is read".
inline void lignesDeTable(const char* table) {
    QTest::addColumn<QString>("gestes");
    QTest::addColumn<QString>("vu");
    QFile fichier(QStringLiteral(":/textes/%1.txt").arg(table));
    QVERIFY(fichier.open(QIODevice::ReadOnly));
    for (const QString& ligne : QString::fromUtf8(fichier.readAll()).trimmed().split(u'\n'))
        QTest::newRow(qPrintable(ligne.section(u':', 0, 0)))
            << ligne.section(u':', 1).section(QStringLiteral("=>"), 0, 0)
            << ligne.section(QStringLiteral("=> "), 1);
}

// Fails the test where the text differs from the one kept.
#define COMPARER_AU_TEXTE(vu, nom)                                                                 \
    do {                                                                                           \
        const QString ecart_ = ecartAuTexte(vu, nom);                                              \
        QVERIFY2(ecart_.isEmpty(), qPrintable(ecart_));                                            \
    } while (false)

#include "fees/Estimation.h"
#include "fees/Lignes.h"
#include "fees/Motifs.h"
#include "fees/PageEstimation.h"
#include "framework/Number.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(Choix)
Q_DECLARE_METATYPE(Tarifs)
Q_DECLARE_METATYPE(Defaut::RapportLecture)

namespace {

constexpr Choix Dpca{4, 7, 1, 3, 7, 7, true, false};
constexpr Choix Dpa{2, 7, 1, 7, 7, 7, false, true};
const QLocale Francais(QLocale::French, QLocale::France);
const QDate Jour(2026, 12, 6);

QString sortie(const QString& programme, const QStringList& arguments) {
    QProcess p;
    p.start(programme, arguments);
    p.waitForFinished();
    // Extracted text loses the kind of space: a French group separator reads as a plain one.
    return QString::fromUtf8(p.readAllStandardOutput()).replace(QChar(0x202F), ' ');
}

} // namespace

class TestEstimation : public QObject {
    Q_OBJECT
private slots:
    void modele_data();
    void modele();
    void formuleHebdomadaire();
    void texteEtHtml();
    void pdf_data();
    void pdf();
};

void TestEstimation::modele_data() {
    QTest::addColumn<Choix>("choix");
    QTest::addColumn<Tarifs>("tarifs");
    QTest::addColumn<Defaut::RapportLecture>("rapport");
    QTest::addColumn<QString>("formule"); // the first row's, or the Sundays' in DPCA
    QTest::addColumn<QString>("source");
    QTest::newRow("DPCA, built-in tariffs")
        << Dpca << Tarifs{} << Defaut::RapportLecture{}
        << "Nombre de dimanches et jour fériés par semaine|1|ISD|31,20 €|1 dimanche × 4 poches "
           "× 7,80 € = 31,20 € par semaine"
        << "Tarifs par défaut du programme : aucun fichier de paramètres n'a été trouvé.";
    QTest::newRow("DPA, a file with an ignored line")
        << Dpa << Tarifs{3.1, 2.2, 8, 9.4, 5} << Defaut::RapportLecture{"/x/Tarivane", "", {2}}
        << "Nombre de branchements ou débranchements par jour|2|AMI 5 + IFD|35,40 €|2 branchements "
           "ou débranchements × (5 AMI × 3,10 € + 2,20 € IFD) = 35,40 € par jour de traitement"
        << "Tarifs lus dans le fichier de paramètres « /x/Tarivane ». Ligne 2 ignorée : "
           "« Indemnités de déplacements (€) » garde sa valeur par défaut.";
    QTest::newRow("DPCA, a file with two ignored lines")
        << Dpca << Tarifs{} << Defaut::RapportLecture{"/x/Tarivane", "", {2, 4}}
        << "Nombre de dimanches et jour fériés par semaine|1|ISD|31,20 €|1 dimanche × 4 poches "
           "× 7,80 € = 31,20 € par semaine"
        << "Tarifs lus dans le fichier de paramètres « /x/Tarivane ». Lignes 2 et 4 ignorées : "
           "« Indemnités de déplacements (€) » et « Majoration de nuit (€) » gardent leur valeur "
           "par défaut.";
    QTest::newRow("a file that could not be read")
        << Dpca << Tarifs{} << Defaut::RapportLecture{"/x/Tarivane", "permission refusée", {}}
        << "Nombre de dimanches et jour fériés par semaine|1|ISD|31,20 €|1 dimanche × 4 poches "
           "× 7,80 € = 31,20 € par semaine"
        << "Tarifs par défaut du programme : le fichier de paramètres « /x/Tarivane » n'a pas "
           "pu être lu (permission refusée).";
}

void TestEstimation::modele() {
    QFETCH(Choix, choix);
    QFETCH(Tarifs, tarifs);
    QFETCH(Defaut::RapportLecture, rapport);
    QFETCH(QString, formule);
    QFETCH(QString, source);
    const Estimation e(choix, tarifs, rapport, Jour, Francais);
    QCOMPARE(e.lignes().size(), choix.dpa ? 6 : 5);
    const Estimation::Ligne& l = e.lignes()[choix.dpa ? 0 : 3];
    QCOMPARE(QStringList({l.libelle, e.nombre(l), l.code, l.montant, l.formule}).join(u'|'),
             formule);
    const Montants m = Calcul(choix, tarifs);
    QCOMPARE(e.hebdomadaire(), framework::Format(m.hebdomadaire, Motifs::Feuille, Francais));
    QCOMPARE(e.formuleMensuelle(), e.hebdomadaire() + " × 52 ÷ 12 = " +
                                       framework::Format(m.mensuelle, Motifs::Feuille, Francais));
    QCOMPARE(e.modalite(), choix.dpa ? "DPA" : "DPCA");
    QCOMPARE(e.tarifs().size(), 5);
    QCOMPARE(e.tarifs()[4].libelle, "Nombre d'AMI pour un chgt de poche");
    QCOMPARE(e.tarifs()[4].valeur, framework::Format(tarifs.Poches, Motifs::Champ, Francais));
    QCOMPARE(e.provenance(), source);
}

void TestEstimation::formuleHebdomadaire() {
    // The per-day first row is not one of the weekly terms.
    QCOMPARE(Estimation(Dpa, Tarifs{}, {}, Jour, Francais).formuleHebdomadaire(),
             "Somme des montants de la semaine : 198,80 € (branchements ou débranchements de la "
             "semaine) + 84,00 € (pansements) + 15,60 € (dimanches et jours fériés) + 64,05 € "
             "(actes de nuit) + 84,00 € (surveillance) = 446,45 €. Le montant par jour de "
             "traitement (28,40 €) n'en fait pas partie : la semaine le compte déjà. La somme est "
             "faite sur les montants non arrondis ; elle peut différer d'un centime de celle des "
             "lignes arrondies.");
}

void TestEstimation::texteEtHtml() {
    const Estimation e(Dpca, Tarifs{}, {"/a&b/Tarivane", "", {}}, Jour, QLocale::c());
    QCOMPARE(e.texte(), "Tarivane — Estimation du 6 décembre 2026\n"
                        "Modalité de traitement : DPCA\n\n"
                        "Nombre de poches par jour de traitement : 4 — AMI 4 + IFD — 56.80 €\n"
                        "Nombre de jours de traitement par semaine : 7 — 397.60 €\n"
                        "Nombre de pansements par semaine : 3 — AMI 4 — 36.00 €\n"
                        "Nombre de dimanches et jour fériés par semaine : 1 — ISD — 31.20 €\n"
                        "Nombre d'actes de nuit par semaine : 7 — ISN — 64.05 €\n"
                        "Facturation hebdomadaire : 528.85 €\n"
                        "Facturation mensuelle moyenne : 2,291.68 €\n\n"
                        "Tarifs appliqués :\n"
                        "Valeur de l'AMI (€) : 3.00\n"
                        "Indemnités de déplacements (€) : 2.20\n"
                        "Majoration dimanches et fériés (€) : 7.80\n"
                        "Majoration de nuit (€) : 9.15\n"
                        "Nombre d'AMI pour un chgt de poche : 4.00\n"
                        "Tarifs lus dans le fichier de paramètres « /a&b/Tarivane ».\n");
    const QString html = e.html();
    for (const char* ligne :
         {"<tr><td>Nombre de poches par jour de traitement</td><td align=\"right\">4</td>"
          "<td>AMI 4 + IFD</td><td align=\"right\">56.80 €</td></tr>",
          "<tr><td>Nombre de jours de traitement par semaine</td><td align=\"right\">7</td>"
          "<td></td><td align=\"right\">397.60 €</td></tr>",
          "<tr><th colspan=\"3\" align=\"left\">Facturation mensuelle moyenne</th>"
          "<td align=\"right\"><b>2,291.68 €</b></td></tr>",
          "<tr><td>Majoration de nuit (€)</td><td align=\"right\">9.15</td></tr>",
          "<p>Tarifs lus dans le fichier de paramètres « /a&amp;b/Tarivane ».</p>"})
        QVERIFY2(html.contains(QString::fromUtf8(ligne)), ligne);
}

void TestEstimation::pdf_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<Choix>("choix");
    QTest::newRow("French, DPCA") << Francais << Dpca;
    QTest::newRow("C, DPA") << QLocale::c() << Dpa;
}

void TestEstimation::pdf() {
    QFETCH(QLocale, locale);
    QFETCH(Choix, choix);
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext is not installed");
    const QTemporaryDir dossier;
    const QString chemin = dossier.filePath(PageEstimation::NomFichier(Jour));
    QCOMPARE(QFileInfo(chemin).fileName(), "Estimation Tarivane 2026-12-06.pdf");
    const Estimation e(choix, Tarifs{}, {}, Jour, locale);
    QString erreur;
    QVERIFY2(PageEstimation::EcrirePdf(e, chemin, erreur), qPrintable(erreur));
    QCOMPARE(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

    const QString info = sortie("pdfinfo", {chemin});
    QVERIFY2(info.contains(QRegularExpression("Title: +Estimation Tarivane\n")), qPrintable(info));
    QVERIFY(info.contains(QRegularExpression("Pages: +1\n")));
    // The sheet is drawn, not pasted as a picture.
    QCOMPARE(sortie("pdfimages", {"-list", chemin}).count('\n'), 2);

    const QString page = sortie("pdftotext", {"-layout", chemin, "-"});
    for (const QString& attendu : {QString("Tarivane"), QString("6 décembre 2026"),
                                   "Modalité de traitement : " + e.modalite()})
        QVERIFY2(page.contains(attendu), qPrintable(attendu));
    // Cells of one line of the page, in this order.
    const auto ligne = [&page](const QStringList& cellules) {
        QStringList motifs;
        for (const QString& c : cellules)
            motifs << QRegularExpression::escape(QString(c).replace(QChar(0x202F), ' '));
        return page.contains(QRegularExpression(motifs.join(" +") + "\n"));
    };
    for (const Estimation::Ligne& l : e.lignes())
        QVERIFY2(ligne(l.code.isEmpty() ? QStringList{l.libelle, e.nombre(l), l.montant}
                                        : QStringList{l.libelle, e.nombre(l), l.code, l.montant}),
                 qPrintable(l.libelle));
    // The totals as the sheet shows them, each on its row.
    QVERIFY(ligne({"Facturation hebdomadaire", e.hebdomadaire()}));
    QVERIFY2(ligne({"Facturation mensuelle moyenne", e.mensuelle()}), qPrintable(page));
}

QTEST_MAIN(TestEstimation)
#include "tst_estimation.moc"

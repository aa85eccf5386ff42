#include "support/Attendu.h"
#include "support/Dossier.h"
#include "ui/patients/WPatients.h"

#include <QtTest>
#include <QtWidgets>

using Poste = Estimation::Poste;

namespace {

constexpr Choix Dpca{4, 7, 1, 3, 7, 7, Modalite::DPCA};
constexpr Choix Dpa{2, 7, 1, 7, 7, 3, Modalite::DPA};

Estimation semaine(const Choix& c) {
    return Estimation(c, Tarifs{}, {}, QDate(2026, 5, 6));
}

// The window on May 2026, beside a main window, its patients' file holding those bytes if any,
// and its controls by name.
struct Fenetre {
    Dossier dossier;
    const QByteArray fichier;
    const bool ecrit = fichier.isNull() || dossier.ecrire(fichier, "Patients.sqlite");
    Patients patients;
    QWidget principale;
    WPatients w{&principale, patients, semaine(Dpca)};

    explicit Fenetre(const QByteArray& octets = {}) : fichier(octets) {
        w.montrer();
        w.findChild<QComboBox*>("MoisPatients")->setCurrentIndex(4);
        w.findChild<QSpinBox*>("AnneePatients")->setValue(2026);
    }
    template <typename T = QPushButton> T* c(const char* nom) { return w.findChild<T*>(nom); }
    void cliquer(const char* bouton, const QString& nom = {}) {
        c<QLineEdit>("NomPatient")->setText(nom);
        QTest::mouseClick(c(bouton), Qt::LeftButton);
    }
    QString cellule(int rangee, int colonne) {
        return c<QTableWidget>("ListePatients")->item(rangee, colonne)->text();
    }
    QString lu(const char* label) {
        return c<QLabel>(label)->text().replace(QChar(0xA0), u' ').replace(QChar(0x202F), u' ');
    }
};

} // namespace

class TestWPatients : public QObject {
    Q_OBJECT
private slots:
    void totalOfAllPatients_data();
    void totalOfAllPatients();
    void aFileThatCannotBeUsed();
};

void TestWPatients::totalOfAllPatients_data() {
    QTest::addColumn<QStringList>("patients"); // "*": the one open in the main window
    QTest::addColumn<QString>("attendu");      // each one's May 2026 | the total
    QTest::newRow("two patients, DPCA and DPA")
        << QStringList{"A dpca", "B dpa"} << "2,481.25 € 1,832.45 € | 4,313.70 € (2 patients)";
    QTest::newRow("a correction and her own weekdays, each for its patient")
        << QStringList{"A dpca pansements=10", "B dpca 1111110", "C dpca"}
        << "2,445.25 € 2,032.10 € 2,481.25 € | 6,958.60 € (3 patients)";
    QTest::newRow("the open one as the main window shows it, DPA")
        << QStringList{"*A dpca", "B dpca"} << "1,832.45 € 2,481.25 € | 4,313.70 € (2 patients)";
    QTest::newRow("one") << QStringList{"A dpca"} << "2,481.25 € | 2,481.25 € (1 patient)";
    QTest::newRow("none") << QStringList{} << " | 0.00 € (0 patient)";
}

void TestWPatients::totalOfAllPatients() {
    QFETCH(QStringList, patients);
    QFETCH(QString, attendu);
    Fenetre f;
    for (const QString& p : patients) {
        const QStringList mots = p.split(u' ');
        qint64 id = 0;
        QVERIFY(
            f.patients
                .creer(mots[0].mid(mots[0].startsWith(u'*')), mots[1] == "dpa" ? Dpa : Dpca, &id)
                .isEmpty());
        Patients::Mois mois;
        if (mots.value(2).startsWith("pansements="))
            mois.corrections.insert(Poste::Pansements, mots[2].section(u'=', 1).toInt());
        else if (mots.size() > 2)
            mois = {{true, true, true, true, true, true, false}, 7, Calendrier::Metropole, {}};
        QVERIFY(f.patients.enregistrer(id, 2026, 5, mois).isEmpty());
        if (p.startsWith(u'*'))
            f.w.setOuvert(id);
    }
    f.w.suivre(semaine(f.w.ouvert() ? Dpa : Dpca));
    QTest::qWait(0);
    QStringList vu;
    for (int r = 0; r < f.c<QTableWidget>("ListePatients")->rowCount(); ++r)
        vu << f.cellule(r, 3);
    QCOMPARE(vu.join(u' ') + " | " + f.lu("TotalPatients") + " " +
                 f.lu("LibelleTotal").section(u' ', -2),
             attendu);
    // What the total sums, and what leaves the window: the month of all of them, and their year.
    const QString ecart = ecartAuTexte(
        f.c<QLabel>("TotalPatients")->toolTip() + "\n=== texte\n" + f.w.patientele().texte() +
            "\n=== html\n" + f.w.patientele().html() + "\n=== année\n" + f.w.annee().texte() +
            "\n=== html\n" + f.w.annee().html(),
        QTest::currentDataTag());
    QVERIFY2(ecart.isEmpty(), qPrintable(ecart));
}

void TestWPatients::aFileThatCannotBeUsed() {
    Fenetre f(QByteArray(4096, 'x'));
    QVERIFY(f.ecrit);
    QVERIFY(f.lu("FichierPatients").contains("ce n'est pas une base de patients de Tarivane"));
    QVERIFY(f.lu("FichierPatients").contains(QDir::toNativeSeparators(Patients::Chemin())));
    QVERIFY(!f.c("NouveauPatient")->isEnabled());
}

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    TestWPatients test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_wpatients.moc"

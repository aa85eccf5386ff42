#include "fees/Patients.h"
#include "framework/Raison.h"
#include "support/Dossier.h"

#include <QtSql>
#include <QtTest>
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <sys/stat.h>
#endif

using Poste = Estimation::Poste;

namespace {

constexpr Choix Dpca{4, 7, 1, 3, 7, 7, Modalite::DPCA};

Choix tousA(double n) {
    return {n, n, n, n, n, n, Modalite::DPA};
}

// Each patient and its May 2026 as one line, whole when all its counts are one number.
QStringList contenu(const Patients& p) {
    QStringList vu;
    for (const Patients::Patient& patient : p.liste()) {
        const Choix& c = patient.choix;
        QStringList l{patient.nom, NomModalite(c.modalite).toString()};
        for (double n : {c.poches, c.jours, c.dimanches, c.pansements, c.nuits, c.surveillances})
            l << QString::number(n);
        l << "|";
        for (int n : p.mois(patient.id, 2026, 5).corrections)
            l << QString::number(n);
        vu << l.join(u' ');
    }
    return vu;
}

// The store's own copy of the program: saves a patient's choices and month, k at every count,
// as fast as it can, that many times or until it is killed. Fails at the first refusal.
int sauvegardes(const QStringList& args) {
    Patients p(args[0]);
    const qint64 id = args[1].toLongLong();
    for (int k = 1; args[2].toInt() == 0 || k <= args[2].toInt(); ++k) {
        Patients::Mois m;
        for (Poste poste : {Poste::Jours, Poste::Dimanches, Poste::Pansements, Poste::Nuits})
            m.corrections.insert(poste, k);
        QString r = p.enregistrer(id, tousA(k));
        if (!r.isEmpty() || !(r = p.enregistrer(id, 2026, 5, m)).isEmpty())
            return std::fprintf(stderr, "%s\n", qPrintable(r)), 1;
        // Saving has begun.
        if (k == 1)
            std::fputs("1", stdout), std::fflush(stdout);
    }
    return 0;
}

QProcess* copie(const QStringList& args) {
    auto* p = new QProcess;
    p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TARIVANE_SAUVEGARDES"), args.join(u'|'));
    p->setProcessEnvironment(env);
    p->start(QCoreApplication::applicationFilePath(), {});
    return p;
}

} // namespace

class TestPatients : public QObject {
    Q_OBJECT
private slots:
    void names_data();
    void names();
    void keptAcrossRestarts();
    void fileLeftAsItIs_data();
    void fileLeftAsItIs();
    void killedWhileSaving();
    void twoCopiesAtOnce();
    void backupWhileRunning();
};

void TestPatients::names_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("attendu"); // why it was refused, then the names kept
    const auto row = [](const char* cas, const QString& nom, const QString& attendu) {
        QTest::newRow(cas) << nom << attendu;
    };
    const QString pris = "Un patient s'appelle déjà « M. D. » : choisissez un autre nom.|b.|M. D.";
    const QString vide = "Le nom est vide : donnez des initiales ou un pseudonyme.|<absent>";
    row("blanks trimmed and made one", "  m.\t  d. ", "|m. d.");
    row("empty, no file made", "", vide);
    row("only blanks", " \t ", vide);
    row("10,000 characters", QString(10000, u'x'),
        "Le nom dépasse 40 caractères : des initiales ou un pseudonyme suffisent.|<absent>");
    row("a sign no file name may hold", "M/D",
        R"(Le nom ne peut contenir aucun de ces signes : / \ : * ? " < > |.|<absent>)");
    row("the name of another, in other capitals", "+m. d.", pris);
    row("renamed as another", "=M. D.", pris);
    row("renamed in its own capitals", "=B.", "|B.|M. D.");
}

void TestPatients::names() {
    QFETCH(QString, nom);
    QFETCH(QString, attendu);
    const Dossier d;
    Patients p;
    QString r;
    // "+": another patient is there; "=": the patient "b." is renamed.
    if (nom.startsWith(u'+') || nom.startsWith(u'='))
        QVERIFY(p.creer("M. D.", Dpca).isEmpty() && p.creer("b.", Dpca).isEmpty());
    if (nom.startsWith(u'='))
        r = p.renommer(p.liste()[0].id, nom.mid(1));
    else
        r = p.creer(nom.startsWith(u'+') ? nom.mid(1) : nom, Dpca);
    QStringList noms{r};
    for (const Patients::Patient& patient : p.liste())
        noms << patient.nom;
    if (!QFile::exists(d.chemin("Patients.sqlite")))
        noms << "<absent>";
    QCOMPARE(noms.join(u'|'), attendu);
}

void TestPatients::keptAcrossRestarts() {
    const Dossier d;
    qint64 dpa = 0;
    Patients::Mois mai{
        {true, true, true, true, true, true, false}, 7, Calendrier::AlsaceMoselle, {}};
    mai.corrections.insert(Poste::Pansements, 10);
    {
        Patients p;
        qint64 id = 0;
        QVERIFY(p.creer("A.", Dpca, &id).isEmpty() && p.creer("Z.", Dpca, &dpa).isEmpty());
        QVERIFY(p.enregistrer(dpa, tousA(3)).isEmpty());
        QVERIFY(p.enregistrer(dpa, 2026, 5, mai).isEmpty() && p.retenirDernier(dpa).isEmpty());
        QVERIFY(p.enregistrer(id, 2026, 5, mai).isEmpty() && p.supprimer(id).isEmpty());
    }
    // Closed, its log is folded into the file: a copy of the file alone holds everything.
    QVERIFY(!QFile::exists(d.chemin("Patients.sqlite-wal")));
    Patients p;
    // In the folder of the settings file: beside a portable copy.
    QCOMPARE(p.chemin(), d.chemin("Patients.sqlite"));
    QCOMPARE(contenu(p), QStringList{"Z. DPA 3 3 3 3 3 3 | 10"});
    QCOMPARE(p.dernier(), dpa);
    QCOMPARE(p.mois(dpa, 2026, 5), mai);
    // Her weekdays hold for the week they were ticked for; another week proposes its first days.
    QCOMPARE(mai.joursPour(Dpca), mai.jours);
    QCOMPARE(mai.joursPour(tousA(5)), (std::array<bool, 7>{1, 1, 1, 1, 1, 0, 0}));
    QVERIFY(p.supprimer(dpa).isEmpty());
    QCOMPARE(p.dernier(), 0);
#ifdef Q_OS_UNIX
    struct stat st {};
    QVERIFY(::stat(QFile::encodeName(d.chemin("Patients.sqlite")), &st) == 0);
    QCOMPARE(st.st_mode & 0777, 0600u);
#endif
}

void TestPatients::fileLeftAsItIs_data() {
    QTest::addColumn<QString>("cas");
    QTest::addColumn<QString>("raison");
    const auto row = [](const char* nom, const char* cas, const char* raison) {
        QTest::newRow(nom) << cas << raison;
    };
    const char* pasUneBase = "ce n'est pas une base de patients";
    row("not a database", "texte", pasUneBase);
    row("another program's database", "autre", pasUneBase);
    row("from a newer version", "recente",
        "plus récente de Tarivane (format 2, celle-ci lit le 1)");
    row("read-only", "lecture", "il est en lecture seule");
    row("locked by another program, then free", "verrou", "verrouillé par un autre programme");
    row("another copy changing it, tried twice", "ecriture", "verrouillé par un autre programme");
    row("a full disk or a size limit", "plein", "le disque est plein");
}

void TestPatients::fileLeftAsItIs() {
    QFETCH(QString, cas);
    QFETCH(QString, raison);
    const Dossier d;
    const QString chemin = d.chemin("Patients.sqlite");
    {
        Patients p;
        QVERIFY(p.creer("M. D.", Dpca).isEmpty());
    }
    QSqlDatabase autre = QSqlDatabase::addDatabase("QSQLITE", "autre");
    autre.setDatabaseName(chemin);
    QSqlQuery q(autre.open() ? autre : QSqlDatabase());
    if (cas == "texte")
        QVERIFY(d.ecrire(QByteArray(4096, 'x'), "Patients.sqlite"));
    else if (cas == "autre" || cas == "recente") {
        QVERIFY(q.exec(cas == "autre" ? "DROP TABLE mois" : "PRAGMA user_version = 2") &&
                (cas == "recente" || q.exec("PRAGMA user_version = 0")));
        autre.close();
    } else if (cas == "verrou" || cas == "ecriture")
        QVERIFY((cas == "ecriture" || q.exec("PRAGMA locking_mode = EXCLUSIVE")) &&
                q.exec("BEGIN EXCLUSIVE") && q.exec("UPDATE patient SET nuits = 1"));
    else if (cas == "lecture")
        // Read as another user, who may go into the folder.
        QVERIFY(QFile::setPermissions(chemin, QFile::ReadOwner | QFile::ReadOther) &&
                QFile::setPermissions(d.chemin(""), QFile::ReadOwner | QFile::WriteOwner |
                                                        QFile::ExeOwner | QFile::ReadOther |
                                                        QFile::ExeOther));
    const QByteArray avant = d.contenu("Patients.sqlite");
    QString vu;
    if (cas == "lecture")
        vu = dansUnEnfant([] { return Patients().erreur(); }, true);
    else if (cas == "plein") {
#ifndef Q_OS_UNIX
        QSKIP("a file-size limit is POSIX");
#else
        // The write fails and says so, as the program ignores the limit's signal.
        Patients p;
        rlimit limite{3, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &limite);
        vu = p.creer("Autre", Dpca);
        limite.rlim_cur = RLIM_INFINITY;
        setrlimit(RLIMIT_FSIZE, &limite);
#endif
    } else if (cas == "ecriture") {
        Patients p(Patients::Chemin(), 1000);
        const QDeadlineTimer attente(1500); // two waits of 1 s, not one
        vu = p.creer("Autre", Dpca);
        QVERIFY(attente.hasExpired() && p.liste().size() == 1);
    } else {
        const QDeadlineTimer attente(3000);
        Patients p(Patients::Chemin(), 100);
        QVERIFY(!attente.hasExpired()); // as long as the reason says, not Qt's 5 s
        vu = p.erreur();
        QVERIFY(p.liste().isEmpty());
        QCOMPARE(p.creer("Autre", Dpca), vu);
        if (cas == "verrou") {
            // Free again, the file is used again, its patient whole.
            QVERIFY(q.exec("ROLLBACK"));
            autre.close();
            QCOMPARE(contenu(p), QStringList{"M. D. DPCA 4 7 1 3 7 7 |"});
        }
    }
    q = QSqlQuery();
    autre = QSqlDatabase();
    QSqlDatabase::removeDatabase("autre");
    QVERIFY2(vu.contains(raison) && vu.contains(QDir::toNativeSeparators(chemin)), qPrintable(vu));
    QVERIFY(d.contenu("Patients.sqlite") == avant);
}

void TestPatients::killedWhileSaving() {
    const Dossier d;
    qint64 id = 0;
    QVERIFY(Patients().creer("M. D.", tousA(0), &id).isEmpty());
    // A dozen kills at random moments of a run of saves, a few seconds in all.
    QSet<QString> vus;
    for (int i = 0; i < 12; ++i) {
        std::unique_ptr<QProcess> enfant(copie({Patients::Chemin(), QString::number(id), "0"}));
        QVERIFY(enfant->waitForReadyRead(10000));
        QTest::qWait(QRandomGenerator::global()->bounded(150));
        enfant->kill();
        enfant->waitForFinished();
        Patients p;
        const QStringList c = contenu(p);
        QCOMPARE(c.size(), 1);
        const QRegularExpression entier("^M\\. D\\. DPA (\\d+)( \\1){5} \\|( (\\d+)( \\4){3})?$");
        QVERIFY2(entier.match(c[0]).hasMatch(), qPrintable(c[0]));
        vus << c[0];
    }
    // The kills fell in the middle of the saves, not before them.
    QVERIFY(vus.size() > 6);
}

void TestPatients::twoCopiesAtOnce() {
    const Dossier d;
    qint64 a = 0, b = 0;
    Patients p;
    QVERIFY(p.creer("A.", Dpca, &a).isEmpty() && p.creer("B.", Dpca, &b).isEmpty());
    std::unique_ptr<QProcess> un(copie({p.chemin(), QString::number(a), "300"}));
    std::unique_ptr<QProcess> deux(copie({p.chemin(), QString::number(b), "300"}));
    for (QProcess* c : {un.get(), deux.get()}) {
        QVERIFY(c->waitForFinished(30000));
        QCOMPARE(c->exitCode(), 0);
    }
    QCOMPARE(contenu(p), (QStringList{"A. DPA 300 300 300 300 300 300 | 300 300 300 300",
                                      "B. DPA 300 300 300 300 300 300 | 300 300 300 300"}));
}

void TestPatients::backupWhileRunning() {
    const Dossier d;
    Patients p;
    QVERIFY(p.creer("A.", Dpca).isEmpty() && p.creer("B.", tousA(2)).isEmpty());
    QVERIFY(d.ecrire("ancienne", "copie.sqlite"));
    QCOMPARE(p.sauvegarder(d.chemin("copie.sqlite"), false),
             QString("« %1 » existe déjà : il n'est pas remplacé.")
                 .arg(QDir::toNativeSeparators(d.chemin("copie.sqlite"))));
    QCOMPARE(d.contenu("copie.sqlite"), "ancienne");
    QVERIFY(p.sauvegarder(d.chemin("copie.sqlite"), true).isEmpty());
    QCOMPARE(contenu(Patients(d.chemin("copie.sqlite"))), contenu(p));
    // Nothing else left beside it.
    QCOMPARE(QDir(d.chemin("")).entryList({"copie*"}, QDir::Files | QDir::Hidden),
             QStringList{"copie.sqlite"});
}

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    framework::IgnorerSignalDeTaille();
    if (qEnvironmentVariableIsSet("TARIVANE_SAUVEGARDES"))
        return sauvegardes(qEnvironmentVariable("TARIVANE_SAUVEGARDES").split(u'|'));
    QStandardPaths::setTestModeEnabled(true);
    TestPatients test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_patients.moc"

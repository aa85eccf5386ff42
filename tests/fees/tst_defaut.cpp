#include "fees/Defaut.h"
#include "framework/Number.h"
#include "support/Dossier.h"
#include "support/Utilisateur.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>
#include <sys/stat.h>
#include <sys/sysmacros.h>

using framework::FolderItem;

namespace {

const std::array<QString, 5> Affiches{"3.00", "2.20", "7.80", "9.15", "4.00"};

// The values in use, each as its shortest exact text: "-0" and 0 differ, so do 2.2 and 2.2000001.
QStringList enUsage() {
    QStringList out;
    for (const Tarif& t : ListeTarifs)
        out << framework::Str(Defaut::Courants().*t.valeur, QLocale::c());
    return out;
}

const QStringList Defauts{"3", "2.2", "7.8", "9.15", "4"};

// What a folder holds, links and kinds included, to see that nothing changed.
QStringList etat(const QString& dossier) {
    QStringList out;
    for (const QFileInfo& f : QDir(dossier).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                          QDir::System | QDir::NoDotAndDotDot)) {
        QFile fichier(f.filePath());
        const QByteArray debut = f.isFile() && !f.isSymLink() && fichier.open(QIODevice::ReadOnly)
                                     ? fichier.read(64)
                                     : QByteArray();
        out << QStringLiteral("%1 %2 %3 %4 %5")
                   .arg(f.fileName(), f.symLinkTarget(), QString::number(f.size()))
                   .arg(f.isDir())
                   .arg(QString::fromLatin1(debut.toHex()));
    }
    return out;
}

} // namespace

class TestDefaut : public QObject {
    Q_OBJECT
private slots:
    void init() { Defaut::Initialiser(); }
    void cleanup() { QFile::remove(FolderItem::GetConfigItem("Tarivane").path()); }
    void lecture_data();
    void lecture();
    void hostileFiles_data();
    void hostileFiles();
    void saveWritesTextsAsGivenAndReadsThemBack();
    void failedSaveKeepsTheOldFile();
    void whereTheFileLives_data();
    void whereTheFileLives();
};

void TestDefaut::lecture_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("attendus");
    QTest::addColumn<QList<int>>("ignorees");
    QTest::newRow("no file") << QByteArray() << Defauts << QList<int>{};
    QTest::newRow("five lines") << QByteArray("3.10\n2.50\n8.00\n9.40\n5\n")
                                << QStringList{"3.1", "2.5", "8", "9.4", "5"} << QList<int>{};
    QTest::newRow("seven lines: the first five")
        << QByteArray("1\n2\n3\n4\n5\n6\n7\n") << QStringList{"1", "2", "3", "4", "5"}
        << QList<int>{};
    QTest::newRow("three lines: the rest as it was")
        << QByteArray("1\n2\n3\n") << QStringList{"1", "2", "3", "9.15", "4"} << QList<int>{4, 5};
    QTest::newRow("a word, an empty line, a negative")
        << QByteArray("3.5\nabc\n\n-9\n4\n") << QStringList{"3.5", "2.2", "7.8", "9.15", "4"}
        << QList<int>{2, 3, 4};
    QTest::newRow("zero is a value, minus zero is zero")
        << QByteArray("0\n-0\n-0,00\n0\n0\n") << QStringList{"0", "0", "0", "0", "0"}
        << QList<int>{};
    QTest::newRow("comma decimals, all of them kept")
        << QByteArray("3,14159\n2,2\n7,8\n9,15\n4,5\n")
        << QStringList{"3.14159", "2.2", "7.8", "9.15", "4.5"} << QList<int>{};
    QTest::newRow("CRLF and byte order mark")
        << QByteArray("\xEF\xBB\xBF"
                      "3.1\r\n2.3\r\n7.9\r\n9.2\r\n5\r\n")
        << QStringList{"3.1", "2.3", "7.9", "9.2", "5"} << QList<int>{};
    QTest::newRow("a valid number on a line too long")
        << QByteArray("3.2\n") + QByteArray(4997, '0') + QByteArray("2.5\n7\n8\n5\n")
        << QStringList{"3.2", "2.2", "7", "8", "5"} << QList<int>{2};
    QTest::newRow("each tariff at its ceiling")
        << QByteArray("20\n20\n50\n50\n9\n") << QStringList{"20", "20", "50", "50", "9"}
        << QList<int>{};
    QTest::newRow("each tariff just above")
        << QByteArray("20.01\n20.01\n50.01\n50.01\n9.01\n") << Defauts << QList<int>{1, 2, 3, 4, 5};
    QTest::newRow("a number of 309 digits")
        << QByteArray("1" + QByteArray(308, '0') + "\n") << Defauts << QList<int>{1, 2, 3, 4, 5};
    QTest::newRow("empty file") << QByteArray("") << Defauts << QList<int>{1, 2, 3, 4, 5};
}

void TestDefaut::lecture() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, attendus);
    QFETCH(QList<int>, ignorees);
    const Dossier d;
    if (!bytes.isNull())
        QVERIFY(d.ecrire(bytes));
    const Defaut::RapportLecture rapport = Defaut::Lecture();
    QCOMPARE(rapport.chemin, bytes.isNull() ? QString() : d.chemin());
    QCOMPARE(rapport.erreur, QString());
    QCOMPARE(rapport.lignesIgnorees, ignorees);
    QCOMPARE(enUsage(), attendus);
}

void TestDefaut::hostileFiles_data() {
    QTest::addColumn<QString>("genre");
    QTest::addColumn<QString>("raison"); // why it cannot be read nor replaced; %1 the folder
    QTest::addColumn<QStringList>("attendus");
    QTest::addColumn<QList<int>>("ignorees");
    QTest::newRow("a named pipe") << "fifo"
                                  << "ce n'est pas un fichier ordinaire mais un tube nommé"
                                  << Defauts << QList<int>{};
    QTest::newRow("a link to a device made here")
        << "mknod"
        << "c'est un lien vers « %1/peripherique », qui n'est pas un fichier ordinaire mais un "
           "périphérique"
        << Defauts << QList<int>{};
    QTest::newRow("a link to an endless device")
        << "zero"
        << "c'est un lien vers « /dev/zero », qui n'est pas un fichier ordinaire mais un "
           "périphérique"
        << Defauts << QList<int>{};
    QTest::newRow("a folder") << "dossier"
                              << "ce n'est pas un fichier ordinaire mais un dossier" << Defauts
                              << QList<int>{};
    QTest::newRow("a dangling link")
        << "casse"
        << "c'est un lien vers « %1/absent », qui ne mène à rien (le fichier ou son dossier "
           "n'existe pas)"
        << Defauts << QList<int>{};
    QTest::newRow("a file this user may not read")
        << "illisible"
        << "permission refusée" << Defauts << QList<int>{};
    QTest::newRow("a gigabyte without a line break") << "gigaoctet"
                                                     << "" << Defauts << QList<int>{1, 2, 3, 4, 5};
    QTest::newRow("a link to a regular file")
        << "lien"
        << "" << QStringList{"3.5", "2", "3", "4", "5"} << QList<int>{};
}

void TestDefaut::hostileFiles() {
    QFETCH(QString, genre);
    QFETCH(QString, raison);
    QFETCH(QStringList, attendus);
    QFETCH(QList<int>, ignorees);
    const Dossier d;
    const QByteArray fichier = QFile::encodeName(d.chemin());
    const QString dossier = QDir::cleanPath(d.chemin(""));
    raison.replace(QStringLiteral("%1"), dossier);
    if (genre == "fifo")
        QCOMPARE(::mkfifo(fichier, 0644), 0);
    if (genre == "mknod") {
        if (::mknod(QFile::encodeName(d.chemin("peripherique")), S_IFCHR | 0666, makedev(1, 3)))
            QSKIP("devices cannot be made here");
        QVERIFY(QFile::link(d.chemin("peripherique"), d.chemin()));
    }
    if (genre == "zero")
        QVERIFY(QFile::link("/dev/zero", d.chemin()));
    if (genre == "dossier")
        QVERIFY(QDir().mkdir(d.chemin()));
    if (genre == "casse")
        QVERIFY(QFile::link(d.chemin("absent"), d.chemin()));
    if (genre == "illisible") {
        QVERIFY(d.ecrire("5\n5\n5\n5\n5\n") && ::chmod(fichier, 0) == 0);
        QVERIFY(QFile::setPermissions(dossier, QFile::ReadOwner | QFile::WriteOwner |
                                                   QFile::ExeOwner | QFile::ExeOther));
    }
    if (genre == "gigaoctet")
        QVERIFY(d.ecrire("") && ::truncate(fichier, 1 << 30) == 0);
    if (genre == "lien")
        QVERIFY(d.ecrire("3.5\n2\n3\n4\n5\n", "vrai") && QFile::link(d.chemin("vrai"), d.chemin()));
    const QStringList avant = etat(dossier);

    // Never blocks, never reads without bound.
    const auto lire = [] {
        const Defaut::RapportLecture r = Defaut::Lecture();
        QStringList lignes;
        for (int l : r.lignesIgnorees)
            lignes << QString::number(l);
        return r.erreur + u'|' + lignes.join(u' ') + u'|' + enUsage().join(u' ');
    };
    const auto enregistrer = [] { return Defaut::Ecriture(Affiches).erreur; };
    const bool utilisateur = genre == "illisible";
    QElapsedTimer chrono;
    chrono.start();
    const QString lu = utilisateur ? commeUtilisateur(lire) : lire();
    QVERIFY2(chrono.elapsed() < 1000, qPrintable(QString::number(chrono.elapsed())));
    QStringList lignes;
    for (int l : ignorees)
        lignes << QString::number(l);
    QCOMPARE(lu, raison + u'|' + lignes.join(u' ') + u'|' + attendus.join(u' '));

    // A save replaces nothing but a regular file, and says why in the same words.
    const QString ecrit = utilisateur ? commeUtilisateur(enregistrer) : enregistrer();
    QCOMPARE(ecrit, raison);
    if (!raison.isEmpty())
        QCOMPARE(etat(dossier), avant);
    else if (genre == "lien")
        QCOMPARE(QFileInfo(d.chemin()).symLinkTarget(), d.chemin("vrai"));
}

void TestDefaut::saveWritesTextsAsGivenAndReadsThemBack() {
    const Dossier d;
    QVERIFY(d.ecrire("1\n2\n3\n4\n5\n6\n7\n"));
    const Defaut::ResultatEcriture r = Defaut::Ecriture({"3.15", "2,5", " 8", "9.5", "5"});
    QCOMPARE(r.erreur, QString());
    QCOMPARE(r.chemin, d.chemin());
    QCOMPARE(d.contenu(), QByteArray("3.15\n2,5\n 8\n9.5\n5\n"));
    QCOMPARE(enUsage(), (QStringList{"3.15", "2.5", "8", "9.5", "5"}));
    QVERIFY(r.relu.lu());
    QCOMPARE(d.noms(), QStringList{"Tarivane"});
}

void TestDefaut::failedSaveKeepsTheOldFile() {
    const Dossier d;
    QVERIFY(d.ecrire("1\n2\n3\n4\n5\n"));
    // A line break inside a value would shift every later line of the file.
    const Defaut::ResultatEcriture r = Defaut::Ecriture({"3\n", "2", "3", "4", "5"});
    QCOMPARE(r.erreur, QStringLiteral("une valeur contient un saut de ligne"));
    QCOMPARE(d.contenu(), QByteArray("1\n2\n3\n4\n5\n"));
    // The values in use are what the file holds.
    QCOMPARE(enUsage(), (QStringList{"1", "2", "3", "4", "5"}));
}

void TestDefaut::whereTheFileLives_data() {
    QTest::addColumn<FolderItem::Copie>("copie");
    QTest::addColumn<bool>("aCote");  // a file beside the program to begin with
    QTest::addColumn<bool>("config"); // one in the configuration folder
    QTest::addColumn<QString>("lu");  // where each is read, then written, then read again
    QTest::addColumn<QString>("ecrit");
    QTest::newRow("portable copy, beside it")
        << FolderItem::Copie::Portable << true << true << "beside"
        << "beside";
    QTest::newRow("installed copy, never beside it")
        << FolderItem::Copie::Installee << true << false << ""
        << "config";
    QTest::newRow("copy in a protected folder reads beside it until it saves")
        << FolderItem::Copie::Protegee << true << false << "beside"
        << "config";
    QTest::newRow("copy in a protected folder, once it has saved")
        << FolderItem::Copie::Protegee << true << true << "config"
        << "config";
}

void TestDefaut::whereTheFileLives() {
    QFETCH(FolderItem::Copie, copie);
    QFETCH(bool, aCote);
    QFETCH(bool, config);
    QFETCH(QString, lu);
    QFETCH(QString, ecrit);
    const Dossier d(copie);
    const QString chemins[] = {d.chemin(), FolderItem::GetConfigItem("Tarivane").path()};
    const auto nom = [&](const QString& chemin) {
        return chemin == chemins[0] ? "beside" : chemin == chemins[1] ? "config" : chemin;
    };
    if (aCote)
        QVERIFY(d.ecrire("1\n1\n1\n1\n1\n"));
    if (config) {
        QVERIFY(QDir().mkpath(QFileInfo(chemins[1]).absolutePath()));
        QFile f(chemins[1]);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("2\n2\n2\n2\n2\n") == 10);
    }
    QCOMPARE(nom(Defaut::Lecture().chemin), lu);
    const Defaut::ResultatEcriture r = Defaut::Ecriture(Affiches);
    QCOMPARE(nom(r.chemin), ecrit);
    QCOMPARE(nom(r.relu.chemin), ecrit);
    QCOMPARE(enUsage(), Defauts);
}

int main(int argc, char* argv[]) {
    // Keeps the configuration folder of these tests apart from the user's own.
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication app(argc, argv);
    TestDefaut test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_defaut.moc"

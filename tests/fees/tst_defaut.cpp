#include "fees/Defaut.h"
#include "support/Fichiers.h"

#include <QFile>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <csignal>
#include <sys/resource.h>

Q_DECLARE_METATYPE(Tarifs)

using framework::FolderItem;

namespace {

// Lowers the largest file this process may write, so that a save fails even for root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old_); }

private:
    rlimit old_{};
};

const std::array<QString, 5> Affiches{"3.00", "2.20", "7.80", "9.15", "4.00"};

} // namespace

class TestDefaut : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void noFileKeepsDefaults();
    void lecture_data();
    void lecture();
    void randomBytesNeverGiveUnusableValues();
    void saveThenReadBack();
    void saveWritesTextsAsGiven();
    void sevenLinesBecomeFiveOnSave();
    void failedWriteKeepsOldFileAndReports();
    void folderThatIsAFileIsReported();
    void lineBreakInsideAValueIsRefused();
    void installedCopySavesInTheConfigFolder();
    void installedCopyReadsTheFileBesideItUntilItSaves();
    void portableCopyIgnoresTheConfigFolder();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString fichier() const { return dir_->filePath("Tarivane"); }
};

void TestDefaut::init() {
    Defaut::Initialiser();
    dir_ = std::make_unique<QTemporaryDir>();
    FolderItem::SetApplicationFolder(dir_->path());
}

void TestDefaut::cleanup() {
    FolderItem::SetApplicationFolder({});
    FolderItem::SetApplicationFolderWritable(std::nullopt);
    QFile::remove(FolderItem::GetConfigItem("Tarivane").path());
    dir_.reset();
}

void TestDefaut::noFileKeepsDefaults() {
    const auto rapport = Defaut::Lecture();
    QVERIFY(!rapport.lu);
    QVERIFY(rapport.lignesIgnorees.isEmpty());
    QCOMPARE(Defaut::AMI, 3.0);
    QCOMPARE(Defaut::Deplacements, 2.2);
    QCOMPARE(Defaut::Dimanches, 7.8);
    QCOMPARE(Defaut::Nuits, 9.15);
    QCOMPARE(Defaut::Poches, 4.0);
}

void TestDefaut::lecture_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Tarifs>("attendus");
    QTest::addColumn<QList<int>>("ignorees");

    QTest::newRow("five lines") << QByteArray("3.10\n2.50\n8.00\n9.40\n5\n")
                                << Tarifs{3.1, 2.5, 8, 9.4, 5} << QList<int>{};
    QTest::newRow("seven lines: the first five")
        << QByteArray("1\n2\n3\n4\n5\n6\n7\n") << Tarifs{1, 2, 3, 4, 5} << QList<int>{};
    QTest::newRow("three lines: the rest as it was")
        << QByteArray("1\n2\n3\n") << Tarifs{1, 2, 3, 9.15, 4} << QList<int>{4, 5};
    QTest::newRow("a word") << QByteArray("3\nabc\n7.8\n9.15\n4\n") << Tarifs{3, 2.2, 7.8, 9.15, 4}
                            << QList<int>{2};
    QTest::newRow("an empty line")
        << QByteArray("3.5\n\n7.8\n9.15\n4\n") << Tarifs{3.5, 2.2, 7.8, 9.15, 4} << QList<int>{2};
    QTest::newRow("negative") << QByteArray("3\n2.2\n-7.8\n9.15\n4\n")
                              << Tarifs{3, 2.2, 7.8, 9.15, 4} << QList<int>{3};
    QTest::newRow("zero is a value")
        << QByteArray("0\n0\n0\n0\n0\n") << Tarifs{0, 0, 0, 0, 0} << QList<int>{};
    QTest::newRow("comma decimals") << QByteArray("3,15\n2,2\n7,8\n9,15\n4,5\n")
                                    << Tarifs{3.15, 2.2, 7.8, 9.15, 4.5} << QList<int>{};
    QTest::newRow("all decimals kept") << QByteArray("3.14159\n2.2\n7.8\n9.15\n4\n")
                                       << Tarifs{3.14159, 2.2, 7.8, 9.15, 4} << QList<int>{};
    QTest::newRow("CRLF and BOM") << QByteArray("\xEF\xBB\xBF"
                                                "3.1\r\n2.3\r\n7.9\r\n9.2\r\n5\r\n")
                                  << Tarifs{3.1, 2.3, 7.9, 9.2, 5} << QList<int>{};
    QTest::newRow("a line of one mebibyte")
        << QByteArray("3.2\n") + QByteArray(1 << 20, '1') + QByteArray("\n7\n8\n5\n")
        << Tarifs{3.2, 2.2, 7, 8, 5} << QList<int>{2};
    QTest::newRow("not finite") << QByteArray("1" + QByteArray(400, '0') + "\n2\n3\n4\n5\n")
                                << Tarifs{3, 2, 3, 4, 5} << QList<int>{1};
    QTest::newRow("empty file") << QByteArray() << Tarifs{} << QList<int>{1, 2, 3, 4, 5};
}

void TestDefaut::lecture() {
    QFETCH(QByteArray, bytes);
    QFETCH(Tarifs, attendus);
    QFETCH(QList<int>, ignorees);
    QVERIFY(put(fichier(), bytes));
    const auto rapport = Defaut::Lecture();
    QVERIFY(rapport.lu);
    QCOMPARE(rapport.chemin, fichier());
    QCOMPARE(rapport.lignesIgnorees, ignorees);
    QCOMPARE(Defaut::AMI, attendus.AMI);
    QCOMPARE(Defaut::Deplacements, attendus.Deplacements);
    QCOMPARE(Defaut::Dimanches, attendus.Dimanches);
    QCOMPARE(Defaut::Nuits, attendus.Nuits);
    QCOMPARE(Defaut::Poches, attendus.Poches);
}

void TestDefaut::randomBytesNeverGiveUnusableValues() {
    QRandomGenerator rng(20261206);
    for (int round = 0; round < 50; ++round) {
        QByteArray bytes(static_cast<int>(rng.bounded(1, 20000)), '\0');
        for (char& b : bytes)
            b = static_cast<char>(rng.bounded(256));
        QVERIFY(put(fichier(), bytes));
        Defaut::Lecture();
        for (double v :
             {Defaut::AMI, Defaut::Deplacements, Defaut::Dimanches, Defaut::Nuits, Defaut::Poches})
            QVERIFY(std::isfinite(v) && v >= 0);
    }
}

void TestDefaut::saveThenReadBack() {
    const auto r = Defaut::Ecriture({"3.15", "2.5", "8", "9.5", "5"});
    QVERIFY2(r.ecrit, qPrintable(r.erreur));
    QCOMPARE(r.chemin, fichier());
    QCOMPARE(contents(fichier()), QByteArray("3.15\n2.5\n8\n9.5\n5\n"));
    QCOMPARE(Defaut::AMI, 3.15);
    QCOMPARE(Defaut::Poches, 5.0);
    Defaut::Initialiser();
    Defaut::Lecture();
    QCOMPARE(Defaut::Nuits, 9.5);
}

void TestDefaut::saveWritesTextsAsGiven() {
    const auto r = Defaut::Ecriture({"3.00", "2.20", "7,8", "9.15", "4.00"});
    QVERIFY(r.ecrit);
    QCOMPARE(contents(fichier()), QByteArray("3.00\n2.20\n7,8\n9.15\n4.00\n"));
    QCOMPARE(Defaut::Dimanches, 7.8);
    // Saving twice writes the same file.
    QVERIFY(Defaut::Ecriture({"3.00", "2.20", "7,8", "9.15", "4.00"}).ecrit);
    QCOMPARE(contents(fichier()), QByteArray("3.00\n2.20\n7,8\n9.15\n4.00\n"));
}

void TestDefaut::sevenLinesBecomeFiveOnSave() {
    QVERIFY(put(fichier(), "1\n2\n3\n4\n5\n6\n7\n"));
    Defaut::Lecture();
    QVERIFY(Defaut::Ecriture(Affiches).ecrit);
    QCOMPARE(contents(fichier()), QByteArray("3.00\n2.20\n7.80\n9.15\n4.00\n"));
}

void TestDefaut::failedWriteKeepsOldFileAndReports() {
    QVERIFY(put(fichier(), "1\n2\n3\n4\n5\n"));
    Defaut::ResultatEcriture r;
    {
        const FileSizeLimit limit(4);
        r = Defaut::Ecriture(Affiches);
    }
    QVERIFY(!r.ecrit);
    QVERIFY(!r.erreur.isEmpty());
    QCOMPARE(contents(fichier()), QByteArray("1\n2\n3\n4\n5\n"));
    // The values in use are what the old file holds.
    QCOMPARE(Defaut::AMI, 1.0);
    QCOMPARE(Defaut::Poches, 5.0);
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Tarivane"});
}

void TestDefaut::folderThatIsAFileIsReported() {
    const QString plain = dir_->filePath("plain");
    QVERIFY(put(plain, "x"));
    FolderItem::SetApplicationFolder(plain);
    FolderItem::SetApplicationFolderWritable(true);
    const auto r = Defaut::Ecriture(Affiches);
    QVERIFY(!r.ecrit);
    QVERIFY(!r.erreur.isEmpty());
    QCOMPARE(Defaut::AMI, 3.0);
}

void TestDefaut::lineBreakInsideAValueIsRefused() {
    QVERIFY(put(fichier(), "1\n2\n3\n4\n5\n"));
    const auto r = Defaut::Ecriture({"3\n4", "2", "3", "4", "5"});
    QVERIFY(!r.ecrit);
    QCOMPARE(contents(fichier()), QByteArray("1\n2\n3\n4\n5\n"));
}

void TestDefaut::installedCopySavesInTheConfigFolder() {
    FolderItem::SetApplicationFolderWritable(false);
    const QString config = FolderItem::GetConfigItem("Tarivane").path();
    QVERIFY(!QFile::exists(config));
    const auto r = Defaut::Ecriture({"3.5", "2.2", "7.8", "9.15", "4"});
    QVERIFY2(r.ecrit, qPrintable(r.erreur));
    QCOMPARE(r.chemin, config);
    QCOMPARE(contents(config), QByteArray("3.5\n2.2\n7.8\n9.15\n4\n"));
    QVERIFY(!QFile::exists(fichier()));
    Defaut::Initialiser();
    QCOMPARE(Defaut::Lecture().chemin, config);
    QCOMPARE(Defaut::AMI, 3.5);
}

void TestDefaut::installedCopyReadsTheFileBesideItUntilItSaves() {
    QVERIFY(put(fichier(), "1\n2\n3\n4\n5\n"));
    FolderItem::SetApplicationFolderWritable(false);
    QCOMPARE(Defaut::Lecture().chemin, fichier());
    QCOMPARE(Defaut::AMI, 1.0);
    QVERIFY(Defaut::Ecriture(Affiches).ecrit);
    QCOMPARE(Defaut::AMI, 3.0);
    QCOMPARE(contents(fichier()), QByteArray("1\n2\n3\n4\n5\n"));
}

void TestDefaut::portableCopyIgnoresTheConfigFolder() {
    FolderItem::SetApplicationFolderWritable(false);
    QVERIFY(Defaut::Ecriture({"8", "8", "8", "8", "8"}).ecrit);
    FolderItem::SetApplicationFolderWritable(true);
    Defaut::Initialiser();
    QVERIFY(!Defaut::Lecture().lu);
    QCOMPARE(Defaut::AMI, 3.0);
    const auto r = Defaut::Ecriture(Affiches);
    QCOMPARE(r.chemin, fichier());
    QCOMPARE(contents(fichier()), QByteArray("3.00\n2.20\n7.80\n9.15\n4.00\n"));
}

int main(int argc, char* argv[]) {
    // Keeps the configuration folder of these tests apart from the user's own.
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication app(argc, argv);
    TestDefaut test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_defaut.moc"

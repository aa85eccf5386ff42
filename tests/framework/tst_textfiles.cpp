#include "framework/FolderItem.h"
#include "framework/TextInputStream.h"
#include "framework/TextOutputStream.h"
#include "support/Fichiers.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using framework::FolderItem;
using framework::TextInputStream;

namespace {

QStringList readAll(const QByteArray& bytes, int count) {
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    TextInputStream in(std::move(buffer));
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << in.ReadLine();
    return lines;
}

} // namespace

class TestTextFiles : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { FolderItem::SetApplicationFolder({}); }
    void readLine_data();
    void readLine();
    void overlongLineIsCutAndFlagged();
    void endOfFile();
    void writeThenRead();
    void streamDroppedWithoutCloseKeepsOldFile();
    void createFailsWhenFolderIsAFile();
    void folderItemNames_data();
    void folderItemNames();
    void neverResolvesOntoTheProgram();
};

void TestTextFiles::readLine_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");
    const QStringList three{"3.00", "2,20", "7.80"};
    QTest::newRow("LF") << QByteArray("3.00\n2,20\n7.80\n") << three;
    QTest::newRow("CRLF") << QByteArray("3.00\r\n2,20\r\n7.80\r\n") << three;
    QTest::newRow("lone CR of older files") << QByteArray("3.00\r2,20\r7.80\r") << three;
    QTest::newRow("BOM") << QByteArray("\xEF\xBB\xBF"
                                       "3.00\n2,20\n7.80")
                         << three;
    QTest::newRow("no final end") << QByteArray("3.00\n2,20\n7.80") << three;
    QTest::newRow("short file reads empty past the end")
        << QByteArray("3.00\n") << QStringList{"3.00", "", ""};
    QTest::newRow("UTF-8 kept") << QByteArray("é\n€\n\n") << QStringList{"é", "€", ""};
}

void TestTextFiles::readLine() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    QCOMPARE(readAll(bytes, static_cast<int>(expected.size())), expected);
}

void TestTextFiles::overlongLineIsCutAndFlagged() {
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(QByteArray(1 << 20, '7') + "\n4\n");
    buffer->open(QIODevice::ReadOnly);
    TextInputStream in(std::move(buffer));
    QCOMPARE(in.ReadLine().size(), TextInputStream::MaxLineBytes);
    QVERIFY(in.LineTooLong());
    QCOMPARE(in.ReadLine(), QStringLiteral("4"));
    QVERIFY(!in.LineTooLong());
}

void TestTextFiles::endOfFile() {
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData("a\n");
    buffer->open(QIODevice::ReadOnly);
    TextInputStream in(std::move(buffer));
    QVERIFY(!in.EndOfFile());
    in.ReadLine();
    QVERIFY(in.EndOfFile());
}

void TestTextFiles::writeThenRead() {
    QTemporaryDir dir;
    const FolderItem item = FolderItem::GetFolderItem(dir.path(), "Tarivane");
    QVERIFY(!item.Exists());
    auto out = item.CreateTextFile();
    QVERIFY(out);
    out->WriteLine("3.00");
    out->WriteLine("é");
    QVERIFY(out->Close());
    QVERIFY(item.Exists());
    QCOMPARE(contents(item.path()), QByteArray("3.00\n\xC3\xA9\n"));
    auto in = item.OpenAsTextFile();
    QVERIFY(in);
    QCOMPARE(in->ReadLine(), QStringLiteral("3.00"));
    QCOMPARE(in->ReadLine(), QStringLiteral("é"));
}

void TestTextFiles::streamDroppedWithoutCloseKeepsOldFile() {
    QTemporaryDir dir;
    const FolderItem item = FolderItem::GetFolderItem(dir.path(), "Tarivane");
    {
        QFile f(item.path());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("old\n");
    }
    {
        auto out = item.CreateTextFile();
        QVERIFY(out);
        out->WriteLine("new");
    }
    QCOMPARE(contents(item.path()), QByteArray("old\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Tarivane"});
}

void TestTextFiles::createFailsWhenFolderIsAFile() {
    QTemporaryDir dir;
    const QString notAFolder = dir.filePath("plain");
    QFile f(notAFolder);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QString error;
    QVERIFY(!FolderItem::GetFolderItem(notAFolder, "Tarivane").CreateTextFile(&error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!FolderItem::GetFolderItem(notAFolder, "Tarivane").OpenAsTextFile());
}

void TestTextFiles::folderItemNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("nil");
    QTest::newRow("bare name") << "Tarivane" << false;
    QTest::newRow("empty") << "" << true;
    QTest::newRow("path") << "../Tarivane" << true;
    QTest::newRow("dot dot") << ".." << true;
    QTest::newRow("backslash") << "a\\b" << true;
}

void TestTextFiles::folderItemNames() {
    QFETCH(QString, name);
    QFETCH(bool, nil);
    QTemporaryDir dir;
    FolderItem::SetApplicationFolder(dir.path());
    const FolderItem item = FolderItem::GetFolderItem(name);
    QCOMPARE(item.isNil(), nil);
    if (!nil)
        QCOMPARE(QFileInfo(item.path()).absolutePath(), QFileInfo(dir.path()).absoluteFilePath());
}

void TestTextFiles::neverResolvesOntoTheProgram() {
    const QFileInfo program(QCoreApplication::applicationFilePath());
    QVERIFY(FolderItem::GetFolderItem(program.absolutePath(), program.fileName()).isNil());
    // Nor through another name for the same file.
    QTemporaryDir dir;
    QVERIFY(QFile::link(program.absoluteFilePath(), dir.filePath("Tarivane")));
    QVERIFY(FolderItem::GetFolderItem(dir.path(), "Tarivane").isNil());
}

QTEST_GUILESS_MAIN(TestTextFiles)
#include "tst_textfiles.moc"

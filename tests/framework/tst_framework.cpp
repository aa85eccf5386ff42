#include "framework/FolderItem.h"
#include "framework/Number.h"

#include <QCoreApplication>
#include <QTest>

using framework::Format;

namespace {

const QLocale C = QLocale::c();
const QLocale Francais(QLocale::French, QLocale::France);

// The same text with French separators: a narrow no-break space groups, a comma decimals.
QString enFrancais(QString texte) {
    return texte.replace(u',', QChar(0x202F)).replace(u'.', u',');
}

} // namespace

class TestFramework : public QObject {
    Q_OBJECT
private slots:
    void format_data();
    void format();
    void aCopyWhereItWasBuiltIsPortable();
};

void TestFramework::format_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("inC");
    // The amounts' pattern, and the tariff fields'.
    const QString l = QStringLiteral("###,###.00\\ \\€");
    const QString f = QStringLiteral("##.00");
    QTest::newRow("negative rounding to zero has no sign") << -0.001 << l << "0.00 €";
    QTest::newRow("half away from zero") << 0.125 << f << "0.13";
    QTest::newRow("decimal half of a binary-inexact value") << 2.675 << f << "2.68";
    QTest::newRow("carry into a new group") << 999.995 << l << "1,000.00 €";
    QTest::newRow("field pattern never groups") << 1234.5 << f << "1234.50";
}

void TestFramework::format() {
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, inC);
    QCOMPARE(Format(value, pattern, C), inC);
    QCOMPARE(Format(value, pattern, Francais), enFrancais(inC));
}

void TestFramework::aCopyWhereItWasBuiltIsPortable() {
    // Its folder may be written: its files beside it, not in the configuration folder.
    QCOMPARE(framework::FolderItem::SorteDeCopie(), framework::FolderItem::Copie::Portable);
}

QTEST_GUILESS_MAIN(TestFramework)
#include "tst_framework.moc"

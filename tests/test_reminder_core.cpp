#include "TestSupport.h"

#include "app/Clock.h"
#include "dates/clsLembrete.h"

namespace {

QByteArray niver(const char *alias, const char *day, const char *month)
{
    return NiverXml(alias, day, month);
}

// Each day of the result as "dd/mm: alias alias".
QStringList describe(const clsLembrete &reminder)
{
    QStringList days;
    for (const ListaNivers &day : reminder.ProximosAniversarios()) {
        QStringList names;
        for (const clsNiver &n : day)
            names << n.Apelido;
        days << day.first().Dia + "/" + day.first().Mes + ": " + names.join(' ');
    }
    return days;
}

} // namespace

class TestReminderCore : public QObject {
    Q_OBJECT
private slots:
    void upcoming_data();
    void upcoming();
};

void TestReminderCore::upcoming_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("days");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("nothing in the window") << QDate(2003, 6, 1) << 10 << QStringList{};
    QTest::newRow("two on one day in file order, today first")
        << QDate(2003, 3, 5) << 7 << QStringList{"05/03: Ana Bia", "10/03: Caio"};
    QTest::newRow("one day on 31 December")
        << QDate(2003, 12, 31) << 1 << QStringList{"31/12: Eli", "01/01: Gil"};
    QTest::newRow("across the new year")
        << QDate(2003, 12, 28) << 10 << QStringList{"31/12: Eli", "01/01: Gil", "07/01: Ivo"};
    QTest::newRow("0 days is today only") << QDate(2003, 3, 10) << 0 << QStringList{"10/03: Caio"};
    QTest::newRow("29 Feb missed in a common year") << QDate(2003, 2, 27) << 3 << QStringList{};
    QTest::newRow("29 Feb found in a leap year")
        << QDate(2004, 2, 27) << 3 << QStringList{"29/02: Leo"};
    QTest::newRow("a whole year sees the first day twice")
        << QDate(2004, 3, 10) << 365 << QStringList{"10/03: Caio", "31/12: Eli",     "01/01: Gil",
                                                    "07/01: Ivo",  "05/03: Ana Bia", "10/03: Caio"};
}

void TestReminderCore::upcoming()
{
    QFETCH(QDate, today);
    QFETCH(int, days);
    QFETCH(QStringList, expected);
    TestSandbox::reset();
    const QString path = TestSandbox::dataFolder() + "/Events.xml";
    writeFile(path, "<EVENTS>" + niver("Ana", "05", "03") + niver("Caio", "10", "03") +
                        niver("Eli", "31", "12") + niver("Bia", "05", "03") +
                        niver("Gil", "01", "01") + niver("Ivo", "07", "01") +
                        niver("Leo", "29", "02") + niver("Odd", "5", "03") + "</EVENTS>");
    BirthdayStore store;
    QVERIFY(store.CarregaArquivo(path));
    Clock::setToday(today);
    QCOMPARE(describe(clsLembrete(store, days)), expected);
}

REREVID_TEST_MAIN(TestReminderCore)
#include "test_reminder_core.moc"

#include "TestSupport.h"

#include "dates/Signs.h"

class TestSigns : public QObject {
    Q_OBJECT
private slots:
    void zodiac_data();
    void zodiac();
    void chinese_data();
    void chinese();
    void coveredRange();
};

void TestSigns::zodiac_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("sign");
    QTest::newRow("20 Mar") << "20"
                            << "03"
                            << "Pisces";
    QTest::newRow("21 Mar") << "21"
                            << "03"
                            << "Aries";
    QTest::newRow("21 Jul") << "21"
                            << "07"
                            << "Cancer";
    QTest::newRow("22 Jul") << "22"
                            << "07"
                            << "Leo";
    QTest::newRow("31 Dec") << "31"
                            << "12"
                            << "Capricorn";
    QTest::newRow("1 Jan") << "01"
                           << "01"
                           << "Capricorn";
    QTest::newRow("20 Jan") << "20"
                            << "01"
                            << "Capricorn";
    QTest::newRow("21 Jan") << "21"
                            << "01"
                            << "Aquarius";
    QTest::newRow("19 Feb") << "19"
                            << "02"
                            << "Aquarius";
    QTest::newRow("20 Feb") << "20"
                            << "02"
                            << "Pisces";
    QTest::newRow("29 Feb") << "29"
                            << "02"
                            << "Pisces";
    QTest::newRow("numbers without zeros") << "5"
                                           << "3"
                                           << "Pisces";
    QTest::newRow("empty day") << ""
                               << "03"
                               << "";
    QTest::newRow("empty month") << "05"
                                 << ""
                                 << "";
    QTest::newRow("not numeric") << "3x"
                                 << "03"
                                 << "";
    QTest::newRow("impossible date") << "40"
                                     << "13"
                                     << "";
}

void TestSigns::zodiac()
{
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, sign);
    QCOMPARE(SignoZodiacal(day, month), sign);
}

void TestSigns::chinese_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("sign");
    QTest::newRow("New Year 2003") << "01"
                                   << "02"
                                   << "2003"
                                   << "Sheep";
    QTest::newRow("eve of New Year 2003") << "31"
                                          << "01"
                                          << "2003"
                                          << "Horse";
    QTest::newRow("New Year 2004") << "22"
                                   << "01"
                                   << "2004"
                                   << "Monkey";
    QTest::newRow("eve of New Year 2004") << "21"
                                          << "01"
                                          << "2004"
                                          << "Sheep";
    QTest::newRow("before the table") << "24"
                                      << "01"
                                      << "1800"
                                      << "";
    QTest::newRow("first covered day") << "25"
                                       << "01"
                                       << "1800"
                                       << "Monkey";
    QTest::newRow("last covered day") << "27"
                                      << "01"
                                      << "2199"
                                      << "Pig";
    QTest::newRow("after the table") << "28"
                                     << "01"
                                     << "2199"
                                     << "";
    QTest::newRow("no year") << "01"
                             << "02"
                             << ""
                             << "";
    QTest::newRow("two-digit year") << "01"
                                    << "02"
                                    << "03"
                                    << "";
    QTest::newRow("29 Feb of a common year is 1 Mar") << "29"
                                                      << "02"
                                                      << "2003"
                                                      << "Sheep";
    QTest::newRow("mid year") << "15"
                              << "08"
                              << "1975"
                              << "Rabbit";
}

void TestSigns::chinese()
{
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(QString, sign);
    QCOMPARE(SignoChines(day, month, year), sign);
}

void TestSigns::coveredRange()
{
    QCOMPARE(InicializaAnoChines().first, QDate(1800, 1, 25));
    QCOMPARE(InicializaAnoChines().last, QDate(2199, 1, 27));
}

REREVID_TEST_MAIN(TestSigns)
#include "test_signs.moc"

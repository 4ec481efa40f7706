#include "TestSupport.h"

#include "app/Clock.h"
#include "dates/Ages.h"
#include "dates/DateRules.h"

class TestDates : public QObject {
    Q_OBJECT
private slots:
    void init() { Clock::setToday(QDate(2003, 5, 20)); }
    void cleanup() { Clock::reset(); }

    void valorNumerico_data();
    void valorNumerico();
    void constroiData_data();
    void constroiData();
    void validation_data();
    void validation();
    void yearRangeFollowsToday();
    void diasFevereiro();
    void dateTexts();

    void calculaIdade_data();
    void calculaIdade();
    void textoFaltam_data();
    void textoFaltam();
    void textoContagem();
};

void TestDates::valorNumerico_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("digits then letters") << "3x" << 3.0;
    QTest::newRow("blank") << " " << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("fraction") << "1.5" << 1.5;
    QTest::newRow("leading blanks and sign") << "  -12ab" << -12.0;
    QTest::newRow("letters first") << "x3" << 0.0;
    QTest::newRow("zero padded") << "0085" << 85.0;
}

void TestDates::valorNumerico()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(ValorNumerico(text), value);
}

void TestDates::constroiData_data()
{
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("d");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("29 Feb without one") << 2003 << 2 << 29 << QDate(2003, 3, 1);
    QTest::newRow("29 Feb in a leap year") << 2004 << 2 << 29 << QDate(2004, 2, 29);
    QTest::newRow("30 Feb in a leap year") << 2004 << 2 << 30 << QDate(2004, 3, 1);
    QTest::newRow("month 13") << 2003 << 13 << 1 << QDate(2004, 1, 1);
    QTest::newRow("month 0") << 2003 << 0 << 15 << QDate(2002, 12, 15);
    QTest::newRow("day 0") << 2003 << 3 << 0 << QDate(2003, 2, 28);
    QTest::newRow("two-digit 29") << 29 << 1 << 1 << QDate(2029, 1, 1);
    QTest::newRow("two-digit 30") << 30 << 1 << 1 << QDate(1930, 1, 1);
    QTest::newRow("year 0") << 0 << 6 << 1 << QDate(2000, 6, 1);
    QTest::newRow("four digits as they are") << 1800 << 1 << 25 << QDate(1800, 1, 25);
}

void TestDates::constroiData()
{
    QFETCH(int, y);
    QFETCH(int, m);
    QFETCH(int, d);
    QFETCH(QDate, expected);
    QCOMPARE(ConstroiData(y, m, d), expected);
}

void TestDates::validation_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<bool>("dayOk");
    QTest::addColumn<bool>("monthOk");
    QTest::addColumn<bool>("yearOk");
    QTest::newRow("29 Feb") << "29"
                            << "02"
                            << "" << true << true << true;
    QTest::newRow("30 Feb") << "30"
                            << "02"
                            << "" << false << true << true;
    QTest::newRow("31 Apr") << "31"
                            << "04"
                            << "" << false << true << true;
    QTest::newRow("31 Dec") << "31"
                            << "12"
                            << "" << true << true << true;
    QTest::newRow("29 Feb 1999 is accepted") << "29"
                                             << "02"
                                             << "1999" << true << true << true;
    QTest::newRow("empty day") << ""
                               << "01"
                               << "" << false << true << true;
    QTest::newRow("day 0") << "0"
                           << "01"
                           << "" << false << true << true;
    QTest::newRow("day 100") << "100"
                             << "01"
                             << "" << false << true << true;
    QTest::newRow("day 3x") << "3x"
                            << "01"
                            << "" << true << true << true;
    QTest::newRow("month 13") << "01"
                              << "13"
                              << "" << false << false << true;
    QTest::newRow("empty month") << "01"
                                 << ""
                                 << "" << false << false << true;
    QTest::newRow("month of three characters") << "01"
                                               << "011"
                                               << "" << false << false << true;
    QTest::newRow("1799") << "01"
                          << "01"
                          << "1799" << true << true << false;
    QTest::newRow("1800") << "01"
                          << "01"
                          << "1800" << true << true << true;
    QTest::newRow("this year") << "01"
                               << "01"
                               << "2003" << true << true << true;
    QTest::newRow("next year") << "01"
                               << "01"
                               << "2004" << true << true << false;
    QTest::newRow("0000") << "01"
                          << "01"
                          << "0000" << true << true << false;
    QTest::newRow("three digits") << "01"
                                  << "01"
                                  << "985" << true << true << false;
}

void TestDates::validation()
{
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(bool, dayOk);
    QFETCH(bool, monthOk);
    QFETCH(bool, yearOk);
    QCOMPARE(ValidaDia(day, month), dayOk);
    QCOMPARE(ValidaMes(month), monthOk);
    QCOMPARE(ValidaAno(year), yearOk);
    QCOMPARE(ValidaData(day, month, year), dayOk && monthOk && yearOk);
}

void TestDates::yearRangeFollowsToday()
{
    Clock::setToday(QDate(2026, 12, 11));
    QVERIFY(ValidaAno("2026"));
    QVERIFY(!ValidaAno("2027"));
}

void TestDates::diasFevereiro()
{
    QCOMPARE(DiasFevereiro(2000), 29);
    QCOMPARE(DiasFevereiro(2004), 29);
    QCOMPARE(DiasFevereiro(1900), 28);
    QCOMPARE(DiasFevereiro(2003), 28);
    QCOMPARE(DiasNoMes(2, 2004), 29);
    QCOMPARE(DiasNoMes(4, 2004), 30);
}

void TestDates::dateTexts()
{
    QCOMPARE(DataCurta(QDate(2003, 1, 1)), QString("1 Jan 2003"));
    QCOMPARE(DiaMesCurto(QDate(2003, 1, 1)), QString("01 Jan"));
    QCOMPARE(DataLonga(QDate(2003, 1, 5)), QString("5 Jan 2003, Sunday"));
    QCOMPARE(DataLonga(QDate(2003, 1, 11)), QString("11 Jan 2003, Saturday"));
}

void TestDates::calculaIdade_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<int>("referenceYear"); // 0 = none
    QTest::addColumn<bool>("bare");
    QTest::addColumn<QString>("expected");
    const QDate may20(2003, 5, 20);
    QTest::newRow("calendar years") << QDate(2003, 1, 1) << "2002"
                                    << "12"
                                    << "31" << 0 << false << "1 year";
    QTest::newRow("future birth") << may20 << "2003"
                                  << "06"
                                  << "10" << 0 << false << "";
    QTest::newRow("two months") << may20 << "2003"
                                << "03"
                                << "05" << 0 << false << "2 months";
    QTest::newRow("bare number") << may20 << "2003"
                                 << "03"
                                 << "05" << 0 << true << "2";
    QTest::newRow("ten days") << may20 << "2003"
                              << "05"
                              << "10" << 0 << false << "10 days";
    QTest::newRow("one day") << may20 << "2003"
                             << "05"
                             << "19" << 0 << false << "1 day";
    QTest::newRow("born today") << may20 << "2003"
                                << "05"
                                << "20" << 0 << false << "";
    QTest::newRow("calendar months") << may20 << "2003"
                                     << "04"
                                     << "01" << 0 << false << "1 month";
    QTest::newRow("no year") << may20 << ""
                             << "04"
                             << "01" << 0 << false << "";
    QTest::newRow("reference year") << may20 << "1975"
                                    << "08"
                                    << "15" << 2010 << false << "35 years";
    QTest::newRow("many years") << may20 << "1975"
                                << "08"
                                << "15" << 0 << false << "28 years";
    QTest::newRow("two-digit year being typed") << may20 << "75"
                                                << "08"
                                                << "15" << 0 << false << "28 years";
    QTest::newRow("29 Feb seen from a year without it") << QDate(2003, 3, 1) << "2003"
                                                        << "02"
                                                        << "29" << 0 << false << "";
}

void TestDates::calculaIdade()
{
    QFETCH(QDate, today);
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QFETCH(int, referenceYear);
    QFETCH(bool, bare);
    QFETCH(QString, expected);
    Clock::setToday(today);
    const std::optional<int> reference =
        referenceYear ? std::optional<int>(referenceYear) : std::nullopt;
    QCOMPARE(CalculaIdade(year, month, day, reference, bare), expected);
}

void TestDates::textoFaltam_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("expected");
    QTest::newRow("today") << QDate(2003, 5, 20) << "20"
                           << "05"
                           << " (today)";
    QTest::newRow("tomorrow") << QDate(2003, 5, 20) << "21"
                              << "05"
                              << " (tomorrow)";
    QTest::newRow("five days") << QDate(2003, 5, 20) << "25"
                               << "05"
                               << " (5 days)";
    QTest::newRow("yesterday goes to next year") << QDate(2004, 5, 20) << "19"
                                                 << "05"
                                                 << " (364 days)";
    QTest::newRow("yesterday, leap year ahead") << QDate(2003, 3, 20) << "19"
                                                << "03"
                                                << " (365 days)";
    QTest::newRow("29 Feb on 28 Feb of a common year") << QDate(2003, 2, 28) << "29"
                                                       << "02"
                                                       << " (tomorrow)";
    QTest::newRow("across the new year") << QDate(2003, 12, 30) << "02"
                                         << "01"
                                         << " (3 days)";
}

void TestDates::textoFaltam()
{
    QFETCH(QDate, today);
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, expected);
    Clock::setToday(today);
    QCOMPARE(TextoFaltam(day, month), expected);
}

void TestDates::textoContagem()
{
    QCOMPARE(TextoContagem(1), QString("1 birthday"));
    QCOMPARE(TextoContagem(2), QString("2 birthdays"));
    QCOMPARE(TextoContagem(1234), QString("1,234 birthdays"));
}

REREVID_TEST_MAIN(TestDates)
#include "test_dates.moc"

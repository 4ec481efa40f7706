#include "TestSupport.h"

#include "app/Clock.h"
#include "calendar/CalendarLayout.h"
#include "calendar/DayTooltip.h"
#include "calendar/MonthModel.h"
#include "data/BirthdayStore.h"

namespace {

QByteArray niver(const char *alias, const char *day, const char *month, const char *year = "",
                 const char *name = nullptr)
{
    return NiverXml(alias, day, month, year, {}, {}, name ? QString(name) : QString());
}

ListaNivers records(std::initializer_list<std::pair<const char *, const char *>> dayMonth)
{
    ListaNivers list;
    for (const auto &[alias, date] : dayMonth) {
        clsNiver r;
        r.Apelido = QString::fromUtf8(alias);
        r.Dia = QString::fromLatin1(date).left(2);
        r.Mes = QString::fromLatin1(date).mid(3, 2);
        list << r;
    }
    return list;
}

} // namespace

class TestCalendarModel : public QObject {
    Q_OBJECT
private slots:
    void grid_data();
    void grid();
    void todayCell();
    void monthEvents();
    void clampedDay_data();
    void clampedDay();
    void visibleCell_data();
    void visibleCell();
    void upcomingRotation_data();
    void upcomingRotation();
    void upcomingLine();
    void dayTooltip();
    void layoutCentresEqualColumns_data();
    void layoutCentresEqualColumns();
    void tinyWindowClamps();
};

void TestCalendarModel::grid_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("firstCell");
    QTest::addColumn<int>("lastCell");  // cell of the month's last day
    QTest::addColumn<QString>("cell0"); // "day/tag" of cell 0
    QTest::addColumn<QString>("cell41");
    QTest::newRow("February 2004, 29 days from a Sunday") << 2004 << 2 << 0 << 28 << "1/200402"
                                                          << "13/200403";
    QTest::newRow("February 2003") << 2003 << 2 << 6 << 33 << "26/200301"
                                   << "8/200303";
    QTest::newRow("31 days from a Saturday") << 2005 << 1 << 6 << 36 << "26/200412"
                                             << "5/200502";
    QTest::newRow("January carries December's tag") << 2004 << 1 << 4 << 34 << "28/200312"
                                                    << "7/200402";
    QTest::newRow("December rolls into January") << 2003 << 12 << 1 << 31 << "30/200311"
                                                 << "10/200401";
}

void TestCalendarModel::grid()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, firstCell);
    QFETCH(int, lastCell);
    QFETCH(QString, cell0);
    QFETCH(QString, cell41);
    const MonthGrid g = MontaGrade(year, month, QDate(1990, 1, 1));
    QCOMPARE(g.primeiroDiaSemana, firstCell);
    QCOMPARE(g.celulaMes[1], firstCell);
    const int days = QDate(year, month, 1).daysInMonth();
    QCOMPARE(g.celulaMes[days], lastCell);
    if (days < 31)
        QCOMPARE(g.celulaMes[days + 1], MonthGrid::NotShown);
    QCOMPARE(QString("%1/%2").arg(g.dia[0]).arg(g.tag[0]), cell0);
    QCOMPARE(QString("%1/%2").arg(g.dia[41]).arg(g.tag[41]), cell41);
    // Invariants: every table entry names the cell showing that day and month.
    for (int d = 1; d <= 31; ++d) {
        for (const auto *table : {&g.celulaMesAnterior, &g.celulaMes, &g.celulaMesSeguinte}) {
            const int cell = (*table)[d];
            if (cell != MonthGrid::NotShown)
                QCOMPARE(g.dia[cell], d);
        }
    }
    if (firstCell > 0)
        QCOMPARE(g.dia[firstCell - 1], QDate(year, month, 1).addDays(-1).day());
}

void TestCalendarModel::todayCell()
{
    QCOMPARE(MontaGrade(2004, 2, QDate(2004, 2, 10)).celulaHoje, 9);
    QCOMPARE(MontaGrade(2004, 3, QDate(2004, 2, 10)).celulaHoje, -1); // shown but not this month
    QCOMPARE(MontaGrade(2005, 2, QDate(2004, 2, 10)).celulaHoje, -1);
}

void TestCalendarModel::monthEvents()
{
    TestSandbox::reset();
    const QString path = TestSandbox::dataFolder() + "/Events.xml";
    writeFile(path, "<EVENTS>" + niver("Zed", "05", "01", "2005") + niver("Ana", "05", "01") +
                        niver("Bia", "05", "01", "1990") + niver("Dez", "30", "12") +
                        niver("Leap", "29", "02") + niver("Odd", "5", "01") +
                        niver("Feb", "03", "02") + "</EVENTS>");
    BirthdayStore store;
    QVERIFY(store.CarregaArquivo(path));

    MonthGrid jan2004 = MontaGrade(2004, 1, QDate(2026, 1, 1));
    auto lists = EventosDoMes(jan2004, store);
    // Zed is not yet born in 2004; file order; a hand-written day "5" still names day 5.
    QCOMPARE(lists[jan2004.celulaMes[5]], (QStringList{"Ana", "Bia", "Odd"}));
    QCOMPARE(lists[jan2004.celulaMesAnterior[30]],
             QStringList{"Dez"}); // December 2003 in the first row
    QCOMPARE(lists[jan2004.celulaMesSeguinte[3]], QStringList{"Feb"});

    const MonthGrid jan2005 = MontaGrade(2005, 1, QDate(2026, 1, 1));
    lists = EventosDoMes(jan2005, store);
    QCOMPARE(lists[jan2005.celulaMes[5]], (QStringList{"Zed", "Ana", "Bia", "Odd"}));

    const MonthGrid feb2003 = MontaGrade(2003, 2, QDate(2026, 1, 1));
    lists = EventosDoMes(feb2003, store);
    int total = 0;
    for (const QStringList &l : lists)
        total += l.contains("Leap");
    QCOMPARE(total, 0); // no 29 February in 2003
    const MonthGrid feb2004 = MontaGrade(2004, 2, QDate(2026, 1, 1));
    QCOMPARE(EventosDoMes(feb2004, store)[feb2004.celulaMes[29]], QStringList{"Leap"});
}

void TestCalendarModel::clampedDay_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("expected");
    QTest::newRow("31 to February 2003") << 31 << 2 << 2003 << 28;
    QTest::newRow("31 to February 2004") << 31 << 2 << 2004 << 29;
    QTest::newRow("29 Feb to 2005") << 29 << 2 << 2005 << 28;
    QTest::newRow("31 to April") << 31 << 4 << 2004 << 30;
    QTest::newRow("fits") << 15 << 4 << 2004 << 15;
}

void TestCalendarModel::clampedDay()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, expected);
    QCOMPARE(DiaLimitado(day, month, year), expected);
}

void TestCalendarModel::visibleCell_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("cell"); // -1: not visible
    // March 2004: cell 0 is 29 February, cell 41 is 10 April.
    QTest::newRow("previous month, shown") << 29 << 2 << 0;
    QTest::newRow("previous month, not shown") << 28 << 2 << -1;
    QTest::newRow("displayed month") << 15 << 3 << 15;
    QTest::newRow("next month, shown") << 10 << 4 << 41;
    QTest::newRow("next month, not shown") << 11 << 4 << -1;
    QTest::newRow("other month") << 1 << 6 << -1;
}

void TestCalendarModel::visibleCell()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, cell);
    const MonthGrid g = MontaGrade(2004, 3, QDate(2026, 1, 1));
    QCOMPARE(CelulaVisivel(g, day, month).value_or(-1), cell);
}

void TestCalendarModel::upcomingRotation_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("30 December: January first")
        << QDate(2003, 12, 30) << QStringList{"Jan", "Mar", "Dec"};
    QTest::newRow("today counts as upcoming")
        << QDate(2003, 3, 20) << QStringList{"Mar", "Dec", "Jan"};
    QTest::newRow("mid year") << QDate(2003, 6, 1) << QStringList{"Dec", "Jan", "Mar"};
}

void TestCalendarModel::upcomingRotation()
{
    QFETCH(QDate, today);
    QFETCH(QStringList, expected);
    const ListaNivers byDate = records({{"Jan", "03/01"}, {"Mar", "20/03"}, {"Dec", "20/12"}});
    QStringList got;
    for (const clsNiver &r : RodaParaProximos(byDate, today))
        got << r.Apelido;
    QCOMPARE(got, expected);
}

void TestCalendarModel::upcomingLine()
{
    const auto chars = [](const QString &text) { return static_cast<int>(text.size()); };
    const ListaNivers two = records({{"Ana", "05/01"}, {"Bo", "07/02"}});
    LinhaProximos line = MontaLinhaProximos(two, 1000, chars, 2);
    QCOMPARE(line.entradas, 2);
    QCOMPARE(line.legenda, QString("Upcoming Birthdays: Ana (5 Jan), Bo (7 Feb)"));
    QCOMPARE(line.html,
             QString("Upcoming Birthdays:<a title=\"Click to show this birthday at the Calendar\" "
                     "href='Ana'>Ana</a> (5 Jan),<a title=\"Click to show this birthday at the "
                     "Calendar\" href='Bo'>Bo</a> (7 Feb)"));

    line = MontaLinhaProximos(two, QString("Upcoming Birthdays: Ana (5 Jan)").size(), chars, 2);
    QCOMPARE(line.entradas, 1);
    QVERIFY(line.html.startsWith("Upcoming Birthday:<a")); // singular when one of several fits

    line = MontaLinhaProximos(records({{"Ana", "05/01"}}), 1000, chars, 1);
    QVERIFY(line.html.startsWith("Upcoming Birthday:<a"));
    QVERIFY(MontaLinhaProximos(two, 10, chars, 2).html.isEmpty()); // not even one fits
    QVERIFY(MontaLinhaProximos({}, 1000, chars, 0).html.isEmpty());

    const ListaNivers odd = records({{"O'Neil <b>", "05/01"}});
    line = MontaLinhaProximos(odd, 1000, chars, 1);
    QVERIFY2(line.html.contains("href='O&#39;Neil &lt;b&gt;'>O&#39;Neil &lt;b&gt;</a>"),
             qPrintable(line.html));
}

void TestCalendarModel::dayTooltip()
{
    Clock::setToday(QDate(2026, 12, 11));
    // An empty spot on 5 January 2003.
    TextoDica tip = DicaDaCelula(QDate(2003, 1, 5), {}, std::nullopt);
    QCOMPARE(tip.titulo, QString("5 Jan 2003, Sunday"));
    QCOMPARE(tip.texto, QString("Zodiacal Sign: Capricorn\r\nChinese Sign: Horse"));

    clsNiver r;
    r.Pessoa = "Ana Souza";
    r.Apelido = "Ana";
    r.Dia = "05";
    r.Mes = "01";
    r.Ano = "1975";
    r.Email = "ana@example.org";
    r.Fone = "555";
    tip = DicaDaCelula(QDate(2010, 1, 5), "Ana", r);
    QCOMPARE(tip.titulo, QString("Ana (Ana Souza)"));
    QCOMPARE(tip.texto,
             QString("Birth date: 5 Jan 1975\r\nAge: 35 years\r\nE-mail: ana@example.org\r\n"
                     "Phone: 555\r\nZodiacal Sign: Capricorn\r\nChinese Sign: Tiger"));

    r.Pessoa = "Ana";
    r.Ano.clear();
    r.Email.clear();
    r.Fone.clear();
    tip = DicaDaCelula(QDate(2010, 1, 5), "Ana", r);
    QCOMPARE(tip.titulo, QString("Ana")); // the alias alone when it is the full name
    QCOMPARE(tip.texto,
             QString("Zodiacal Sign: Capricorn")); // no year: no birth date, age or Chinese sign

    tip = DicaDaCelula(QDate(2010, 1, 5), "Ghost", std::nullopt);
    QCOMPARE(tip.titulo, QString());
    QCOMPARE(tip.texto, QString("Zodiacal Sign: Capricorn"));
}

void TestCalendarModel::layoutCentresEqualColumns_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("800 x 600") << 800 << 600;
    QTest::newRow("1024 x 700") << 1024 << 700;
    QTest::newRow("odd width") << 937 << 611;
}

void TestCalendarModel::layoutCentresEqualColumns()
{
    QFETCH(int, width);
    QFETCH(int, height);
    CalendarLayoutInput in;
    in.width = width;
    in.height = height;
    const CalendarLayout l = CalculaLayoutCalendario(in);
    const int left = l.lists[0].left();
    const int right = l.lists[6].left() + l.lists[6].width();
    QVERIFY(qAbs(left - (width - right)) <= 2); // centred
    for (int c = 1; c < 7; ++c) {
        QCOMPARE(l.lists[c].width(), l.lists[0].width());
        QCOMPARE(l.lists[c].left(),
                 l.lists[c - 1].left() + l.lists[0].width() - 1); // shared border
    }
    QCOMPARE(l.gridWidth, 7 * l.lists[0].width() - 6);
    for (int i = 7; i < 42; ++i)
        QCOMPARE(l.days[i].top(),
                 l.lists[i - 7].bottom()); // one pixel above the list's bottom edge
    QVERIFY(l.listHeight > 0);
    QVERIFY(l.upcoming.top() > l.lists[41].bottom());
    QVERIFY(l.upcoming.bottom() <= height);
    QCOMPARE(l.buttons[1].left(), l.buttons[0].right() + 1);
    QCOMPARE(l.line.top(), 2 * in.buttonTop + in.buttonHeight);
    QCOMPARE(l.frame.left() + l.frame.width() / 2, width / 2);
}

void TestCalendarModel::tinyWindowClamps()
{
    CalendarLayoutInput in;
    in.width = 20;
    in.height = 30;
    const CalendarLayout l = CalculaLayoutCalendario(in);
    QVERIFY(l.listHeight >= 0);
    QVERIFY(l.cellWidth > 0);
    for (const QRect &r : l.lists)
        QVERIFY(r.width() > 0 && r.height() >= 0);
}

REREVID_TEST_MAIN(TestCalendarModel)
#include "test_calendar_model.moc"

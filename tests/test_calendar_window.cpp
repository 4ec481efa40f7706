#include "CalendarFixture.h"
#include "TestSupport.h"

#include "app/Clock.h"
#include "app/DataFile.h"
#include "app/ProgramState.h"
#include "app/Settings.h"
#include "app/Startup.h"
#include "appearance/frmCores.h"
#include "appearance/modCores.h"
#include "calendar/DayList.h"
#include "calendar/frmCalendario.h"
#include "data/BirthdayStore.h"
#include "list/clsToolTip.h"
#include "platform/HtmlLabel.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QTimer>
#include <QToolButton>

namespace {

QByteArray niver(const char *alias, const char *day, const char *month, const char *year = "",
                 const char *email = "")
{
    return NiverXml(alias, day, month, year, email, {}, QString(alias) + " Full");
}

QString selectedDate()
{
    const CalendarSelection &s = Programa().calendar;
    return QString("%1/%2/%3").arg(s.DiaSelecionado, s.MesSelecionado).arg(s.AnoCalendario);
}

} // namespace

class TestCalendarWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensOnTodayWithTodayBold();
    void navigation_data();
    void navigation();
    void rangeEndsDoNothing();
    void monthMenuKeepsTheDay_data();
    void monthMenuKeepsTheDay();
    void yearMenu();
    void anotherYear_data();
    void anotherYear();
    void keys_data();
    void keys();
    void menuKeysStayInTheMenu();
    void selectionEnablesEditing();
    void upcomingLineAndItsLink();
    void todayAndReminderLines();
    void windowStateIsWritten();
    void tooltipFollowsThePointer();
    void colourSchemePreviewOkCancel();
    void resizeKeepsTheGridCentred();
    void screenshot();

private:
    frmCalendario *open(const QByteArray &birthdays) { return AbreCalendarioCom(birthdays); }
};

void TestCalendarWindow::init()
{
    TestSandbox::reset();
    Programa() = ProgramState{};
    Clock::setToday(QDate(2003, 1, 31));
}

void TestCalendarWindow::cleanup()
{
    FechaJanelas();
}

void TestCalendarWindow::opensOnTodayWithTodayBold()
{
    frmCalendario *w = open(niver("Ana", "31", "01") + niver("Bia", "31", "01"));
    QVERIFY(w && w->isVisible());
    QCOMPARE(selectedDate(), QString("31/01/2003"));
    const int cell = w->Grade().celulaMes[31];
    QCOMPARE(Programa().calendar.CelulaSelecionada, cell);
    QVERIFY(w->lblDia[cell]->font().bold());
    QCOMPARE(Programa().calendar.ApelidoSelecionado, QString("Ana")); // the day's first birthday
    QCOMPARE(w->listEvento[cell]->count(), 2);
    QCOMPARE(w->txtMes->text(), QString("January"));
    QCOMPARE(w->txtAno->text(), QString("2003"));
    QCOMPARE(w->windowTitle(), QString("Rerevid 1.1 - 2 birthdays"));
    QCOMPARE(w->lblDiaSemana[0]->text(), QString("Sun"));
    QCOMPARE(w->cmdBarra[0]->text(), QString("&File..."));
    QCOMPARE(w->cmdBarra[7]->toolTip(), QString("Show the Help Menu"));
    QCOMPARE(w->cmdMesUp->toolTip(), QString("Next Month"));

    w->MesSeguinte(); // bold only in today's month
    for (QLabel *day : w->lblDia)
        QVERIFY(!day->font().bold());
}

void TestCalendarWindow::navigation_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("expected");
    QTest::newRow("31 Jan 2003, next month") << QDate(2003, 1, 31) << "cmdMesUp"
                                             << "28/02/2003";
    QTest::newRow("31 Jan 2004, next month") << QDate(2004, 1, 31) << "cmdMesUp"
                                             << "29/02/2004";
    QTest::newRow("29 Feb 2004, next year") << QDate(2004, 2, 29) << "cmdAnoUp"
                                            << "28/02/2005";
    QTest::newRow("previous year") << QDate(2004, 3, 15) << "cmdAnoDown"
                                   << "15/03/2003";
    QTest::newRow("January back to December") << QDate(2004, 1, 10) << "cmdMesDown"
                                              << "10/12/2003";
    QTest::newRow("December on to January") << QDate(2004, 12, 31) << "cmdMesUp"
                                            << "31/01/2005";
}

void TestCalendarWindow::navigation()
{
    QFETCH(QDate, start);
    QFETCH(QString, button);
    QFETCH(QString, expected);
    Clock::setToday(start);
    frmCalendario *w = open({});
    QVERIFY(w);
    QTest::mouseClick(w->findChild<QToolButton *>(button), Qt::LeftButton);
    QCOMPARE(selectedDate(), expected);
    const int cell = Programa().calendar.CelulaSelecionada;
    QCOMPARE(w->Grade().mesDaCelula(cell).toInt(), Programa().calendar.MesCalendario);
}

void TestCalendarWindow::rangeEndsDoNothing()
{
    Clock::setToday(QDate(2199, 12, 5));
    frmCalendario *w = open({});
    w->MesSeguinte();
    w->AnoSeguinte();
    QCOMPARE(selectedDate(), QString("05/12/2199"));
    Programa().calendar.MesCalendario = 1;
    Programa().calendar.AnoCalendario = 1800;
    w->MontaCalendario();
    w->SelecionaCelula(w->Grade().celulaMes[5]);
    w->MesAnterior();
    w->AnoAnterior();
    QCOMPARE(selectedDate(), QString("05/01/1800"));
}

void TestCalendarWindow::monthMenuKeepsTheDay_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("expected");
    QTest::newRow("March keeps 31") << 3 << "31/03/2003";
    QTest::newRow("April has 30") << 4 << "30/04/2003";
}

void TestCalendarWindow::monthMenuKeepsTheDay()
{
    QFETCH(int, month);
    QFETCH(QString, expected);
    frmCalendario *w = open({});
    AcaoDaChave(w->menus.mnuPopMeses, QString::number(month))->trigger();
    QCOMPARE(selectedDate(), expected);
    QVERIFY(AcaoDaChave(w->menus.mnuPopMeses, QString::number(month))->isChecked());
}

void TestCalendarWindow::yearMenu()
{
    frmCalendario *w = open({});
    const QList<QAction *> items = w->menus.mnuPopAnos->actions();
    QStringList captions;
    for (QAction *a : items)
        captions << a->text();
    QCOMPARE(captions, (QStringList{"1998", "1999", "2000", "2001", "2002", "2003", "2004", "2005",
                                    "2006", "2007", "2008", "Another"}));
    QVERIFY(items[5]->isChecked());
    items[0]->trigger();
    QCOMPARE(selectedDate(), QString("31/01/1998"));
    QCOMPARE(w->menus.mnuPopAnos->actions()[0]->text(), QString("1993"));
    QVERIFY(w->menus.mnuPopAnos->actions()[5]->isChecked());
}

void TestCalendarWindow::anotherYear_data()
{
    QTest::addColumn<QVariant>("answer");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("messages");
    QTest::newRow("2199") << QVariant("2199") << "31/01/2199" << 1;
    QTest::newRow("1799 refused") << QVariant("1799") << "31/01/2003" << 2;
    QTest::newRow("2200 refused") << QVariant("2200") << "31/01/2003" << 2;
    QTest::newRow("Cancel") << QVariant(2) << "31/01/2003" << 1;
    QTest::newRow("a typed 2") << QVariant("2") << "31/01/2003" << 1;
    QTest::newRow("a word") << QVariant("abc") << "31/01/2003" << 1;
    QTest::newRow("empty") << QVariant("") << "31/01/2003" << 1;
}

void TestCalendarWindow::anotherYear()
{
    QFETCH(QVariant, answer);
    QFETCH(QString, expected);
    QFETCH(int, messages);
    frmCalendario *w = open({});
    ScriptedParaBox box;
    box.answer(answer);
    AcaoDaChave(w->menus.mnuPopAnos, "mnuOutroAno")->trigger();
    QCOMPARE(selectedDate(), expected);
    QCOMPARE(box.calls().size(), messages);
    const ParaBoxArgs &ask = box.calls().first();
    QCOMPARE(ask.Titulo, QString("Another year"));
    QCOMPARE(ask.Cabecalho, QString("Type the year"));
    QCOMPARE(ask.Botoes, 4);
    QCOMPARE(ask.TamanhoEntrada, qint16(4));
    QCOMPARE(ask.Icone, 32);
    if (messages == 2) {
        QCOMPARE(box.calls()[1].Cabecalho, QString("Type a value between 1800 and 2199."));
        QCOMPARE(box.calls()[1].LarguraMinima, qint16(4000));
        QCOMPARE(box.calls()[1].Icone, 48);
    }
}

void TestCalendarWindow::keys_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<int>("startCell"); // -1: today's cell
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("cell");
    QTest::newRow("Left on cell 0 of March 2004")
        << QDate(2004, 3, 10) << 0 << int(Qt::Key_Left) << 2 << 41;
    QTest::newRow("Right on cell 41") << QDate(2004, 3, 10) << 41 << int(Qt::Key_Right) << 4 << 0;
    QTest::newRow("Up from the first row") << QDate(2004, 3, 10) << 3 << int(Qt::Key_Up) << 2 << 38;
    QTest::newRow("Down from the last row")
        << QDate(2004, 3, 10) << 37 << int(Qt::Key_Down) << 4 << 2;
    QTest::newRow("Down inside") << QDate(2004, 3, 10) << 10 << int(Qt::Key_Down) << 3 << 17;
    QTest::newRow("Home") << QDate(2004, 3, 10) << -1 << int(Qt::Key_Home) << 3 << 0;
    QTest::newRow("End") << QDate(2004, 3, 10) << -1 << int(Qt::Key_End) << 3 << 41;
    QTest::newRow("Page Up: next month")
        << QDate(2004, 3, 10) << -1 << int(Qt::Key_PageUp) << 4 << 4 + 9;
    QTest::newRow("Page Down: previous month")
        << QDate(2004, 3, 10) << -1 << int(Qt::Key_PageDown) << 2 << 9;
}

void TestCalendarWindow::keys()
{
    QFETCH(QDate, start);
    QFETCH(int, startCell);
    QFETCH(int, key);
    QFETCH(int, month);
    QFETCH(int, cell);
    Clock::setToday(start);
    frmCalendario *w = open({});
    if (startCell >= 0)
        w->SelecionaCelula(startCell);
    const int from = Programa().calendar.CelulaSelecionada;
    QTest::keyClick(w->listEvento[from], Qt::Key(key));
    QCOMPARE(Programa().calendar.MesCalendario, month);
    QCOMPARE(Programa().calendar.CelulaSelecionada, cell);
}

void TestCalendarWindow::menuKeysStayInTheMenu()
{
    frmCalendario *w = open({});
    const int before = Programa().calendar.CelulaSelecionada;
    w->MostraMenuMeses();
    QTRY_VERIFY(w->menus.mnuPopMeses->isVisible());
    QTest::keyClick(w->menus.mnuPopMeses, Qt::Key_Down);
    QCOMPARE(Programa().calendar.CelulaSelecionada, before);
    QCOMPARE(Programa().calendar.MesCalendario, 1);
    w->menus.mnuPopMeses->close();
}

void TestCalendarWindow::selectionEnablesEditing()
{
    frmCalendario *w =
        open(niver("Ana", "10", "01", "", "ana@example.org") + niver("Bia", "10", "01"));
    const int cell = w->Grade().celulaMes[10];
    DayList *list = w->listEvento[cell];
    w->SelecionaCelula(cell);
    QVERIFY(w->cmdBarra[2]->isEnabled());
    QVERIFY(AcaoDaChave(w->menus.mnuPopNiver, "mnuNiverEmail")->isEnabled());
    QCOMPARE(Store().NiverAtual->Apelido, QString("Ana"));

    // A click on the second line selects Bia, who has no e-mail.
    const QRect second = list->visualItemRect(list->item(1));
    w->listEvento_MouseDown(cell, Qt::LeftButton, 0, second.center());
    QCOMPARE(Programa().calendar.ApelidoSelecionado, QString("Bia"));
    QVERIFY(!AcaoDaChave(w->menus.mnuPopNiver, "mnuNiverEmail")->isEnabled());

    // A click below the lines leaves nothing to edit.
    w->listEvento_MouseDown(cell, Qt::LeftButton, 0, QPoint(5, list->height() - 3));
    QVERIFY(!w->cmdBarra[2]->isEnabled());
    QVERIFY(!w->cmdBarra[3]->isEnabled());
    QVERIFY(!AcaoDaChave(w->menus.mnuPopNiver, "mnuNiverAlterar")->isEnabled());
    QVERIFY(!AcaoDaChave(w->menus.mnuPopNiver, "mnuNiverEmail")->isEnabled());

    // The select-string search starts at the second line.
    list->clear();
    list->addItems({"Ana Maria", "Ana"});
    QCOMPARE(DayList::SelecionaTextoInicial(list, "ana"), 1);
    list->clear();
    list->addItems({"Ana", "Ana Maria"});
    QCOMPARE(DayList::SelecionaTextoInicial(list, "Ana"), 1);
    QCOMPARE(DayList::SelecionaTextoInicial(list, "Zed"), -1);
    QCOMPARE(list->currentRow(), 1);
}

void TestCalendarWindow::upcomingLineAndItsLink()
{
    Clock::setToday(QDate(2003, 12, 30));
    frmCalendario *w = open(niver("Mar", "20", "03") + niver("Dez", "20", "12") +
                            niver("Jan", "03", "01") + niver("Leap", "29", "02", "2000"));
    auto *line = static_cast<HtmlLabel *>(w->lblProximoNiver);
    QVERIFY2(
        line->Html().startsWith("Upcoming Birthdays:<a title=\"Click to show this birthday at the "
                                "Calendar\" href='Jan'>Jan</a> (3 Jan)"),
        qPrintable(line->Html()));
    QCOMPARE(line->TituloDoLink("Jan"), QString("Click to show this birthday at the Calendar"));
    const int centre = line->x() + line->width() / 2;
    const int gridCentre = w->lblDia[0]->x() + (7 * w->lblDia[0]->width() - 6) / 2;
    QVERIFY(qAbs(centre - gridCentre) <= 2);

    // Passed this year: next year's month opens on the birthday.
    emit line->linkClicado("Dez");
    QCOMPARE(selectedDate(), QString("20/12/2004"));
    emit line->linkClicado("Jan");
    QCOMPARE(selectedDate(), QString("03/01/2004"));
    QCOMPARE(Programa().calendar.ApelidoSelecionado, QString("Jan"));
    // 29 February in 2005, a year without one: the 1 March cell.
    Clock::setToday(QDate(2004, 3, 2));
    w->CarregaProximoNiver();
    emit line->linkClicado("Leap");
    QCOMPARE(selectedDate(), QString("01/03/2005"));
}

void TestCalendarWindow::todayAndReminderLines()
{
    Programa().reminder = {3, 7};
    frmCalendario *w = open({});
    auto *today = static_cast<HtmlLabel *>(w->lblHoje);
    QCOMPARE(today->Html(),
             QString("Today:<a title=\"Click to go to the current date\" href=''>31 Jan 2003</a>"));
    QCOMPARE(today->TituloDoLink(""), QString("Click to go to the current date"));
    w->AtualizaLembrete();
    auto *reminder = static_cast<HtmlLabel *>(w->lblLembrete);
    QCOMPARE(
        reminder->Html(),
        QString(
            "Reminder:<a title=\"Click here to set the Rerevid's Reminder\" href=>enabled</a>"));
    QCOMPARE(reminder->geometry().right(), w->Line1->geometry().right());
    Programa().reminder = {0, 7};
    w->AtualizaLembrete();
    QVERIFY(reminder->Html().endsWith(">disabled</a>"));

    w->MesSeguinte();
    emit today->linkClicado({});
    QCOMPARE(selectedDate(), QString("31/01/2003"));
}

void TestCalendarWindow::windowStateIsWritten()
{
    frmCalendario *w = open({});
    w->showMaximized();
    QTRY_COMPARE(LeRegistro(Chave::Usuario, "WindowState").value_or("-"), QString("2"));
    w->showNormal();
    QTRY_COMPARE(LeRegistro(Chave::Usuario, "WindowState").value_or("-"), QString("0"));
    // Minimised, a resize writes nothing (sent at once: the offscreen desktop undoes minimising).
    GravaRegistro(Chave::Usuario, "WindowState", "x");
    w->setWindowState(Qt::WindowMinimized);
    QVERIFY(w->isMinimized());
    QResizeEvent resize(QSize(300, 200), w->size());
    QApplication::sendEvent(w, &resize);
    QCOMPARE(LeRegistro(Chave::Usuario, "WindowState").value_or("-"), QString("x"));
}

void TestCalendarWindow::tooltipFollowsThePointer()
{
    Clock::setToday(QDate(2003, 1, 20));
    frmCalendario *w = open(niver("Ana", "05", "01", "1975"));
    const int cell = w->Grade().celulaMes[5];
    DayList *list = w->listEvento[cell];
    clsToolTip *tip = w->dicas[cell];
    const auto moveTo = [list](const QPoint &point) {
        QMouseEvent move(QEvent::MouseMove, point, list->viewport()->mapToGlobal(point),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &move);
    };
    moveTo(list->visualItemRect(list->item(0)).center());
    QCOMPARE(tip->Titulo(), QString("Ana (Ana Full)"));
    QVERIFY(tip->Texto().startsWith("Birth date: 5 Jan 1975\r\nAge: 28 years\r\n"));
    moveTo(QPoint(list->width() / 2, list->viewport()->height() - 4));
    QCOMPARE(tip->Titulo(), QString("5 Jan 2003, Sunday"));
    // The hot area leaves 8 pixels free on each side.
    QCOMPARE(tip->AreaAtiva().left(), 8);
    QCOMPARE(tip->AreaAtiva().right(), list->width() - 1 - 8);
    w->PosicionaMouse(list, true);
    QVERIFY(tip->Mostrando());
    w->AtivaToolTips(false);
    QVERIFY(!tip->Ativo());
    QVERIFY(!tip->Mostrando());
}

void TestCalendarWindow::colourSchemePreviewOkCancel()
{
    frmCalendario *w = open({});
    QCOMPARE(LeRegistro(Chave::Usuario, "ColorScheme").value_or("-"),
             QString("0")); // written at start
    const QColor standard = TabelaCores()[0].cor[0];
    QCOMPARE(w->lblDiaSemana[0]->palette().color(QPalette::Window), standard);
    {
        frmCores dialog(w);
        dialog.optEsquema[5]->click();
        QCOMPARE(w->lblDiaSemana[0]->palette().color(QPalette::Window), TabelaCores()[5].cor[0]);
        dialog.optEsquema[2]->click();
        dialog.cmdBotoes[1]->click(); // Cancel undoes every preview
        QCOMPARE(w->lblDiaSemana[0]->palette().color(QPalette::Window), standard);
        QCOMPARE(EsquemaAtual(), 0);
    }
    frmCores dialog(w);
    QCOMPARE(dialog.windowTitle(), QString("Rerevid - Color Schemes"));
    QCOMPARE(dialog.optEsquema[4]->text(), QString("Gr&een"));
    dialog.optEsquema[5]->click();
    dialog.cmdBotoes[0]->click();
    QCOMPARE(EsquemaAtual(), 5);
    QCOMPARE(LeRegistro(Chave::Usuario, "ColorScheme").value_or("-"), QString("5"));
    const int selected = Programa().calendar.CelulaSelecionada;
    QCOMPARE(w->lblDia[selected]->palette().color(QPalette::Window), TabelaCores()[5].cor[2]);

    // The next start paints with the stored scheme; a stored index out of range falls back to 0.
    CarregaEsquemaCores();
    QCOMPARE(EsquemaAtual(), 5);
    GravaRegistro(Chave::Usuario, "ColorScheme", "12");
    CarregaEsquemaCores();
    QCOMPARE(EsquemaAtual(), 0);
}

void TestCalendarWindow::resizeKeepsTheGridCentred()
{
    frmCalendario *w = open({});
    for (const QSize size : {QSize(700, 500), QSize(1200, 800), QSize(120, 90)}) {
        w->resize(size);
        QApplication::processEvents();
        const int left = w->listEvento[0]->x();
        const int right = w->listEvento[6]->geometry().right() + 1;
        if (size.width() > 200)
            QVERIFY(qAbs(left - (size.width() - right)) <= 2);
        for (int c = 1; c < 7; ++c)
            QCOMPARE(w->listEvento[c]->width(), w->listEvento[0]->width());
    }
}

void TestCalendarWindow::screenshot()
{
    const QByteArray folder = qgetenv("REREVID_SHOTS");
    if (folder.isEmpty())
        QSKIP("set REREVID_SHOTS to a folder to save a picture of the window");
    Clock::setToday(QDate(2026, 12, 11));
    frmCalendario *w =
        open(niver("Ana", "11", "12", "1975", "ana@example.org") + niver("Bruno", "11", "12") +
             niver("Carla", "24", "12", "2001") + niver("Davi", "02", "01") +
             niver("Eva", "30", "11") + niver("Fábio", "15", "12", "1988"));
    w->resize(1000, 700);
    QApplication::processEvents();
    QVERIFY(w->grab().save(QString::fromLocal8Bit(folder) + "/calendar.png"));
}

REREVID_GUI_TEST_MAIN(TestCalendarWindow)
#include "test_calendar_window.moc"

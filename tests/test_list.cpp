#include "TestSupport.h"

#include "app/Clock.h"
#include "app/DataFile.h"
#include "app/ProgramState.h"
#include "app/Settings.h"
#include "app/Startup.h"
#include "calendar/DayList.h"
#include "calendar/frmCalendario.h"
#include "data/BirthdayStore.h"
#include "list/ListPage.h"
#include "list/frmListagem.h"
#include "platform/HtmlView.h"
#include "platform/clsActivatePrevInstance.h"
#include "reminder/frmConfigLembrete.h"

#include <QAction>
#include <QCheckBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

namespace {

const QString kPrefix = "<br> <a title=\"Click to show this birthday on the Calendar\" href='";
const QString kFooter =
    "<br><hr><font face='Tahoma' size='1' color='#800000'><br>Drag the window borders "
    "to resize the window. <br>The new size will be saved.<br></HTML>";

QByteArray niver(const char *alias, const char *day, const char *month, const char *email = "")
{
    return NiverXml(alias, day, month, {}, email);
}

frmListagem *visibleList()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *list = qobject_cast<frmListagem *>(w); list && list->isVisible())
            return list;
    }
    return nullptr;
}

frmCalendario *visibleCalendar()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *c = qobject_cast<frmCalendario *>(w); c && c->isVisible())
            return c;
    }
    return nullptr;
}

} // namespace

class TestList : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void pageLines_data();
    void pageLines();
    void pageGroupsAndDetails();
    void reminderPage();
    void pageEscapesEverything();

    void emptyListSaysNone();
    void periodAndOrder();
    void savedSizes_data();
    void savedSizes();
    void defaultButtonFollowsTheSize();
    void closingSavesTheState();
    void mailLinkOnlySendsMail();
    void listFromTheCalendarReturns();
    void birthdayLinkShowsItOnTheCalendar();

    void reminderSettings_data();
    void reminderSettings();
    void reminderSettingsKeys();
    void clearingRemovesTheLogonEntry();

    void logonReminder_data();
    void logonReminder();
    void reminderLinkOpensNextYear();

private:
    void writeData(const QByteArray &birthdays);
};

void TestList::init()
{
    TestSandbox::reset();
    Programa() = ProgramState{};
    frmListagem::Ordem = 0;
    Clock::setToday(QDate(2003, 12, 30));
}

void TestList::cleanup()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    clsActivatePrevInstance::DefineJanelaPrincipal(nullptr);
}

void TestList::writeData(const QByteArray &birthdays)
{
    writeFile(Caminhos().dados, "<EVENTS>" + birthdays + "</EVENTS>");
    QVERIFY(Store().CarregaArquivo(Caminhos().dados));
}

void TestList::pageLines_data()
{
    QTest::addColumn<int>("order");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one birthday by date: no leading break")
        << 1 << "<HTML>" + kPrefix + "Ana '>Sun 05 Jan - Ana</a>" + kFooter;
    QTest::newRow("by alias: a leading break")
        << 3 << "<HTML><br>" + kPrefix + "Ana '>Sun 05 Jan - Ana</a>" + kFooter;
}

void TestList::pageLines()
{
    QFETCH(int, order);
    QFETCH(QString, expected);
    QCOMPARE(PaginaDaLista({Registro("Ana", "05", "01")}, order, false, QDate(2003, 6, 1)),
             expected);
}

void TestList::pageGroupsAndDetails()
{
    const QDate today(2003, 6, 1);
    const QString byDate = PaginaDaLista(
        {Registro("Ana", "05", "01"), Registro("Bia", "07", "01"), Registro("Cid", "02", "02")}, 1,
        false, today);
    QCOMPARE(byDate, "<HTML>" + kPrefix + "Ana '>Sun 05 Jan - Ana</a>" + kPrefix +
                         "Bia '>Tue 07 Jan - Bia</a><br>" + kPrefix + "Cid '>Sun 02 Feb - Cid</a>" +
                         kFooter);

    const QString byAlias = PaginaDaLista(
        {Registro("anna", "05", "01"), Registro("Ana", "06", "01"), Registro("Ángela", "07", "01")},
        3, false, today);
    QCOMPARE(byAlias.count("<br> <a title"), 3);
    QVERIFY(byAlias.contains("anna</a>" + kPrefix + "Ana '>"));       // same group
    QVERIFY(byAlias.contains("Ana</a><br>" + kPrefix + "Ángela '>")); // another first letter

    const QString details =
        PaginaDaLista({Registro("Ana", "05", "01", {}, "ana@x.org", "555"),
                       Registro("Bia", "07", "01"), Registro("Cid", "09", "01")},
                      1, false, today);
    const QString block =
        "<font face='Tahoma' size='1' color='#0000FF'><ul><a title=\"Click to send an e-mail\" "
        "href='mailto:ana@x.org'>ana@x.org</a><br>555<br></ul></font>";
    QVERIFY2(
        details.contains("Ana</a>" + block +
                         " <a title=\"Click to show this birthday on the Calendar\" href='Bia '>"),
        qPrintable(details));                                  // no "<br>" after a details block
    QVERIFY(details.contains("Bia</a>" + kPrefix + "Cid '>")); // the next one has it again

    // Outside the reminder a birthday already past still shows this year's weekday.
    QCOMPARE(DataDoNiver(Registro("Ana", "05", "01"), false, QDate(2003, 12, 30)),
             QString("Sun 05 Jan"));
    QCOMPARE(DataDoNiver(Registro("Leap", "29", "02"), false, QDate(2003, 12, 30)),
             QString("Sat 01 Mar"));
}

void TestList::reminderPage()
{
    const QDate today(2003, 12, 30);
    const QString page =
        PaginaDaLista({Registro("Eva", "30", "12"), Registro("Ivo", "02", "01")}, 1, true, today);
    QVERIFY2(page.contains("Eva '>Tue 30 Dec - Eva (today)</a>"), qPrintable(page));
    QVERIFY(page.contains("Ivo '>Fri 02 Jan - Ivo (3 days)</a>")); // 2 January 2004
    QVERIFY(page.endsWith(
        "<br>Click on a birthday to open the Calendar.<br><br>Drag the window borders to "
        "resize the window. <br>The new size will be saved.<br></HTML>"));
    QCOMPARE(DataDoNiver(Registro("Ivo", "02", "01"), true, today), QString("Fri 02 Jan"));
}

void TestList::pageEscapesEverything()
{
    const QString page =
        PaginaDaLista({Registro("x'><img src=y>", "05", "01", {}, "a@b.c?cc=z", "<b>1</b>")}, 1,
                      false, QDate(2003, 6, 1));
    QVERIFY(!page.contains("<img"));
    QVERIFY(!page.contains("<b>1"));
    QVERIFY(page.contains("href='x&#39;&gt;&lt;img src=y&gt; '>"));
    QVERIFY2(page.contains("href='mailto:a@b.c%3Fcc=z'>a@b.c?cc=z</a>"), qPrintable(page));
    QVERIFY(page.contains("&lt;b&gt;1&lt;/b&gt;<br>"));
}

void TestList::emptyListSaysNone()
{
    writeData({});
    frmListagem list;
    list.CarregaNivers();
    list.show();
    list.AtualizaTitulo(true);
    QCOMPARE(list.windowTitle(), QString("Rerevid - All birthdays (none)"));
    QVERIFY(!list.cmdBotoesCima[2]->isEnabled());
    QVERIFY(!list.cmdBotoesCima[3]->isEnabled());
    QVERIFY(list.HTMLView1->toPlainText().isEmpty());
}

void TestList::periodAndOrder()
{
    writeData(niver("Bia", "07", "01") + niver("ana", "05", "01") + niver("Cid", "02", "02"));
    frmListagem list;
    list.ListaGeral();
    list.CarregaNivers();
    list.AtualizaTitulo(true);
    QCOMPARE(list.windowTitle(), QString("Rerevid - All birthdays (3)"));
    list.EscolhePeriodo("1");
    QCOMPARE(list.windowTitle(), QString("Rerevid - Birthdays of January (2)"));
    QVERIFY(AcaoDaChave(list.mnuMostraLista, "1")->isChecked());
    list.EscolheOrdem("mnuOrdemNome");
    QCOMPARE(list.Nivers.first().Apelido, QString("ana"));
    QCOMPARE(list.Nivers.size(), 2); // the month is kept
    QCOMPARE(list.windowTitle(), QString("Rerevid - Birthdays of January (2)")); // unchanged
    list.EscolhePeriodo("mnuListaTodos");
    QCOMPARE(list.Nivers.size(), 3);
    QCOMPARE(list.Nivers.first().Apelido, QString("ana")); // in the current order
    for (QAction *a : list.mnuMostraLista->actions())
        QVERIFY(!a->isChecked());
    QCOMPARE(list.windowTitle(), QString("Rerevid - All birthdays (3)"));

    frmListagem again; // the order survives reopening in one run
    QCOMPARE(frmListagem::Ordem, 3);
}

void TestList::savedSizes_data()
{
    QTest::addColumn<int>("height"); // pixels saved; 0 = none
    QTest::addColumn<int>("expected");
    QTest::newRow("nothing saved") << 0 << 397;
    QTest::newRow("exactly the design height is ignored") << 397 << 397;
    QTest::newRow("one pixel more is applied") << 398 << 398;
    QTest::newRow("smaller is ignored") << 200 << 397;
}

void TestList::savedSizes()
{
    QFETCH(int, height);
    QFETCH(int, expected);
    if (height)
        GravaRegistro(Chave::Usuario, "ReminderWindowHeight", QString::number(height * 15));
    frmListagem list;
    QCOMPARE(list.height(), expected);
    QCOMPARE(list.minimumSize(), frmListagem::TamanhoProjeto);
}

void TestList::defaultButtonFollowsTheSize()
{
    frmListagem list;
    list.show();
    QVERIFY(!list.cmdBotoesBaixo[2]->isEnabled());
    list.resize(500, 500);
    QVERIFY(list.cmdBotoesBaixo[2]->isEnabled());
    QCOMPARE(list.cmdBotoesBaixo[2]->x() + list.cmdBotoesBaixo[2]->width() / 2, 250);
    QCOMPARE(list.HTMLView1->width(), 500 - 24 + 3);
    list.cmdBotoesBaixo[2]->click();
    QCOMPARE(list.size(), frmListagem::TamanhoProjeto);
    QVERIFY(!list.cmdBotoesBaixo[2]->isEnabled());

    Programa().startup.SemLimiteTamanho = true; // "/K"
    frmListagem free;
    QCOMPARE(free.minimumSize(), QSize(0, 0));
}

void TestList::closingSavesTheState()
{
    {
        frmListagem list;
        list.show();
        list.resize(450, 500);
        list.close();
    }
    QCOMPARE(LeRegistro(Chave::Usuario, "ReminderWindowState").value_or("-"), QString("0"));
    QCOMPARE(LeRegistro(Chave::Usuario, "ReminderWindowWidth").value_or("-"),
             QString::number(450 * 15));
    QCOMPARE(LeRegistro(Chave::Usuario, "ReminderWindowHeight").value_or("-"),
             QString::number(500 * 15));
    {
        frmListagem list;
        QCOMPARE(list.size(), QSize(450, 500));
        list.showMaximized();
        QVERIFY(list.isMaximized());
        list.close();
    }
    QCOMPARE(LeRegistro(Chave::Usuario, "ReminderWindowState").value_or("-"), QString("2"));
    frmListagem reopened;
    QVERIFY(reopened.windowState() & Qt::WindowMaximized);
}

void TestList::mailLinkOnlySendsMail()
{
    writeData(niver("Ana", "05", "01", "ana@x.org"));
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler("mailto", &recorder, "open");
    frmListagem list;
    list.Tag = "0";
    list.ListaGeral();
    list.CarregaNivers();
    list.show();
    emit list.HTMLView1->linkClicado("mailto:ana@x.org");
    QDesktopServices::unsetUrlHandler("mailto");
    QCOMPARE(recorder.urls.size(), 1);
    QCOMPARE(recorder.urls.first().toString(), QString("mailto:ana@x.org"));
    QVERIFY(!visibleCalendar());
    QVERIFY(list.isVisible());
}

void TestList::listFromTheCalendarReturns()
{
    Clock::setToday(QDate(2003, 3, 3));
    writeData(niver("Ana", "03", "03") + niver("Bia", "03", "03"));
    Programa().startup.DataInicial = Clock::today();
    auto *calendar = static_cast<frmCalendario *>(MostraCalendario());
    const int cell = calendar->Grade().celulaMes[3];
    DayList *dayList = calendar->listEvento[cell];
    calendar->listEvento_MouseDown(cell, Qt::LeftButton, 0,
                                   dayList->visualItemRect(dayList->item(1)).center());
    QTimer::singleShot(50, [] {
        frmListagem *list = visibleList();
        QVERIFY(list);
        QCOMPARE(list->windowTitle(), QString("Rerevid - All birthdays (2)"));
        QCOMPARE(list->cmdBotoesBaixo[1]->toolTip(), QString("Back to Calendar"));
        list->cmdBotoesBaixo[1]->click();
    });
    AcaoDaChave(calendar->menus.mnuPopNiver, "mnuNiverLista")->trigger();
    QCOMPARE(Programa().calendar.ApelidoSelecionado, QString("Bia")); // the second line again
    QCOMPARE(dayList->currentRow(), 1);
    QVERIFY(calendar->isVisible());
}

void TestList::birthdayLinkShowsItOnTheCalendar()
{
    Clock::setToday(QDate(2003, 3, 3));
    writeData(niver("Ana", "20", "07") + niver("Bia", "20", "07") + niver("Cid", "05", "01"));
    Programa().startup.DataInicial = Clock::today();
    auto *calendar = static_cast<frmCalendario *>(MostraCalendario());
    QTimer::singleShot(50, [] {
        frmListagem *list = visibleList();
        QVERIFY(list);
        emit list->HTMLView1->linkClicado("Bia ");
    });
    calendar->MostraLista();
    QCOMPARE(Programa().calendar.MesCalendario, 7);
    QCOMPARE(Programa().calendar.ApelidoSelecionado, QString("Bia")); // not the day's first
    QCOMPARE(Store().NiverAtual->Apelido, QString("Bia"));
    // In the list use a past birthday opens in the current year.
    QTimer::singleShot(50, [] { emit visibleList()->HTMLView1->linkClicado("Cid "); });
    calendar->MostraLista();
    QCOMPARE(Programa().calendar.AnoCalendario, 2003);
    QCOMPARE(Programa().calendar.MesCalendario, 1);
}

void TestList::reminderSettings_data()
{
    QTest::addColumn<QString>("storedType");
    QTest::addColumn<bool>("tick");
    QTest::addColumn<QString>("days");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QString>("typeAfter");
    QTest::newRow("7 days") << "" << true << "7" << false << "3";
    QTest::newRow("0 refused") << "3" << false << "0" << true << "3";
    QTest::newRow("366 refused") << "3" << false << "366" << true << "3";
    QTest::newRow("366 refused on first use, box stays ticked")
        << "" << true << "366" << true << "-";
}

void TestList::reminderSettings()
{
    QFETCH(QString, storedType);
    QFETCH(bool, tick);
    QFETCH(QString, days);
    QFETCH(bool, refused);
    QFETCH(QString, typeAfter);
    if (!storedType.isEmpty()) {
        GravaRegistro(Chave::Usuario, "ReminderType", storedType);
        Programa().reminder = {3, 20};
    }
    frmConfigLembrete dialog;
    QCOMPARE(dialog.windowTitle(), QString("Rerevid - Reminder Settings"));
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(dialog.chkLembrete->isChecked(), !storedType.isEmpty());
    QCOMPARE(dialog.txtDias->text(), storedType.isEmpty() ? QString("30") : QString("20"));
    QCOMPARE(dialog.txtDias->isEnabled(), !storedType.isEmpty());
    if (tick) {
        dialog.chkLembrete->click();
        QCOMPARE(QApplication::focusWidget(), dialog.txtDias);
    }
    dialog.txtDias->setText(days);
    ScriptedParaBox box;
    dialog.Grava();
    if (refused) {
        QCOMPARE(box.calls().size(), 1);
        QCOMPARE(box.calls().first().Titulo, QString("Reminder Days"));
        QCOMPARE(box.calls().first().Cabecalho,
                 QString("Please, type a number between 1 and 365."));
        QCOMPARE(box.calls().first().LarguraMinima, qint16(4700));
        QCOMPARE(box.calls().first().AjudaID, qint16(1100));
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.chkLembrete->isChecked());
        QCOMPARE(QApplication::focusWidget(), dialog.txtDias);
        QCOMPARE(LeRegistro(Chave::Usuario, "ReminderType").value_or("-"), typeAfter);
        QVERIFY(!LeRegistro(Chave::Usuario, "ReminderDays"));
        return;
    }
    QVERIFY(box.calls().isEmpty());
    QCOMPARE(LeRegistro(Chave::Usuario, "ReminderType").value_or("-"), typeAfter);
    QCOMPARE(LeRegistro(Chave::Usuario, "ReminderDays").value_or("-"), days);
    QCOMPARE(Programa().reminder.ReminderDays, qint16(days.toInt()));
    const QString entry = QString::fromUtf8(readFile(CaminhoEntradaLogon()));
    QVERIFY2(entry.contains("\nExec=\"" + QCoreApplication::applicationFilePath() + "\" /L\n"),
             qPrintable(entry));
}

void TestList::reminderSettingsKeys()
{
    Programa().reminder = {3, 20};
    frmConfigLembrete dialog;
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.txtDias->setFocus();
    dialog.txtDias->clear();
    QTest::keyClicks(dialog.txtDias, "a.-1");
    QCOMPARE(dialog.txtDias->text(), QString("1")); // letters, dots and signs are dropped
    QTest::keyClicks(dialog.txtDias, "23");
    QCOMPARE(QApplication::focusWidget(), dialog.cmdBotoes[0]); // after the third digit
}

void TestList::clearingRemovesTheLogonEntry()
{
    AtualizaEntradaLogon(true, "/opt/rerevid");
    GravaRegistro(Chave::Usuario, "ReminderDays", "9");
    Programa().reminder = {3, 9};
    frmConfigLembrete dialog;
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.chkLembrete->click();
    QVERIFY(!dialog.txtDias->isEnabled());
    dialog.Grava();
    QCOMPARE(LeRegistro(Chave::Usuario, "ReminderType").value_or("-"), QString("0"));
    QCOMPARE(LeRegistro(Chave::Usuario, "ReminderDays").value_or("-"), QString("9")); // kept
    QVERIFY(!QFile::exists(CaminhoEntradaLogon()));
}

void TestList::logonReminder_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("days");
    QTest::addColumn<QStringList>("listed"); // empty: no window
    QTest::newRow("reminder off") << "0"
                                  << "7" << QStringList{};
    QTest::newRow("nothing in 7 days") << "3"
                                       << "1" << QStringList{};
    QTest::newRow("today and in three days, today first") << "3"
                                                          << "7" << QStringList{"Eva", "Ivo"};
}

void TestList::logonReminder()
{
    QFETCH(QString, type);
    QFETCH(QString, days);
    QFETCH(QStringList, listed);
    Clock::setToday(QDate(2003, 12, 30));
    writeFile(Caminhos().dados,
              "<EVENTS>" + niver("Ivo", "02", "01") + niver("Eva", "30", "12") + "</EVENTS>");
    if (days == "1")
        writeFile(Caminhos().dados, "<EVENTS>" + niver("Ivo", "20", "01") + "</EVENTS>");
    GravaRegistro(Chave::Usuario, "ReminderType", type);
    GravaRegistro(Chave::Usuario, "ReminderDays", days);
    AtualizaEntradaLogon(type != "0", QCoreApplication::applicationFilePath());
    ScriptedParaBox box;
    const ResultadoInicio result = Inicia({"rerevid", "/L"}, 24);
    QVERIFY(box.calls().isEmpty());
    QCOMPARE(result.janelaAberta, !listed.isEmpty());
    QCOMPARE(result.codigoSaida, 0);
    if (listed.isEmpty()) {
        QVERIFY(!visibleList());
        return;
    }
    frmListagem *list = visibleList();
    QVERIFY(list);
    QStringList aliases;
    for (const clsNiver &r : list->Nivers)
        aliases << r.Apelido;
    QCOMPARE(aliases, listed);
    QCOMPARE(list->Tag, QString("0"));
    QCOMPARE(list->cmdBotoesBaixo[1]->text(), QString("&Close"));
    QCOMPARE(list->cmdBotoesBaixo[1]->toolTip(), QString("Close the program"));
    list->AtualizaTitulo(true);
    QCOMPARE(list->windowTitle(), QString("Rerevid - Upcoming Birthdays  (2)"));
    QVERIFY(list->HTMLView1->toHtml().contains("(today)"));
    QVERIFY(Programa().reminderFlags.ModoLembrete);
    QVERIFY(!visibleCalendar());
}

void TestList::reminderLinkOpensNextYear()
{
    Clock::setToday(QDate(2003, 12, 30));
    writeFile(Caminhos().dados, "<EVENTS>" + niver("Ivo", "02", "01") + "</EVENTS>");
    GravaRegistro(Chave::Usuario, "ReminderType", "3");
    GravaRegistro(Chave::Usuario, "ReminderDays", "7");
    QVERIFY(Inicia({"rerevid", "/L"}, 24).janelaAberta);
    QCOMPARE(Programa().startup.DataInicial, QDate(2004, 1, 2));
    frmListagem *list = visibleList();
    QVERIFY(list);
    emit list->HTMLView1->linkClicado("Ivo ");
    frmCalendario *calendar = visibleCalendar();
    QVERIFY(calendar);
    QVERIFY(!list->isVisible());
    QVERIFY(!Programa().reminderFlags.ModoLembrete);
    QCOMPARE(Programa().calendar.AnoCalendario, 2004);
    QCOMPARE(Programa().calendar.MesCalendario, 1);
    QCOMPARE(Programa().calendar.ApelidoSelecionado, QString("Ivo"));
    QCOMPARE(calendar->Grade().mesDaCelula(Programa().calendar.CelulaSelecionada), QString("01"));
}

REREVID_GUI_TEST_MAIN(TestList)
#include "test_list.moc"

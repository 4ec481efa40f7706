#include "CalendarFixture.h"
#include "TestSupport.h"

#include "app/Clock.h"
#include "app/DataFile.h"
#include "app/ProgramState.h"
#include "app/Startup.h"
#include "calendar/DayList.h"
#include "calendar/frmCalendario.h"
#include "data/BirthdayStore.h"
#include "dialogs/frmNovo.h"
#include "dialogs/frmProcurar.h"
#include "list/clsToolTip.h"

#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>

namespace {

QByteArray niver(const char *alias, const char *day, const char *month, const char *year = "",
                 const char *email = "", const char *phone = "")
{
    return NiverXml(alias, day, month, year, email, phone, QString(alias) + " Full");
}

// Runs `act` on the next modal dialog of type T as soon as it shows.
template <typename T> void whenOpen(std::function<void(T *)> act)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(dialog);
        }
    });
    timer->start();
}

QStringList lines(DayList *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

} // namespace

class TestCalendarCommands : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void addOnTheSelectedDay();
    void addOutsideTheGridShowsItsMonth();
    void editSelectsTheChangedBirthday();
    void cancelKeepsTheSelection();
    void deleteAsksAndUpdatesTheCount();
    void deleteCancelledKeepsIt();
    void findShowsTheBirthday();
    void noBirthdaysDisablesFindAndList();
    void birthdayMenuSendsMail();
    void dragMovesTheBirthdayLast();
    void dropOnTheSameCellChangesNothing();
    void dropAcceptance();

private:
    frmCalendario *open(const QByteArray &birthdays) { return AbreCalendarioCom(birthdays); }
};

void TestCalendarCommands::init()
{
    TestSandbox::reset();
    Programa() = ProgramState{};
    Clock::setToday(QDate(2026, 3, 3));
}

void TestCalendarCommands::cleanup()
{
    FechaJanelas();
}

void TestCalendarCommands::addOnTheSelectedDay()
{
    frmCalendario *w = open(niver("Ana", "03", "03"));
    whenOpen<frmNovo>([](frmNovo *d) {
        QCOMPARE(d->txtDia->text(), QString("03"));
        QCOMPARE(d->cboMeses->currentText(), QString("March"));
        d->txtPessoa->setText("Zoe Lima");
        d->txtApelido->setText("Zoe");
        d->cmdBotoes[0]->click();
    });
    QTest::keyClick(w->listEvento[Programa().calendar.CelulaSelecionada], Qt::Key_Insert);
    const int cell = w->Grade().celulaMes[3];
    QCOMPARE(Programa().calendar.CelulaSelecionada, cell);
    QCOMPARE(lines(w->listEvento[cell]), (QStringList{"Ana", "Zoe"}));
    QCOMPARE(w->listEvento[cell]->currentItem()->text(), QString("Zoe"));
    QCOMPARE(Programa().calendar.ApelidoSelecionado, QString("Zoe"));
    QCOMPARE(w->windowTitle(), QString("Rerevid 1.1 - 2 birthdays"));
}

void TestCalendarCommands::addOutsideTheGridShowsItsMonth()
{
    frmCalendario *w = open(niver("Ana", "03", "03"));
    whenOpen<frmNovo>([](frmNovo *d) {
        d->txtPessoa->setText("Ivo");
        d->txtApelido->setText("Ivo");
        d->txtDia->setText("15");
        d->cboMeses->setCurrentIndex(0); // 15 January: passed, so next year
        d->cmdBotoes[0]->click();
    });
    w->cmdBarra[1]->click();
    QCOMPARE(Programa().calendar.MesCalendario, 1);
    QCOMPARE(Programa().calendar.AnoCalendario, 2027);
    const int cell = w->Grade().celulaMes[15];
    QCOMPARE(Programa().calendar.CelulaSelecionada, cell);
    QCOMPARE(w->listEvento[cell]->currentItem()->text(), QString("Ivo"));
}

void TestCalendarCommands::editSelectsTheChangedBirthday()
{
    frmCalendario *w = open(niver("Ana", "03", "03") + niver("Bia", "03", "03"));
    const int cell = w->Grade().celulaMes[3];
    DayList *list = w->listEvento[cell];
    w->listEvento_MouseDown(cell, Qt::LeftButton, 0, list->visualItemRect(list->item(1)).center());
    QCOMPARE(Programa().calendar.ApelidoSelecionado, QString("Bia"));
    whenOpen<frmNovo>([](frmNovo *d) {
        QCOMPARE(d->txtApelido->text(), QString("Bia"));
        d->txtDia->setText("20");
        d->cmdBotoes[0]->click();
    });
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                       list->visualItemRect(list->item(1)).center());
    const int moved = w->Grade().celulaMes[20];
    QCOMPARE(Programa().calendar.CelulaSelecionada, moved);
    QCOMPARE(lines(w->listEvento[moved]), QStringList{"Bia"});
    QCOMPARE(lines(w->listEvento[cell]), QStringList{"Ana"});
    QCOMPARE(Store().NiverAtual->Apelido, QString("Bia"));
}

void TestCalendarCommands::cancelKeepsTheSelection()
{
    frmCalendario *w = open(niver("Ana", "03", "03") + niver("Bia", "03", "03"));
    const int cell = w->Grade().celulaMes[3];
    DayList *list = w->listEvento[cell];
    w->listEvento_MouseDown(cell, Qt::LeftButton, 0, list->visualItemRect(list->item(1)).center());
    whenOpen<frmNovo>([](frmNovo *d) { d->cmdBotoes[1]->click(); });
    w->AlteraNiverSelecionado();
    QCOMPARE(Programa().dialog.RetornoNiver, -1);
    QCOMPARE(list->currentRow(), 1);
    QCOMPARE(Programa().calendar.ApelidoSelecionado, QString("Bia"));
}

void TestCalendarCommands::deleteAsksAndUpdatesTheCount()
{
    frmCalendario *w = open(niver("Ana", "03", "03") + niver("Bia", "03", "03"));
    ScriptedParaBox box;
    box.answer(ResultadoOk);
    QTest::keyClick(w->listEvento[Programa().calendar.CelulaSelecionada], Qt::Key_Delete);
    QCOMPARE(box.calls().size(), 1);
    const ParaBoxArgs &ask = box.calls().first();
    QCOMPARE(ask.Titulo, QString("Delete Birthday"));
    QCOMPARE(ask.Cabecalho, QString("Delete Ana's birthday?"));
    QCOMPARE(ask.Mensagem, QString("(This cannot be undone)"));
    QCOMPARE(ask.BotaoPadrao, 2);
    QCOMPARE(ask.AjudaID, qint16(800));
    const int cell = w->Grade().celulaMes[3];
    QCOMPARE(lines(w->listEvento[cell]), QStringList{"Bia"});
    QCOMPARE(w->windowTitle(), QString("Rerevid 1.1 - 1 birthday"));
    BirthdayStore reread;
    QVERIFY(reread.CarregaArquivo(Caminhos().dados));
    QCOMPARE(reread.ContaNivers(), 1);
}

void TestCalendarCommands::deleteCancelledKeepsIt()
{
    frmCalendario *w = open(niver("Ana", "03", "03"));
    ScriptedParaBox box; // the default button is Cancel
    w->cmdBarra[3]->click();
    const int cell = w->Grade().celulaMes[3];
    QCOMPARE(lines(w->listEvento[cell]), QStringList{"Ana"});
    QCOMPARE(w->listEvento[cell]->currentRow(), 0);
    QCOMPARE(Store().ContaNivers(), 1);
}

void TestCalendarCommands::findShowsTheBirthday()
{
    frmCalendario *w = open(niver("Ana", "03", "03") + niver("Olga", "12", "08", "1990"));
    whenOpen<frmProcurar>([](frmProcurar *d) {
        d->txtApelido->setText("OLGA");
        d->cmdBotoes[0]->click();
    });
    AcaoDaChave(w->menus.mnuPopNiver, "mnuNiverProcurar")->trigger();
    QCOMPARE(Programa().calendar.MesCalendario, 8);
    QCOMPARE(Programa().calendar.ApelidoSelecionado, QString("Olga"));
    const int cell = w->Grade().celulaMes[12];
    QCOMPARE(w->listEvento[cell]->currentItem()->text(), QString("Olga"));
    // Its tooltip opens at once.
    QVERIFY(w->dicas[cell]->Mostrando());
    QCOMPARE(w->dicas[cell]->Titulo(), QString("Olga (Olga Full)"));
}

void TestCalendarCommands::noBirthdaysDisablesFindAndList()
{
    frmCalendario *w = open({});
    QVERIFY(!w->cmdBarra[4]->isEnabled());
    QVERIFY(!w->cmdBarra[5]->isEnabled());
    QCOMPARE(w->windowTitle(), QString("Rerevid 1.1"));
    bool opened = false;
    whenOpen<frmNovo>([&opened](frmNovo *d) {
        opened = true;
        d->cmdBotoes[1]->click();
    });
    QTest::keyClick(w->listEvento[Programa().calendar.CelulaSelecionada], Qt::Key_Insert);
    QVERIFY(opened);
}

void TestCalendarCommands::birthdayMenuSendsMail()
{
    frmCalendario *w = open(niver("Ana", "03", "03", "", "ana@example.org"));
    QVERIFY(AcaoDaChave(w->menus.mnuPopNiver, "mnuNiverEmail")->isEnabled());
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler("mailto", &recorder, "open");
    AcaoDaChave(w->menus.mnuPopNiver, "mnuNiverEmail")->trigger();
    QDesktopServices::unsetUrlHandler("mailto");
    QCOMPARE(recorder.urls.size(), 1);
    QCOMPARE(recorder.urls.first().toString(), QString("mailto:ana@example.org"));
}

void TestCalendarCommands::dragMovesTheBirthdayLast()
{
    frmCalendario *w =
        open(niver("Ana", "03", "03", "1980", "ana@x.org", "555-1") + niver("Bia", "05", "03"));
    const int from = w->Grade().celulaMes[3];
    const int to = w->Grade().celulaMes[10];
    w->SelecionaCelula(from);
    w->IniciaArrasto(from);
    w->SoltaEm(to, "Ana");
    w->ConcluiArrasto(from);
    QCOMPARE(lines(w->listEvento[from]), QStringList{});
    QCOMPARE(lines(w->listEvento[to]), QStringList{"Ana"});
    QCOMPARE(Programa().calendar.CelulaSelecionada, to);
    QCOMPARE(Programa().calendar.DiaSelecionado, QString("10"));
    QVERIFY(readFile(Caminhos().dados)
                .endsWith("<NIVER PESSOA=\"Ana Full\" APELIDO=\"Ana\" DIA=\"10\" MES=\"03\" "
                          "ANO=\"1980\" EMAIL=\"ana@x.org\" FONE=\"555-1\"/></EVENTS>"));
    QCOMPARE(Store().ContaNivers(), 2);
}

void TestCalendarCommands::dropOnTheSameCellChangesNothing()
{
    frmCalendario *w = open(niver("Ana", "03", "03"));
    const QByteArray before = readFile(Caminhos().dados);
    const int cell = w->Grade().celulaMes[3];
    w->SelecionaCelula(cell);
    w->IniciaArrasto(cell);
    w->SoltaEm(cell, "Ana");
    QCOMPARE(lines(w->listEvento[cell]), QStringList{"Ana"});
    QCOMPARE(readFile(Caminhos().dados), before);
}

void TestCalendarCommands::dropAcceptance()
{
    // Text dragged in from another program has no day list as its source: refused.
    frmCalendario *w = open(niver("Ana", "03", "03"));
    QMimeData data;
    data.setText("Ana");
    QDragEnterEvent fromOutside(QPoint(5, 5), Qt::MoveAction, &data, Qt::LeftButton,
                                Qt::NoModifier);
    QApplication::sendEvent(w->listEvento[6], &fromOutside);
    QVERIFY(!fromOutside.isAccepted());
    QCOMPARE(Store().ContaNivers(), 1);
}

REREVID_GUI_TEST_MAIN(TestCalendarCommands)
#include "test_calendar_commands.moc"

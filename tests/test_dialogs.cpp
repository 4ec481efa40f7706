#include "TestSupport.h"

#include "app/Clock.h"
#include "app/DataFile.h"
#include "app/ProgramState.h"
#include "data/BirthdayStore.h"
#include "dialogs/frmNovo.h"
#include "dialogs/frmProcurar.h"
#include "text/TextTable.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QByteArray kFile =
    "<EVENTS>"
    "<NIVER PESSOA=\"Ana Souza\" APELIDO=\"Ana\" DIA=\"05\" MES=\"03\" ANO=\"1975\" "
    "EMAIL=\"ana@x.org\" FONE=\"123\"/>"
    "<NIVER PESSOA=\"Bruno\" APELIDO=\"Bruno\" DIA=\"10\" MES=\"03\" ANO=\"\" "
    "EMAIL=\"\" FONE=\"\"/>"
    "</EVENTS>";

void showActive(QWidget &w)
{
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

void prepare(const char *mode, const QString &day = "05", const QString &month = "03",
             const QString &alias = "Ana")
{
    ProgramState &state = Programa();
    state.dialog.ModoNiver = Texto(QString(mode) == "New" ? 677 : 678);
    state.dialog.RetornoNiver = 99; // shows whether the dialog touched it
    state.calendar.DiaSelecionado = day;
    state.calendar.MesSelecionado = month;
    state.calendar.ApelidoSelecionado = alias;
}

} // namespace

class TestDialogs : public QObject {
    Q_OBJECT
private slots:
    void init();
    void emailValido_data();
    void emailValido();
    void storedDateForms_data();
    void storedDateForms();
    void captionsAndPresets();
    void nameCleaningFillsTheAlias_data();
    void nameCleaningFillsTheAlias();
    void dayAndYearFocusRules();
    void checks_data();
    void checks();
    void newBirthdaySaves();
    void aliasUniqueness_data();
    void aliasUniqueness();
    void editWithoutChangesWritesNothing();
    void failedSaveIsTold();
    void find_data();
    void find();
};

void TestDialogs::init()
{
    TestSandbox::reset();
    Programa() = ProgramState{};
    Clock::setToday(QDate(2026, 12, 11));
    writeFile(Caminhos().dados, kFile);
    QVERIFY(Store().CarregaArquivo(Caminhos().dados));
}

void TestDialogs::emailValido_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("empty") << "" << true;
    QTest::newRow("address") << "ana@example.org" << true;
    QTest::newRow("bare @ and dot") << "@." << true;
    QTest::newRow("dot only before @") << "ana.souza@example" << false;
    QTest::newRow("no @") << "ana.example.org" << false;
    QTest::newRow("blanks only") << "   " << false;
}

void TestDialogs::emailValido()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(EmailValido(text), valid);
}

void TestDialogs::storedDateForms_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("storedDay");
    QTest::addColumn<QString>("storedYear");
    QTest::newRow("5") << "5"
                       << "1990"
                       << "05"
                       << "1990";
    QTest::newRow("3x") << "3x"
                        << ""
                        << "03"
                        << "";
    QTest::newRow("empty day") << ""
                               << "  "
                               << "00"
                               << "";
    QTest::newRow("two-digit year") << "12"
                                    << "85"
                                    << "12"
                                    << "0085";
    QTest::newRow("year 12") << "12"
                             << "12"
                             << "12"
                             << "0012";
}

void TestDialogs::storedDateForms()
{
    QFETCH(QString, day);
    QFETCH(QString, year);
    QFETCH(QString, storedDay);
    QFETCH(QString, storedYear);
    QCOMPARE(DiaDigitado(day), storedDay);
    QCOMPARE(AnoDigitado(year), storedYear);
    QCOMPARE(MesEscolhido(2), QString("03"));
    QCOMPARE(MesEscolhido(-1), QString("00"));
}

void TestDialogs::captionsAndPresets()
{
    prepare("New", "10", "07");
    frmNovo fresh;
    QCOMPARE(fresh.windowTitle(), QString("Rerevid - New Birthday"));
    QCOMPARE(fresh.txtDia->text(), QString("10"));
    QCOMPARE(fresh.cboMeses->currentText(), QString("July"));
    QCOMPARE(fresh.cboMeses->count(), 12);
    QCOMPARE(fresh.cboMeses->maxVisibleItems(), 12);
    QCOMPARE(fresh.lblSignoOcidental->text(), QString("Cancer"));
    QVERIFY(fresh.txtPessoa->text().isEmpty());
    QCOMPARE(fresh.TopicoAjuda(), 600);
    QCOMPARE(fresh.cmdBotoes[1]->toolTip(), QString("Ignore changes and return to the Calendar"));
    QCOMPARE(fresh.lblIdade->palette().color(QPalette::Window), QColor(254, 235, 199));

    prepare("Edit");
    frmNovo edit;
    QCOMPARE(edit.windowTitle(), QString("Rerevid - Edit Birthday"));
    QCOMPARE(edit.txtPessoa->text(), QString("Ana Souza"));
    QCOMPARE(edit.txtAno->text(), QString("1975"));
    QCOMPARE(edit.txtEmail->text(), QString("ana@x.org"));
    QCOMPARE(edit.lblIdade->text(), QString("51 years"));
    QCOMPARE(edit.lblSignoOcidental->text(), QString("Pisces"));
    QCOMPARE(edit.lblSignoChines->text(), QString("Rabbit"));
    QCOMPARE(edit.TopicoAjuda(), 700);
}

void TestDialogs::nameCleaningFillsTheAlias_data()
{
    QTest::addColumn<QString>("typedName");
    QTest::addColumn<QString>("typedAlias");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("alias");
    QTest::newRow("junk and blanks") << "  3ana  maria"
                                     << ""
                                     << "Ana maria"
                                     << "Ana";
    QTest::newRow("one word fills the whole name") << "carla"
                                                   << ""
                                                   << "Carla"
                                                   << "Carla";
    QTest::newRow("an alias is never overwritten") << "davi lima"
                                                   << "Dê"
                                                   << "Davi lima"
                                                   << "Dê";
}

void TestDialogs::nameCleaningFillsTheAlias()
{
    QFETCH(QString, typedName);
    QFETCH(QString, typedAlias);
    QFETCH(QString, name);
    QFETCH(QString, alias);
    prepare("New");
    frmNovo dialog;
    showActive(dialog);
    dialog.txtApelido->setText(typedAlias);
    dialog.txtPessoa->setFocus();
    QTest::keyClicks(dialog.txtPessoa, typedName);
    dialog.txtFone->setFocus();
    QCOMPARE(dialog.txtPessoa->text(), name);
    QCOMPARE(dialog.txtApelido->text(), alias);
}

void TestDialogs::dayAndYearFocusRules()
{
    prepare("New", "", "01");
    frmNovo dialog;
    showActive(dialog);
    dialog.txtDia->setFocus();
    dialog.txtDia->clear();
    QTest::keyClicks(dialog.txtDia, "7");
    QCOMPARE(QApplication::focusWidget(), dialog.txtDia); // one digit: no move
    QCOMPARE(dialog.lblSignoOcidental->text(), QString());
    dialog.txtDia->clear();
    QTest::keyClicks(dialog.txtDia, "07");
    QCOMPARE(QApplication::focusWidget(), dialog.cboMeses);
    QCOMPARE(dialog.lblSignoOcidental->text(), QString("Capricorn"));

    // Down opens the month list.
    QTest::keyClick(dialog.cboMeses, Qt::Key_Down);
    QTRY_VERIFY(dialog.cboMeses->view()->isVisible());
    dialog.cboMeses->hidePopup();

    dialog.txtAno->setFocus();
    QTest::keyClicks(dialog.txtAno, "200");
    QCOMPARE(QApplication::focusWidget(), dialog.txtAno);
    QTest::keyClicks(dialog.txtAno, "0");
    QCOMPARE(QApplication::focusWidget(), dialog.cmdBotoes[0]); // four digits: on to OK
    QCOMPARE(dialog.lblIdade->text(), QString("26 years"));
    QCOMPARE(dialog.lblSignoChines->text(), QString("Rabbit"));
    dialog.txtAno->setFocus();
    dialog.txtAno->clear(); // emptied: the age goes and the focus moves on
    QCOMPARE(dialog.lblIdade->text(), QString());
    QCOMPARE(QApplication::focusWidget(), dialog.cmdBotoes[0]);
}

void TestDialogs::checks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("alias");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("focus");
    QTest::newRow("no name") << " "
                             << "X"
                             << ""
                             << "01" << 0 << ""
                             << "You didn't type the name." << 3500 << "txtPessoa";
    QTest::newRow("no alias") << "Xavier"
                              << ""
                              << ""
                              << "01" << 0 << ""
                              << "You didn't type the alias." << 3500 << "txtApelido";
    QTest::newRow("bad e-mail") << "Xavier"
                                << "X"
                                << "x.y@z"
                                << "01" << 0 << ""
                                << "You have entered an invalid e-mail address." << 4000
                                << "txtEmail";
    QTest::newRow("two-digit year") << "Xavier"
                                    << "X"
                                    << ""
                                    << "01" << 0 << "85"
                                    << "You typed an invalid date." << 4000 << "txtAno";
    QTest::newRow("future year") << "Xavier"
                                 << "X"
                                 << ""
                                 << "01" << 0 << "2027"
                                 << "You typed an invalid date." << 4000 << "txtAno";
    QTest::newRow("31 April") << "Xavier"
                              << "X"
                              << ""
                              << "31" << 3 << ""
                              << "You typed an invalid date." << 4000 << "txtDia";
    QTest::newRow("no month") << "Xavier"
                              << "X"
                              << ""
                              << "10" << -1 << ""
                              << "You typed an invalid date." << 4000 << "txtDia";
    QTest::newRow("taken alias") << "Xavier"
                                 << "ANA"
                                 << ""
                                 << "01" << 0 << ""
                                 << "There is already a birthday with this alias." << 4700
                                 << "txtApelido";
}

void TestDialogs::checks()
{
    QFETCH(QString, name);
    QFETCH(QString, alias);
    QFETCH(QString, email);
    QFETCH(QString, day);
    QFETCH(int, month);
    QFETCH(QString, year);
    QFETCH(QString, heading);
    QFETCH(int, width);
    QFETCH(QString, focus);
    prepare("New");
    frmNovo dialog;
    showActive(dialog);
    dialog.txtFone->setFocus(); // the name box is not left, so the alias is not filled
    dialog.txtPessoa->setText(name);
    dialog.txtApelido->setText(alias);
    dialog.txtEmail->setText(email);
    dialog.txtDia->setText(day);
    dialog.cboMeses->setCurrentIndex(month);
    dialog.txtAno->setText(year);
    ScriptedParaBox box;
    const QByteArray before = readFile(Caminhos().dados);
    dialog.GravaNiver();
    QCOMPARE(box.headings(), QStringList{heading});
    const ParaBoxArgs &call = box.calls().first();
    QCOMPARE(call.Titulo, QString("New Birthday"));
    QCOMPARE(call.LarguraMinima, qint16(width));
    QCOMPARE(call.AjudaID, qint16(600));
    QCOMPARE(call.Icone, 48);
    if (heading == "You typed an invalid date.")
        QVERIFY(call.Mensagem.contains("1 Jan 1800") && call.Mensagem.contains("31 Dec 2199"));
    QVERIFY(dialog.isVisible());
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QCOMPARE(readFile(Caminhos().dados), before);
    QCOMPARE(Programa().dialog.RetornoNiver, 99);
}

void TestDialogs::newBirthdaySaves()
{
    prepare("New", "10", "03");
    frmNovo dialog;
    showActive(dialog);
    dialog.txtPessoa->setText("Carla Dias");
    dialog.txtApelido->setText("Carla");
    dialog.txtDia->setText("3x");
    dialog.txtEmail->setText(" c@x.org ");
    ScriptedParaBox box;
    dialog.GravaNiver();
    QVERIFY(box.calls().isEmpty());
    QVERIFY(!dialog.isVisible());
    QCOMPARE(Programa().dialog.RetornoNiver, 3);
    QCOMPARE(Programa().dialog.ApelidoRetorno, QString("Carla"));
    QCOMPARE(Programa().calendar.DiaSelecionado, QString("03"));
    QCOMPARE(Programa().calendar.MesSelecionado, QString("03"));
    QVERIFY(readFile(Caminhos().dados)
                .endsWith("<NIVER PESSOA=\"Carla Dias\" APELIDO=\"Carla\" DIA=\"03\" "
                          "MES=\"03\" ANO=\"\" EMAIL=\"c@x.org\" FONE=\"\"/></EVENTS>"));
}

void TestDialogs::aliasUniqueness_data()
{
    QTest::addColumn<QString>("alias");
    QTest::addColumn<bool>("saved");
    QTest::newRow("own alias in other capitals") << "ANA" << true;
    QTest::newRow("another's alias") << "bruno" << false;
    QTest::newRow("a new alias") << "Aninha" << true;
}

void TestDialogs::aliasUniqueness()
{
    QFETCH(QString, alias);
    QFETCH(bool, saved);
    prepare("Edit");
    frmNovo dialog;
    showActive(dialog);
    dialog.txtApelido->setText(alias);
    ScriptedParaBox box;
    dialog.GravaNiver();
    QCOMPARE(box.calls().isEmpty(), saved);
    QCOMPARE(!dialog.isVisible(), saved);
    BirthdayStore reread;
    QVERIFY(reread.CarregaArquivo(Caminhos().dados));
    QCOMPARE(reread.ContaNivers(), 2);
    if (saved) {
        QCOMPARE(Programa().calendar.ApelidoSelecionado, alias);
        QVERIFY(reread.ProcuraNiver("05", "03", alias));
        QCOMPARE(reread.ProcuraNiver("05", "03", alias)->Pessoa, QString("Ana Souza"));
    } else {
        QCOMPARE(box.headings(), QStringList{"There is already a birthday with this alias."});
        QCOMPARE(box.calls().first().Titulo, QString("Edit Birthday"));
        QCOMPARE(box.calls().first().AjudaID, qint16(700));
    }
}

void TestDialogs::editWithoutChangesWritesNothing()
{
    prepare("Edit");
    frmNovo dialog;
    showActive(dialog);
    dialog.txtEmail->setText("  ana@x.org "); // blanks around are not a change
    const QFileInfo before(Caminhos().dados);
    const QDateTime modified = before.lastModified();
    const QByteArray bytes = readFile(Caminhos().dados);
    QTest::qWait(20);
    dialog.GravaNiver();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(Programa().dialog.RetornoNiver, 99); // untouched
    QCOMPARE(readFile(Caminhos().dados), bytes);
    QCOMPARE(QFileInfo(Caminhos().dados).lastModified(), modified);
}

void TestDialogs::failedSaveIsTold()
{
    prepare("New");
    frmNovo dialog;
    showActive(dialog);
    dialog.txtPessoa->setText("Eva");
    dialog.txtApelido->setText("Eva");
    const QString moved = TestSandbox::root() + "/data/Moved";
    QVERIFY(QDir().rename(Caminhos().pasta, moved)); // the folder is gone: the save fails
    ScriptedParaBox box;
    dialog.GravaNiver();
    QCOMPARE(box.headings(), QStringList{"The birthday could not be saved."});
    QVERIFY(!box.calls().first().Mensagem.isEmpty());
    QVERIFY(dialog.isVisible());
    QCOMPARE(Programa().dialog.RetornoNiver, 99);

    // Once the folder is back, OK saves the same birthday once.
    QVERIFY(QDir().rename(moved, Caminhos().pasta));
    box.clear();
    dialog.GravaNiver();
    QVERIFY(box.calls().isEmpty());
    QVERIFY(!dialog.isVisible());
    BirthdayStore reread;
    QVERIFY(reread.CarregaArquivo(Caminhos().dados));
    QCOMPARE(reread.ContaNivers(), 3);
}

void TestDialogs::find_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("heading"); // empty: found
    QTest::addColumn<int>("help");
    QTest::newRow("other capitals") << "bRUNO"
                                    << "" << 0;
    QTest::newRow("leading blank") << " Bruno"
                                   << "This birthday wasn't found." << 900;
    QTest::newRow("unknown") << "Zed"
                             << "This birthday wasn't found." << 900;
    QTest::newRow("blanks only") << "   "
                                 << "You didn't type the alias of the birthday you wish to find."
                                 << 0;
}

void TestDialogs::find()
{
    QFETCH(QString, typed);
    QFETCH(QString, heading);
    QFETCH(int, help);
    Programa().dialog.RetornoNiver = 99;
    frmProcurar dialog;
    showActive(dialog);
    QCOMPARE(dialog.windowTitle(), QString("Rerevid - Find a Birthday"));
    dialog.txtApelido->setText(typed);
    ScriptedParaBox box;
    dialog.ProcuraApelido();
    if (heading.isEmpty()) {
        QVERIFY(box.calls().isEmpty());
        QVERIFY(!dialog.isVisible());
        QCOMPARE(Programa().dialog.RetornoNiver, 10);
        QCOMPARE(Programa().calendar.ApelidoSelecionado, QString("Bruno")); // the stored spelling
        QCOMPARE(Programa().calendar.MesSelecionado, QString("03"));
        return;
    }
    QCOMPARE(box.headings(), QStringList{heading});
    QCOMPARE(box.calls().first().AjudaID, qint16(help));
    QCOMPARE(box.calls().first().Titulo, QString("Find a Birthday"));
    QVERIFY(dialog.isVisible());
    QCOMPARE(Programa().dialog.RetornoNiver, 99);
    QCOMPARE(QApplication::focusWidget(), dialog.txtApelido);
    dialog.cmdBotoes[1]->click();
    QCOMPARE(Programa().dialog.RetornoNiver, -1);
}

REREVID_GUI_TEST_MAIN(TestDialogs)
#include "test_dialogs.moc"

#include "TestSupport.h"

#include "app/Clock.h"
#include "app/DataFile.h"
#include "app/ProgramState.h"
#include "app/Settings.h"
#include "app/Startup.h"
#include "calendar/frmCalendario.h"
#include "data/BirthdayStore.h"
#include "exchange/DataExchange.h"
#include "exchange/clsCDL_FileOpen.h"
#include "menus/Help.h"
#include "menus/frmAbout.h"
#include "menus/frmContrato.h"
#include "platform/HtmlLabel.h"
#include "platform/HtmlView.h"

#include <QDesktopServices>
#include <QDir>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>

namespace {

const QByteArray kMine = "<EVENTS><NIVER PESSOA=\"Ana\" APELIDO=\"Ana\" DIA=\"05\" MES=\"03\" "
                         "ANO=\"\" EMAIL=\"\" FONE=\"\"/></EVENTS>";
const QByteArray kOther = "<EVENTS><NIVER PESSOA=\"Bo\" APELIDO=\"Bo\" DIA=\"06\" MES=\"03\" "
                          "ANO=\"\" EMAIL=\"\" FONE=\"\"/>"
                          "<NIVER PESSOA=\"Cy\" APELIDO=\"Cy\" DIA=\"07\" MES=\"03\" ANO=\"\" "
                          "EMAIL=\"\" FONE=\"\"/></EVENTS>";

// Answers the file dialogs from a script of paths (empty = Cancel) and records each request.
struct ScriptedFileDialog {
    QList<QString> answers;
    QList<clsCDL_FileOpen> requests;
    QList<bool> saves;
    FileDialogResponder previous;
    ScriptedFileDialog()
    {
        previous = DefineFileDialogResponder(
            [this](const clsCDL_FileOpen &d, bool save) -> std::optional<QString> {
                requests << d;
                saves << save;
                const QString answer = answers.isEmpty() ? QString() : answers.takeFirst();
                return answer.isEmpty() ? std::nullopt : std::optional<QString>(answer);
            });
    }
    ~ScriptedFileDialog() { DefineFileDialogResponder(std::move(previous)); }
};

} // namespace

class TestExchange : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void exportWithoutAFolderYet();
    void exportElsewhereRemembersTheFolder();
    void exportCancelledOrFailed();
    void importIntoAnEmptyStore();
    void importRefusesTheDataFileItself();
    void importCancelledAtEachStep_data();
    void importCancelledAtEachStep();
    void brokenFileChangesNothing();
    void goodFileReplacesTheBirthdays();
    void aboutLinks_data();
    void aboutLinks();
    void agreementCoversTheCalendar();
    void everyTopicHasAPage();

private:
    QString m_folder;
};

void TestExchange::init()
{
    TestSandbox::reset();
    Programa() = ProgramState{};
    Clock::setToday(QDate(2026, 3, 1));
    writeFile(Caminhos().dados, kMine);
    writeFile(Caminhos().copia, kMine);
    QVERIFY(Store().CarregaArquivo(Caminhos().dados));
    m_folder = TestSandbox::root() + "/home/usb";
    QDir().mkpath(m_folder);
}

void TestExchange::cleanup()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestExchange::exportWithoutAFolderYet()
{
    ScriptedParaBox box;
    ScriptedFileDialog dialog;
    dialog.answers << m_folder + "/Events_backup.xml";
    QVERIFY(clsExportar().Exportar(nullptr));
    QCOMPARE(box.headings(),
             (QStringList{"The next window allows you to save the data file to a removable disk.",
                          "The data file was saved as:"}));
    QCOMPARE(box.calls()[0].AjudaID, qint16(1300));
    QCOMPARE(box.calls()[0].Icone, 64);
    QCOMPARE(box.calls()[1].Mensagem, m_folder + "/Events_backup.xml");
    const clsCDL_FileOpen &request = dialog.requests.first();
    QVERIFY(dialog.saves.first());
    QCOMPARE(request.title, QString("Rerevid - Export Data File"));
    QCOMPARE(request.folder, QDir::homePath());
    QCOMPARE(request.fileName, QString("Events_backup"));
    QCOMPARE(request.defaultSuffix, QString("xml"));
    QCOMPARE(request.filter, QString("XML File (*.xml)"));
    QCOMPARE(readFile(m_folder + "/Events_backup.xml"), kMine);
    QCOMPARE(LeRegistro(Chave::Usuario, "ExportPath").value_or("-"), m_folder + "/");
}

void TestExchange::exportElsewhereRemembersTheFolder()
{
    GravaRegistro(Chave::Usuario, "ExportPath", m_folder + "/");
    ScriptedParaBox box;
    ScriptedFileDialog dialog;
    const QString other = TestSandbox::root() + "/home/other";
    QDir().mkpath(other);
    dialog.answers << other + "/copy.xml";
    QVERIFY(clsExportar().Exportar(nullptr));
    QCOMPARE(box.headings(), QStringList{"The data file was saved as:"}); // no notice
    QCOMPARE(dialog.requests.first().folder, m_folder + "/");
    QCOMPARE(LeRegistro(Chave::Usuario, "ExportPath").value_or("-"), other + "/");
    dialog.answers << QString(); // the next import opens there, then Cancel
    box.answer(ResultadoOk);     // replace the birthday? OK
    QVERIFY(!clsImportar().Importar(nullptr, nullptr));
    QCOMPARE(dialog.requests.last().folder, other + "/");
    QCOMPARE(dialog.requests.last().fileName, QString("events_backup"));
    QCOMPARE(dialog.requests.last().title, QString("Rerevid - Import Data File"));
    QVERIFY(!dialog.saves.last());
}

void TestExchange::exportCancelledOrFailed()
{
    GravaRegistro(Chave::Usuario, "ExportPath", m_folder + "/");
    ScriptedParaBox box;
    ScriptedFileDialog dialog;
    dialog.answers << QString();
    QVERIFY(!clsExportar().Exportar(nullptr));
    QVERIFY(box.calls().isEmpty());

    const QString missing = TestSandbox::root() + "/nowhere/Events_backup.xml";
    dialog.answers << missing;
    QVERIFY(!clsExportar().Exportar(nullptr));
    QCOMPARE(box.calls().size(), 1);
    QCOMPARE(box.calls().first().Cabecalho,
             "There was an error while exporting the data file\n" + missing);
    QVERIFY(box.calls().first().Mensagem.startsWith("Error: "));
    QCOMPARE(box.calls().first().LarguraMinima, qint16(6000));
    QVERIFY(!QFile::exists(missing));
    QCOMPARE(LeRegistro(Chave::Usuario, "ExportPath").value_or("-"), m_folder + "/");
}

void TestExchange::importIntoAnEmptyStore()
{
    writeFile(Caminhos().dados, "<EVENTS/>");
    QVERIFY(Store().CarregaArquivo(Caminhos().dados));
    writeFile(m_folder + "/in.xml", kOther);
    ScriptedParaBox box;
    box.answer(ResultadoOk); // the confirmation
    ScriptedFileDialog dialog;
    dialog.answers << m_folder + "/in.xml";
    QVERIFY(clsImportar().Importar(nullptr, nullptr));
    QCOMPARE(box.headings(), (QStringList{"Import data from the file \"" + m_folder + "/in.xml\"?",
                                          "The data file was successfully imported."}));
    QCOMPARE(Store().ContaNivers(), 2);
}

void TestExchange::importRefusesTheDataFileItself()
{
    ScriptedParaBox box;
    box.answer(ResultadoOk); // replace all birthdays? OK
    box.answer(ResultadoOk); // in use: OK, choose again
    ScriptedFileDialog dialog;
    // The data file itself, in other letter case; then Cancel in the reopened dialog.
    dialog.answers << Caminhos().pasta + "/EVENTS.xml" << QString();
    QVERIFY(!clsImportar().Importar(nullptr, nullptr));
    QCOMPARE(dialog.requests.size(), 2);
    QCOMPARE(box.calls()[1].Cabecalho,
             QString("You cannot import the data file because it is in use by Rerevid."));
    QCOMPARE(box.calls()[1].Mensagem,
             QString("Click OK to select another data file or\nClick CANCEL to quit."));
    QCOMPARE(readFile(Caminhos().dados), kMine);
}

void TestExchange::importCancelledAtEachStep_data()
{
    QTest::addColumn<QVariantList>("answers");
    QTest::addColumn<bool>("dialogAnswered");
    QTest::addColumn<bool>("folderStored");
    QTest::newRow("replacement warning") << QVariantList{2} << false << false;
    QTest::newRow("file dialog") << QVariantList{1} << false << false;
    QTest::newRow("confirmation") << QVariantList{1, 2} << true << true;
}

void TestExchange::importCancelledAtEachStep()
{
    QFETCH(QVariantList, answers);
    QFETCH(bool, dialogAnswered);
    QFETCH(bool, folderStored);
    writeFile(m_folder + "/in.xml", kOther);
    ScriptedParaBox box;
    for (const QVariant &a : answers)
        box.answer(a);
    ScriptedFileDialog dialog;
    if (dialogAnswered)
        dialog.answers << m_folder + "/in.xml";
    QVERIFY(!clsImportar().Importar(nullptr, nullptr));
    QCOMPARE(readFile(Caminhos().dados), kMine);
    QCOMPARE(readFile(Caminhos().copia), kMine);
    QCOMPARE(LeRegistro(Chave::Usuario, "ExportPath").has_value(), folderStored);
}

void TestExchange::brokenFileChangesNothing()
{
    Programa().startup.DataInicial = Clock::today();
    auto *calendar = static_cast<frmCalendario *>(MostraCalendario());
    const QString caption = calendar->windowTitle();
    writeFile(m_folder + "/broken.xml", "<EVENTS><NIVER");
    ScriptedParaBox box;
    box.answer(ResultadoOk);
    box.answer(ResultadoOk);
    ScriptedFileDialog dialog;
    dialog.answers << m_folder + "/broken.xml";
    QVERIFY(!clsImportar().Importar(calendar, calendar));
    QCOMPARE(box.calls().last().Titulo, QString("Open data file"));
    QCOMPARE(box.calls().last().Cabecalho,
             QString("Error while opening the data file \"broken.xml\"."));
    QVERIFY(box.calls().last().Mensagem.startsWith("XML error: "));
    QCOMPARE(readFile(Caminhos().dados), kMine);
    QCOMPARE(readFile(Caminhos().copia), kMine);
    QCOMPARE(Store().ContaNivers(), 1);
    QCOMPARE(calendar->windowTitle(), caption);
}

void TestExchange::goodFileReplacesTheBirthdays()
{
    Programa().startup.DataInicial = Clock::today();
    auto *calendar = static_cast<frmCalendario *>(MostraCalendario());
    QCOMPARE(calendar->windowTitle(), QString("Rerevid 1.1 - 1 birthday"));
    writeFile(m_folder + "/in.xml", kOther);
    ScriptedParaBox box;
    box.answer(ResultadoOk);
    box.answer(ResultadoOk);
    ScriptedFileDialog dialog;
    dialog.answers << m_folder + "/in.xml";
    QVERIFY(clsImportar().Importar(calendar, calendar));
    QCOMPARE(box.headings().last(), QString("The data file was successfully imported."));
    QCOMPARE(readFile(Caminhos().dados), kOther);
    QCOMPARE(readFile(Caminhos().copia), kOther);
    QCOMPARE(calendar->windowTitle(), QString("Rerevid 1.1 - 2 birthdays"));
    QCOMPARE(Programa().startup.TotalNivers, 2);
    QVERIFY(static_cast<HtmlLabel *>(calendar->lblProximoNiver)->Html().contains("href='Bo'"));
}

void TestExchange::aboutLinks_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("opened"); // a URL, "agreement", or empty
    QTest::newRow("contrato") << "contrato"
                              << "agreement";
    QTest::newRow("CONTRATO") << "CONTRATO"
                              << "agreement";
    QTest::newRow("Email") << "Email"
                           << "mailto:support@rerevid.example.org";
    QTest::newRow("site") << "site"
                          << "https://rerevid.example.org/";
    QTest::newRow("anything else") << "other"
                                   << "";
}

void TestExchange::aboutLinks()
{
    QFETCH(QString, target);
    QFETCH(QString, opened);
    frmAbout about;
    QCOMPARE(about.windowTitle(), QString("Rerevid - About the program"));
    QCOMPARE(about.lblProg->text(), QString("Rerevid 1.1"));
    QCOMPARE(about.lblVersion->text(), QString("Version 1.1.0"));
    QVERIFY(about.HTMLView1->toPlainText().contains(
        "This program is licensed under the License Agreement."));
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler("mailto", &recorder, "open");
    QDesktopServices::setUrlHandler("https", &recorder, "open");
    bool agreement = false;
    QTimer::singleShot(50, [&agreement] {
        if (auto *window = qobject_cast<frmContrato *>(QApplication::activeModalWidget())) {
            agreement = true;
            QVERIFY(window->WebBrowser1->toPlainText().contains("Rerevid License Agreement"));
            window->close();
        }
    });
    about.LinkClicado(target);
    QTest::qWait(100);
    QDesktopServices::unsetUrlHandler("mailto");
    QDesktopServices::unsetUrlHandler("https");
    QCOMPARE(agreement, opened == "agreement");
    if (opened.startsWith("mailto") || opened.startsWith("https")) {
        QCOMPARE(recorder.urls.size(), 1);
        QCOMPARE(recorder.urls.first().toString(), opened);
    } else {
        QVERIFY(recorder.urls.isEmpty());
    }
}

void TestExchange::agreementCoversTheCalendar()
{
    Programa().startup.DataInicial = Clock::today();
    auto *calendar = static_cast<frmCalendario *>(MostraCalendario());
    calendar->setGeometry(40, 50, 700, 500);
    frmContrato agreement(calendar);
    QCOMPARE(agreement.geometry(), calendar->geometry());
    QCOMPARE(agreement.windowTitle(), QString("Rerevid - User License Agreement"));
    QCOMPARE(agreement.cmdBarra[0]->text(), QString("&Print"));
    QCOMPARE(agreement.cmdBarra[1]->toolTip(), QString("Back to the Birthday List"));
}

void TestExchange::everyTopicHasAPage()
{
    for (int topic :
         {100, 300, 500, 600, 700, 800, 900, 1000, 1100, 1200, 1300, 1350, 1400, 1600, 1700}) {
        QFile page(PaginaDaAjuda(topic));
        QVERIFY2(page.open(QIODevice::ReadOnly), qPrintable(QString::number(topic)));
        QVERIFY(page.readAll().contains("<h2>"));
    }
}

REREVID_GUI_TEST_MAIN(TestExchange)
#include "test_exchange.moc"

#include "TestSupport.h"

#include "app/Clock.h"
#include "app/DataFile.h"
#include "app/ProgramState.h"
#include "app/Settings.h"
#include "app/Startup.h"
#include "calendar/frmCalendario.h"
#include "data/BirthdayStore.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

namespace {

const QByteArray kGood =
    "<EVENTS><NIVER PESSOA=\"Ana\" APELIDO=\"Ana\" DIA=\"05\" MES=\"03\" ANO=\"\" "
    "EMAIL=\"\" FONE=\"\"/></EVENTS>";
const QByteArray kOther =
    "<EVENTS><NIVER PESSOA=\"Bia\" APELIDO=\"Bia\" DIA=\"06\" MES=\"03\" ANO=\"\" "
    "EMAIL=\"\" FONE=\"\"/><NIVER PESSOA=\"Caio\" APELIDO=\"Caio\" DIA=\"07\" "
    "MES=\"03\" ANO=\"\" EMAIL=\"\" FONE=\"\"/></EVENTS>";

QString dataPath()
{
    return Caminhos().dados;
}
QString backupPath()
{
    return Caminhos().copia;
}

// A file state: "missing", "dir", or the bytes to write.
void place(const QString &path, const QByteArray &content)
{
    if (content == "missing")
        return;
    if (content == "dir")
        QDir().mkpath(path);
    else
        writeFile(path, content);
}

frmCalendario *openCalendar()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *calendar = qobject_cast<frmCalendario *>(w); calendar && calendar->isVisible())
            return calendar;
    }
    return nullptr;
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startupTable_data();
    void startupTable();
    void restoredFileMatchesBackupAndIsNotAskedAgain();
    void unreadableDataFolder();
    void unreadableDataFile();
    void failedBackupKeepsGoing();
    void failedBackupNeverLeavesHalfACopy();
    void commandLine_data();
    void commandLine();
    void colourDepth_data();
    void colourDepth();
    void reminderEndsSilently_data();
    void reminderEndsSilently();
    void captionCountsBirthdays_data();
    void captionCountsBirthdays();
};

void TestStartup::init()
{
    TestSandbox::reset();
    Programa() = ProgramState{};
    Clock::setToday(QDate(2026, 3, 1));
    QDir().mkpath(Caminhos().pasta);
}

void TestStartup::cleanup()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestStartup::startupTable_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("backup");
    QTest::addColumn<QVariantList>("answers");
    QTest::addColumn<QStringList>("headings");
    QTest::addColumn<bool>("window");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("dataAfter"); // "-" = not checked
    QTest::addColumn<QByteArray>("backupAfter");

    const QString openFailed = "Error while opening the data file \"Events.xml\".";
    const QString restoreQuestion =
        "Rerevid will try to restore the data file from the backup copy.";
    const QString restored = "The data file was successfully restored.";
    const QString noBackup = "The backup copy \"Events.bak\" was not found.";

    QTest::newRow("readable, backup refreshed")
        << kGood << kOther << QVariantList{} << QStringList{} << true << 0 << kGood << kGood;
    QTest::newRow("first run creates the file and its backup")
        << QByteArray("missing") << QByteArray("missing") << QVariantList{} << QStringList{} << true
        << 0 << QByteArray("<EVENTS/>") << QByteArray("<EVENTS/>");
    QTest::newRow("missing, backup present, OK restores")
        << QByteArray("missing") << kOther << QVariantList{1}
        << QStringList{restoreQuestion, restored} << true << 0 << kOther << kOther;
    QTest::newRow("missing, backup present, Cancel ends")
        << QByteArray("missing") << kOther << QVariantList{2} << QStringList{restoreQuestion}
        << false << 0 << QByteArray("missing") << kOther;
    QTest::newRow("unreadable, backup present, OK restores")
        << QByteArray("<EVENTS><NIVER") << kOther << QVariantList{1, 1, 1}
        << QStringList{openFailed, restoreQuestion, restored} << true << 0 << kOther << kOther;
    QTest::newRow("empty file, backup present")
        << QByteArray("") << kOther << QVariantList{1, 1, 1}
        << QStringList{openFailed, restoreQuestion, restored} << true << 0 << kOther << kOther;
    QTest::newRow("unreadable, backup unreadable too")
        << QByteArray("garbage") << QByteArray("more garbage") << QVariantList{1, 1, 1, 1}
        << QStringList{openFailed, restoreQuestion, restored, openFailed} << false << 1
        << QByteArray("more garbage") << QByteArray("more garbage");
    QTest::newRow("unreadable, no backup")
        << QByteArray("garbage") << QByteArray("missing") << QVariantList{1, 1}
        << QStringList{openFailed, noBackup} << false << 1 << QByteArray("garbage")
        << QByteArray("missing");
    QTest::newRow("data file is a directory, no backup")
        << QByteArray("dir") << QByteArray("missing") << QVariantList{1, 1}
        << QStringList{openFailed, noBackup} << false << 1 << QByteArray("-")
        << QByteArray("missing");
    QTest::newRow("data file is a directory, restore fails")
        << QByteArray("dir") << kOther << QVariantList{1, 1, 1}
        << QStringList{openFailed, restoreQuestion,
                       "There was an error while restoring the data file."}
        << false << 1 << QByteArray("-") << kOther;
}

void TestStartup::startupTable()
{
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, backup);
    QFETCH(QVariantList, answers);
    QFETCH(QStringList, headings);
    QFETCH(bool, window);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, dataAfter);
    QFETCH(QByteArray, backupAfter);

    place(dataPath(), data);
    place(backupPath(), backup);
    ScriptedParaBox box;
    for (const QVariant &answer : answers)
        box.answer(answer);

    const ResultadoInicio result = Inicia({"rerevid"}, 24);
    QCOMPARE(box.headings(), headings);
    QCOMPARE(result.janelaAberta, window);
    QCOMPARE(openCalendar() != nullptr, window);
    QCOMPARE(result.codigoSaida, exitCode);
    if (dataAfter == "missing")
        QVERIFY(!QFile::exists(dataPath()));
    else if (dataAfter != "-")
        QCOMPARE(readFile(dataPath()), dataAfter);
    if (backupAfter == "missing")
        QVERIFY(!QFile::exists(backupPath()));
    else
        QCOMPARE(readFile(backupPath()), backupAfter);

    // The open-failure message carries the parser's or the system's reason.
    for (const ParaBoxArgs &call : box.calls()) {
        if (call.Titulo == "Open data file") {
            QVERIFY2(call.Mensagem.startsWith("XML error: ") || call.Mensagem.startsWith("Error: "),
                     qPrintable(call.Mensagem));
            QVERIFY(call.Mensagem.size() > 16);
            QCOMPARE(call.Icone, 16);
            QCOMPARE(call.LarguraMinima, qint16(5800));
        }
        if (call.Cabecalho == "The backup copy \"Events.bak\" was not found.") {
            QVERIFY(call.Mensagem.endsWith("\n\n" + QDir::toNativeSeparators(Caminhos().pasta)));
            QCOMPARE(call.AjudaID, qint16(1350));
        }
    }
}

void TestStartup::restoredFileMatchesBackupAndIsNotAskedAgain()
{
    writeFile(backupPath(), kOther);
    {
        ScriptedParaBox box;
        box.answer(1);
        QVERIFY(Inicia({"rerevid"}, 24).janelaAberta);
        QCOMPARE(box.calls().size(), 2);
    }
    cleanup();
    ScriptedParaBox again;
    QVERIFY(Inicia({"rerevid"}, 24).janelaAberta);
    QVERIFY(again.calls().isEmpty());
    QCOMPARE(readFile(dataPath()), readFile(backupPath()));
}

void TestStartup::unreadableDataFolder()
{
    // The data folder's place is taken by a file: nothing can be created there.
    QDir(Caminhos().pasta).removeRecursively();
    writeFile(Caminhos().pasta, "not a folder");
    ScriptedParaBox box;
    const ResultadoInicio result = Inicia({"rerevid"}, 24);
    QVERIFY(!result.janelaAberta);
    QCOMPARE(result.codigoSaida, 1);
    QCOMPARE(box.headings(),
             QStringList{"There was an error while creating the data file \"Events.xml\"."});
    QVERIFY(box.calls().first().Mensagem.startsWith("Error "));
    QCOMPARE(box.calls().first().AjudaID, qint16(1600));
}

void TestStartup::unreadableDataFile()
{
    if (getuid() == 0)
        QSKIP("root reads every file, so a file without read permission cannot be made here");
    writeFile(dataPath(), kGood);
    QFile::setPermissions(dataPath(), QFileDevice::WriteOwner);
    ScriptedParaBox box;
    box.answer(1);
    box.answer(1); // no backup yet: the not-found message
    const ResultadoInicio result = Inicia({"rerevid"}, 24);
    QCOMPARE(result.codigoSaida, 1);
    QCOMPARE(box.calls().first().Mensagem.left(7), QString("Error: "));
    QVERIFY(box.calls().first().Mensagem.contains("ermission"));
}

void TestStartup::failedBackupKeepsGoing()
{
    writeFile(dataPath(), kGood);
    QDir().mkpath(backupPath()); // a directory where the backup should go
    ScriptedParaBox box;
    QVERIFY(Inicia({"rerevid"}, 24).janelaAberta);
    QCOMPARE(box.headings(),
             QStringList{"There was an error while saving the backup copy \"Events.bak\"."});
    const ParaBoxArgs &call = box.calls().first();
    QCOMPARE(call.Titulo, QString("Save backup copy"));
    QVERIFY2(call.Mensagem.startsWith("Error: "), qPrintable(call.Mensagem));
    QCOMPARE(call.Icone, 48);
    QCOMPARE(call.LarguraMinima, qint16(6000));
    QCOMPARE(call.AjudaID, qint16(1350));
}

void TestStartup::failedBackupNeverLeavesHalfACopy()
{
    writeFile(dataPath(), kGood);
    writeFile(backupPath(), kOther);
    // The copy fails because its source cannot be read: the old backup stays whole.
    QVERIFY(!CopiaArquivo(Caminhos().pasta + "/nothing.xml", backupPath()));
    QCOMPARE(readFile(backupPath()), kOther);
    int number = 0;
    QString description;
    QVERIFY(!CopiaArquivo(dataPath(), Caminhos().pasta + "/no/folder/Events.bak", &number,
                          &description));
    QVERIFY(number != 0);
    QVERIFY(!description.isEmpty());
    QVERIFY(QDir(Caminhos().pasta)
                .entryList({"*.bak*", "*.tmp", "*.xml.*"}, QDir::Files)
                .contains("Events.bak"));
    QCOMPARE(QDir(Caminhos().pasta).entryList(QDir::Files).size(), 2); // no temporary file left
}

void TestStartup::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("reminderMode");
    QTest::addColumn<bool>("noSizeLimit");
    QTest::newRow("none") << QStringList{"rerevid"} << false << false;
    QTest::newRow("/l in lower case") << QStringList{"rerevid", "/l"} << true << false;
    QTest::newRow("/k in lower case") << QStringList{"rerevid", "/k"} << false << true;
    QTest::newRow("both, in one word") << QStringList{"rerevid", "x/K/l"} << true << true;
    QTest::newRow("other text ignored") << QStringList{"rerevid", "--foo"} << false << false;
}

void TestStartup::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, reminderMode);
    QFETCH(bool, noSizeLimit);
    writeFile(dataPath(), kGood);
    ScriptedParaBox box;
    const ResultadoInicio result = Inicia(arguments, 24);
    // The reminder is off here, so reminder mode ends without a window.
    QCOMPARE(result.janelaAberta, !reminderMode);
    QCOMPARE(result.codigoSaida, 0);
    QCOMPARE(Programa().startup.SemLimiteTamanho, noSizeLimit);
    QCOMPARE(Programa().startup.LinhaComando, arguments.mid(1).join(' ').toUpper());
    QVERIFY(box.calls().isEmpty());
}

void TestStartup::colourDepth_data()
{
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("depthName"); // empty = no message
    QTest::addColumn<bool>("window");
    QTest::newRow("24 bits, no message") << 24 << 1 << "" << true;
    QTest::newRow("16 bits, no message") << 16 << 1 << "" << true;
    QTest::newRow("256 colours, OK goes on") << 8 << 1 << "256 bits" << true;
    QTest::newRow("256 colours, Cancel ends") << 8 << 2 << "256 bits" << false;
    QTest::newRow("16 colours") << 4 << 1 << "16 bits" << true;
}

void TestStartup::colourDepth()
{
    QFETCH(int, bits);
    QFETCH(int, answer);
    QFETCH(QString, depthName);
    QFETCH(bool, window);
    writeFile(dataPath(), kGood);
    ScriptedParaBox box;
    box.answer(answer);
    const ResultadoInicio result = Inicia({"rerevid"}, bits);
    QCOMPARE(result.janelaAberta, window);
    QCOMPARE(result.codigoSaida, 0);
    if (depthName.isEmpty()) {
        QVERIFY(box.calls().isEmpty());
        return;
    }
    QCOMPARE(box.calls().size(), 1);
    const ParaBoxArgs &call = box.calls().first();
    QCOMPARE(call.Titulo, QString("Windows Color Setting"));
    QVERIFY(call.Cabecalho.startsWith("The display adapter is set to " + depthName +
                                      " colors.\n\n"
                                      "This setting is insufficient to run Rerevid."));
    QVERIFY(call.Mensagem.endsWith("set the color depth to High Color (16 bits) or higher."));
    QCOMPARE(call.Botoes, 1);
    QCOMPARE(call.LarguraMinima, qint16(6700));
    QCOMPARE(call.AjudaID, qint16(300));
    if (!window) // the data file is not touched when the user quits first
        QVERIFY(!QFile::exists(backupPath()));
}

void TestStartup::reminderEndsSilently_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("days");
    QTest::addColumn<bool>("window");
    QTest::newRow("reminder off") << "0"
                                  << "7" << false;
    QTest::newRow("nothing in the next 3 days") << "3"
                                                << "3" << false;
    QTest::newRow("a birthday within 7 days") << "3"
                                              << "7" << true;
}

void TestStartup::reminderEndsSilently()
{
    QFETCH(QString, type);
    QFETCH(QString, days);
    QFETCH(bool, window);
    Clock::setToday(QDate(2026, 2, 27));
    writeFile(dataPath(), kGood); // Ana on 5 March
    GravaRegistro(Chave::Usuario, "ReminderType", type);
    GravaRegistro(Chave::Usuario, "ReminderDays", days);
    ScriptedParaBox box;
    const ResultadoInicio result = Inicia({"rerevid", "/L"}, 24);
    QCOMPARE(result.janelaAberta, window);
    QCOMPARE(result.codigoSaida, 0);
    QVERIFY(box.calls().isEmpty());
    if (window)
        QCOMPARE(Programa().startup.DataInicial, QDate(2026, 3, 5));
}

void TestStartup::captionCountsBirthdays_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("caption");
    QTest::newRow("none") << 0 << "Rerevid 1.1";
    QTest::newRow("one") << 1 << "Rerevid 1.1 - 1 birthday";
    QTest::newRow("many") << 1234 << "Rerevid 1.1 - 1,234 birthdays";
}

void TestStartup::captionCountsBirthdays()
{
    QFETCH(int, count);
    QFETCH(QString, caption);
    QByteArray xml = "<EVENTS>";
    for (int i = 0; i < count; ++i)
        xml += "<NIVER PESSOA=\"P\" APELIDO=\"P" + QByteArray::number(i) +
               "\" DIA=\"01\" MES=\"01\" ANO=\"\" EMAIL=\"\" FONE=\"\"/>";
    writeFile(dataPath(), xml + "</EVENTS>");
    QVERIFY(Inicia({"rerevid"}, 24).janelaAberta);
    QVERIFY(openCalendar());
    QCOMPARE(openCalendar()->windowTitle(), caption);
}

REREVID_GUI_TEST_MAIN(TestStartup)
#include "test_startup.moc"

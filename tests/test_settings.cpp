#include "TestSupport.h"

#include "app/Settings.h"

#include <QDir>

namespace {
const QString kProgram = QStringLiteral("/opt/Re rev\"id/rerevid");

void store(const char *name, const QString &value)
{
    GravaRegistro(Chave::Usuario, QString::fromLatin1(name), value);
}
} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void init() { TestSandbox::reset(); }
    void readWriteDistinguishesNothingFromEmpty();
    void valuesLiveInTheUserIniFile();
    void refresh_data();
    void refresh();
    void refreshRecordsPathAndVersion();
    void logonCommandIsQuoted();
    void deleteFailsWhenTheAutostartFolderIsUnusable();
};

void TestSettings::readWriteDistinguishesNothingFromEmpty()
{
    QVERIFY(!LeRegistro(Chave::Usuario, "ExportPath"));
    store("ExportPath", "");
    QCOMPARE(LeRegistro(Chave::Usuario, "ExportPath"), std::optional<QString>(QString()));
    store("ExportPath", "/media/usb/");
    QCOMPARE(*LeRegistro(Chave::Usuario, "ExportPath"), QString("/media/usb/"));
    QVERIFY(!DeleteRegValue(Chave::Usuario, "ExportPath"));
    QVERIFY(!LeRegistro(Chave::Usuario, "ExportPath"));
}

void TestSettings::valuesLiveInTheUserIniFile()
{
    store("ColorScheme", "4");
    GravaRegistro(Chave::Maquina, "Version", "1.1.0");
    const QString ini =
        QString::fromUtf8(readFile(TestSandbox::configFolder() + "/Rerevid/Rerevid.ini"));
    QVERIFY2(ini.contains("[General]\nColorScheme=4"), qPrintable(ini));
    QVERIFY2(ini.contains("[Machine]\nVersion=1.1.0"), qPrintable(ini));
}

void TestSettings::refresh_data()
{
    QTest::addColumn<QString>("type"); // "-" = missing
    QTest::addColumn<QString>("days");
    QTest::addColumn<bool>("entryBefore");
    QTest::addColumn<bool>("entryAfter");
    QTest::addColumn<int>("memoryType");
    QTest::addColumn<int>("memoryDays");
    QTest::newRow("first run: both missing, entry stays absent") << "-"
                                                                 << "-" << false << false << 0 << 0;
    QTest::newRow("off removes the entry") << "0"
                                           << "7" << true << false << 0 << 7;
    QTest::newRow("3 with 0 days counts as off") << "3"
                                                 << "0" << true << false << 3 << 0;
    QTest::newRow("3 with 7 days is on") << "3"
                                         << "7" << false << true << 3 << 7;
    QTest::newRow("1 with days missing is on") << "1"
                                               << "-" << false << true << 1 << 0;
    QTest::newRow("2 is on") << "2"
                             << "5" << false << true << 2 << 5;
    QTest::newRow("type not a number ends the refresh") << "abc"
                                                        << "7" << true << true << 0 << 0;
    QTest::newRow("empty days ends the refresh") << "3"
                                                 << "" << false << false << 3 << 0;
}

void TestSettings::refresh()
{
    QFETCH(QString, type);
    QFETCH(QString, days);
    QFETCH(bool, entryBefore);
    QFETCH(bool, entryAfter);
    QFETCH(int, memoryType);
    QFETCH(int, memoryDays);
    if (type != "-")
        store("ReminderType", type);
    if (days != "-")
        store("ReminderDays", days);
    if (entryBefore)
        AtualizaEntradaLogon(true, kProgram);
    ReminderSettings reminder;
    AtualizaRegistro("/opt/rerevid", kProgram, reminder);
    QCOMPARE(QFile::exists(CaminhoEntradaLogon()), entryAfter);
    QCOMPARE(int(reminder.ReminderType), memoryType);
    QCOMPARE(int(reminder.ReminderDays), memoryDays);
}

void TestSettings::refreshRecordsPathAndVersion()
{
    ReminderSettings reminder;
    AtualizaRegistro("/opt/rerevid", kProgram, reminder);
    QCOMPARE(*LeRegistro(Chave::Maquina, "Path"), QString("/opt/rerevid/"));
    QCOMPARE(*LeRegistro(Chave::Maquina, "Version"), QString("1.1.0"));
    // Moving the program: the next start records the new folder and command.
    store("ReminderType", "3");
    store("ReminderDays", "7");
    AtualizaRegistro("/usr/local/bin", "/usr/local/bin/rerevid", reminder);
    QCOMPARE(*LeRegistro(Chave::Maquina, "Path"), QString("/usr/local/bin/"));
    QCOMPARE(*LeRegistro(Chave::Logon, "Rerevid Reminder"),
             QString("\"/usr/local/bin/rerevid\" /L"));
}

void TestSettings::logonCommandIsQuoted()
{
    QCOMPARE(ComandoLogon("/home/ana/My Apps/rerevid"),
             QString("\"/home/ana/My Apps/rerevid\" /L"));
    QCOMPARE(ComandoLogon("/opt/a\"b$c%d\\e/rerevid"),
             QString("\"/opt/a\\\\\"b\\\\$c%%d\\\\\\\\e/rerevid\" /L"));
    AtualizaEntradaLogon(true, "/opt/rerevid/rerevid");
    const QString entry = QString::fromUtf8(readFile(CaminhoEntradaLogon()));
    QVERIFY(entry.startsWith("[Desktop Entry]\n"));
    QVERIFY(entry.contains("\nName=Rerevid Reminder\n"));
    QVERIFY(entry.contains("\nExec=\"/opt/rerevid/rerevid\" /L\n"));
    QVERIFY(entry.contains("\nType=Application\n"));
    QCOMPARE(CaminhoEntradaLogon(),
             TestSandbox::configFolder() + "/autostart/rerevid-reminder.desktop");
}

void TestSettings::deleteFailsWhenTheAutostartFolderIsUnusable()
{
    writeFile(TestSandbox::configFolder() + "/autostart", "not a folder");
    const std::optional<ErroRegistro> error = AtualizaEntradaLogon(false, kProgram);
    QVERIFY(error);
    QCOMPARE(error->numero, qint64(-2147215500));
    QCOMPARE(error->descricao, QString("RegOpenKeyEx failed!"));
    QCOMPARE(error->origem, QString("DeleteRegValue"));
}

REREVID_TEST_MAIN(TestSettings)
#include "test_settings.moc"

#include "TestSupport.h"

#include "app/Clock.h"
#include "data/BirthdayStore.h"
#include "dates/DateRules.h"

#include <QRandomGenerator>

#include <QDir>

namespace {

const QByteArray kFixture =
    "<EVENTS>"
    "<NIVER PESSOA=\"Bruno Lima\" APELIDO=\"Bruno\" DIA=\"05\" MES=\"03\" ANO=\"1975\" "
    "EMAIL=\"b@x.org\" FONE=\"123\"/>"
    "<NIVER PESSOA=\"Ana Souza\" APELIDO=\"ana\" DIA=\"05\" MES=\"03\" ANO=\"\" EMAIL=\"\" "
    "FONE=\"\"/>"
    "<NIVER PESSOA=\"Álvaro\" APELIDO=\"álvaro\" DIA=\"01\" MES=\"03\" ANO=\"2000\" EMAIL=\"\" "
    "FONE=\"\"/>"
    "<NIVER PESSOA=\"Carla\" APELIDO=\"Carla\" DIA=\"5\" MES=\"03\" ANO=\"\" EMAIL=\"\" FONE=\"\"/>"
    "<NIVER PESSOA=\"Davi\" APELIDO=\"Davi\" DIA=\"20\" MES=\"12\" ANO=\"\" EMAIL=\"\" FONE=\"\"/>"
    "<NIVER PESSOA=\"François\" APELIDO=\"françois\" DIA=\"14\" MES=\"07\" ANO=\"\" EMAIL=\"\" "
    "FONE=\"\"/>"
    "</EVENTS>";

QStringList aliases(const ListaNivers &list)
{
    QStringList names;
    for (const clsNiver &niver : list)
        names << niver.Apelido;
    return names;
}

} // namespace

class TestStore : public QObject {
    Q_OBJECT
private slots:
    void init();
    void newFileHoldsOnlyTheRoot();
    void anyRootIsAccepted();
    void unreadableFiles_data();
    void unreadableFiles();
    void consulta_data();
    void consulta();
    void procura_data();
    void procura();
    void addWritesTrimmedValuesInOrder();
    void incompleteRecordsRead();
    void missingAttributesAreAddedAfterTheOthers();
    void deleteRemovesAndSaves();
    void deleteOfNestedRecordFailsQuietly();
    void hostileTextRoundTrips();
    void failedSaveIsReportedAndKeepsTheFile();
    void failedCreationIsTold();
    void upcomingMatchesTheSortedList();

private:
    QString m_path;
    BirthdayStore m_store;
};

void TestStore::init()
{
    TestSandbox::reset();
    Clock::setToday(QDate(2026, 12, 11));
    m_path = TestSandbox::dataFolder() + "/Events.xml";
    writeFile(m_path, kFixture);
    QVERIFY(m_store.CarregaArquivo(m_path));
}

void TestStore::newFileHoldsOnlyTheRoot()
{
    BirthdayStore store;
    const QString path = TestSandbox::dataFolder() + "/New.xml";
    QVERIFY(store.CriaArquivo(path));
    QCOMPARE(readFile(path), QByteArray("<EVENTS/>"));
    QVERIFY(store.CarregaArquivo(path));
    QCOMPARE(store.ContaNivers(), 0);
}

void TestStore::anyRootIsAccepted()
{
    writeFile(m_path,
              "<BIRTHDAYS><NIVER PESSOA=\"A\" APELIDO=\"A\" DIA=\"01\" MES=\"01\"/></BIRTHDAYS>");
    QVERIFY(m_store.CarregaArquivo(m_path));
    QCOMPARE(m_store.ContaNivers(), 1);
    m_store.IncluiNiver();
    QVERIFY(m_store.AlteraNiver("B", "B", "02", "01", "", "", ""));
    QCOMPARE(readFile(m_path),
             QByteArray("<BIRTHDAYS><NIVER PESSOA=\"A\" APELIDO=\"A\" DIA=\"01\" MES=\"01\"/>"
                        "<NIVER PESSOA=\"B\" APELIDO=\"B\" DIA=\"02\" MES=\"01\" ANO=\"\" "
                        "EMAIL=\"\" FONE=\"\"/>"
                        "</BIRTHDAYS>"));
}

void TestStore::unreadableFiles_data()
{
    QTest::addColumn<QByteArray>("content"); // written as the data file unless "dir" or "missing"
    QTest::addColumn<bool>("parserError");
    QTest::newRow("empty file") << QByteArray() << true;
    QTest::newRow("not XML") << QByteArray("hello, world") << true;
    QTest::newRow("unclosed root") << QByteArray("<EVENTS><NIVER") << true;
    QTest::newRow("binary") << QByteArray("\x00\x01\xff\xfe<\x00\x02", 7) << true;
    QTest::newRow("directory") << QByteArray("dir") << false;
    QTest::newRow("missing") << QByteArray("missing") << false;
}

void TestStore::unreadableFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, parserError);
    const QString path = TestSandbox::dataFolder() + "/Bad.xml";
    if (content == "dir")
        QDir().mkpath(path);
    else if (content != "missing")
        writeFile(path, content);
    BirthdayStore store;
    QVERIFY(!store.CarregaArquivo(path));
    const ErroArquivo &error = store.UltimoErro();
    if (parserError) {
        QVERIFY(error.codigoParser != 0);
        QVERIFY(!error.motivoParser.isEmpty());
    } else {
        QCOMPARE(error.codigoParser, 0);
        QVERIFY(error.numero != 0);
        QVERIFY(!error.descricao.isEmpty());
    }
    QCOMPARE(store.ContaNivers(), 0);
    QVERIFY(store.ConsultaNivers({}, {}, 1).isEmpty());
    QVERIFY(!store.ProcuraNiver({}, {}, "Ana"));
}

void TestStore::consulta_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("order");
    QTest::addColumn<QStringList>("expected");
    const QStringList fileOrder{"Bruno", "ana", "álvaro", "Carla", "Davi", "françois"};
    QTest::newRow("all in file order") << ""
                                       << "" << 0 << fileOrder;
    QTest::newRow("a day without month means all") << "05"
                                                   << "" << 0 << fileOrder;
    QTest::newRow("March by date, same day keeps file order")
        << ""
        << "03" << 1 << QStringList{"álvaro", "Bruno", "ana", "Carla"}; // "035" sorts after "0305"
    QTest::newRow("day and month compare exact text") << "05"
                                                      << "03" << 0 << QStringList{"Bruno", "ana"};
    QTest::newRow("by alias ignores case")
        << ""
        << "" << 3 << QStringList{"álvaro", "ana", "Bruno", "Carla", "Davi", "françois"};
    QTest::newRow("all by date") << ""
                                 << "" << 1 << QStringList{"álvaro", "Bruno",    "ana",
                                                           "Carla",  "françois", "Davi"};
    QTest::newRow("unknown order keeps file order")
        << ""
        << "03" << 2 << QStringList{"Bruno", "ana", "álvaro", "Carla"};
    QTest::newRow("quote in the month finds nothing") << ""
                                                      << "0'3" << 0 << QStringList{};
}

void TestStore::consulta()
{
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(int, order);
    QFETCH(QStringList, expected);
    QCOMPARE(aliases(m_store.ConsultaNivers(day, month, order)), expected);
}

void TestStore::procura_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("alias");
    QTest::addColumn<QString>("found"); // empty = nothing found
    QTest::newRow("accented capitals") << ""
                                       << ""
                                       << "ÁLVARO"
                                       << "álvaro";
    QTest::newRow("other capitals") << ""
                                    << ""
                                    << "bRuNo"
                                    << "Bruno";
    QTest::newRow("all empty finds nothing") << ""
                                             << ""
                                             << ""
                                             << "";
    QTest::newRow("day and month only: the day's first") << "05"
                                                         << "03"
                                                         << ""
                                                         << "Bruno";
    QTest::newRow("day, month and alias") << "05"
                                          << "03"
                                          << "ANA"
                                          << "ana";
    QTest::newRow("alias on another day") << "06"
                                          << "03"
                                          << "ana"
                                          << "";
    QTest::newRow("leading blank is not the alias") << ""
                                                    << ""
                                                    << " ana"
                                                    << "";
    QTest::newRow("exact spelling with ç finds itself") << ""
                                                        << ""
                                                        << "françois"
                                                        << "françois";
    QTest::newRow("double quote finds nothing, no error") << ""
                                                          << ""
                                                          << "an\"a"
                                                          << "";
    QTest::newRow("apostrophe finds nothing, no error") << ""
                                                        << ""
                                                        << "an'a"
                                                        << "";
    QTest::newRow("injection attempt") << ""
                                       << ""
                                       << "x\" or \"1\"=\"1"
                                       << "";
    QTest::newRow("injection in the day") << "05' or '1'='1"
                                          << "03"
                                          << ""
                                          << "";
}

void TestStore::procura()
{
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, alias);
    QFETCH(QString, found);
    const std::optional<clsNiver> niver = m_store.ProcuraNiver(day, month, alias);
    QCOMPARE(niver ? niver->Apelido : QString(), found);
}

void TestStore::addWritesTrimmedValuesInOrder()
{
    m_store.IncluiNiver();
    QVERIFY(m_store.AlteraNiver("  Eva Maria ", " Eva", "05", "03", "", " e@x.org ", ""));
    QVERIFY(m_store.NiverAtual);
    QCOMPARE(m_store.NiverAtual->Pessoa, QString("Eva Maria"));
    QCOMPARE(m_store.NiverAtual->Idade, QString());
    QVERIFY(readFile(m_path).endsWith(
        "<NIVER PESSOA=\"Eva Maria\" APELIDO=\"Eva\" DIA=\"05\" MES=\"03\" ANO=\"\" "
        "EMAIL=\"e@x.org\" FONE=\"\"/></EVENTS>"));
    QCOMPARE(m_store.ContaNivers(), 7);

    m_store.IncluiNiver();
    QVERIFY(m_store.AlteraNiver("Fia", "Fia", "01", "01", "1990", "", ""));
    QCOMPARE(m_store.NiverAtual->Idade, QString("36"));
}

void TestStore::incompleteRecordsRead()
{
    writeFile(m_path,
              "<EVENTS>"
              "<NIVER PESSOA=\"A\" APELIDO=\"a\" DIA=\"01\" MES=\"02\"/>"
              "<NIVER PESSOA=\"B\" APELIDO=\"b\" DIA=\"01\" MES=\"02\" ANO=\"abc\" FONE=\"9\"/>"
              "<NIVER APELIDO=\"c\" DIA=\"01\" MES=\"02\" ANO=\"2000\"/>"
              "<NIVER PESSOA=\"D\" APELIDO=\"d\" DIA=\"01\" MES=\"02\" ANO=\"1990\"/>"
              "</EVENTS>");
    QVERIFY(m_store.CarregaArquivo(m_path));
    const ListaNivers list = m_store.ConsultaNivers({}, {}, 0);
    QCOMPARE(list.size(), 4);
    QCOMPARE(list[0].Ano, QString());
    QCOMPARE(list[0].Email, QString());
    QCOMPARE(list[1].Ano, QString("abc"));
    QCOMPARE(list[1].Idade, QString()); // not a number: no age, the rest is read
    QCOMPARE(list[1].Fone, QString("9"));
    QCOMPARE(list[2].Apelido, QString()); // no PESSOA: all fields stay empty
    QCOMPARE(list[2].Ano, QString());
    QCOMPARE(list[3].Idade, QString("36"));
}

void TestStore::missingAttributesAreAddedAfterTheOthers()
{
    writeFile(m_path, "<EVENTS><NIVER PESSOA=\"A\" APELIDO=\"a\" DIA=\"01\" MES=\"02\"/></EVENTS>");
    QVERIFY(m_store.CarregaArquivo(m_path));
    m_store.NiverAtual = m_store.ProcuraNiver({}, {}, "a");
    QVERIFY(m_store.AlteraNiver("A", "a", "01", "02", "", "a@x.org", ""));
    QCOMPARE(readFile(m_path),
             QByteArray("<EVENTS><NIVER PESSOA=\"A\" APELIDO=\"a\" DIA=\"01\" "
                        "MES=\"02\" ANO=\"\" EMAIL=\"a@x.org\" FONE=\"\"/></EVENTS>"));
}

void TestStore::deleteRemovesAndSaves()
{
    m_store.NiverAtual = m_store.ProcuraNiver("05", "03", "ana");
    QVERIFY(m_store.ExcluiNiver());
    QCOMPARE(m_store.ContaNivers(), 5);
    BirthdayStore reread;
    QVERIFY(reread.CarregaArquivo(m_path));
    QVERIFY(!reread.ProcuraNiver({}, {}, "ana"));
    QCOMPARE(reread.ContaNivers(), 5);
}

void TestStore::deleteOfNestedRecordFailsQuietly()
{
    const QByteArray nested = "<EVENTS><GROUP><NIVER PESSOA=\"A\" APELIDO=\"a\" DIA=\"01\" "
                              "MES=\"02\"/></GROUP></EVENTS>";
    writeFile(m_path, nested);
    QVERIFY(m_store.CarregaArquivo(m_path));
    m_store.NiverAtual = m_store.ProcuraNiver({}, {}, "a");
    QVERIFY(m_store.NiverAtual);
    QVERIFY(!m_store.ExcluiNiver());
    QCOMPARE(readFile(m_path), nested);
    QCOMPARE(m_store.ContaNivers(), 1);
}

void TestStore::hostileTextRoundTrips()
{
    QString big;
    for (int i = 0; i < 100 * 1024 / 8; ++i)
        big += QStringLiteral("<&'\"x>;\t");
    big += QStringLiteral("end"); // the store trims values, so no blank at the end
    const QStringList values{
        QStringLiteral("O\"Neil & <Sons> 'quoted'"),
        QStringLiteral("line one\nline two\r\nthree\ttab"),
        QStringLiteral("Zoë 日本語 Ελένη مرحبا 😀 ç ñ"),
        QStringLiteral("x'><img src=y>"),
        QStringLiteral("&amp; ]]> <!-- -->"),
        big,
        QStringLiteral("  trailing text kept inside  ").trimmed(),
    };
    for (const QString &value : values) {
        m_store.IncluiNiver();
        QVERIFY(m_store.AlteraNiver(value, value, "09", "09", "", value, value));
    }
    BirthdayStore reread;
    QVERIFY(reread.CarregaArquivo(m_path));
    const ListaNivers list = reread.ConsultaNivers("09", "09", 0);
    QCOMPARE(list.size(), values.size());
    for (qsizetype i = 0; i < values.size(); ++i) {
        QCOMPARE(list[i].Pessoa, values[i]);
        QCOMPARE(list[i].Apelido, values[i]);
        QCOMPARE(list[i].Email, values[i]);
        QCOMPARE(list[i].Fone, values[i]);
        QVERIFY(reread.ProcuraNiver("09", "09", values[i]));
    }
}

void TestStore::failedSaveIsReportedAndKeepsTheFile()
{
    const QString moved = TestSandbox::root() + "/data/Elsewhere";
    QVERIFY(QDir().rename(TestSandbox::dataFolder(), moved));
    m_store.NiverAtual = m_store.ProcuraNiver({}, {}, "Davi");
    QVERIFY(!m_store.AlteraNiver("Davi", "Davi", "21", "12", "", "", ""));
    QVERIFY(!m_store.UltimoErro().descricao.isEmpty());
    // The change stays in memory; the file on disk is untouched.
    QCOMPARE(aliases(m_store.ConsultaNivers("21", "12", 0)), QStringList{"Davi"});
    QCOMPARE(readFile(moved + "/Events.xml"), kFixture);
    QVERIFY(!m_store.ExcluiNiver());
}

void TestStore::failedCreationIsTold()
{
    ScriptedParaBox box;
    BirthdayStore store;
    const QString path = TestSandbox::root() + "/no/such/folder/Events.xml";
    QVERIFY(!store.CriaArquivo(path));
    QCOMPARE(box.calls().size(), 1);
    const ParaBoxArgs &call = box.calls().first();
    QCOMPARE(call.Titulo, QString("Create data file"));
    QCOMPARE(call.Cabecalho,
             QString("There was an error while creating the data file \"Events.xml\"."));
    QVERIFY(call.Mensagem.startsWith("Error "));
    QCOMPARE(call.Icone, 16);
    QCOMPARE(call.LarguraMinima, qint16(5800));
    QCOMPARE(call.AjudaID, qint16(1600));
    QVERIFY(!QFile::exists(path));
}

// The upcoming birthdays read lazily must be the list of all birthdays by date,
// turned to start at today, for awkward data too.
void TestStore::upcomingMatchesTheSortedList()
{
    QRandomGenerator random(7);
    QByteArray xml = "<EVENTS>";
    const char *odd[] = {"5", "", " 7", "x", "123", "1é", "04"};
    for (int i = 0; i < 400; ++i) {
        const bool weird = random.bounded(10) == 0;
        const QByteArray day =
            weird ? QByteArray(odd[random.bounded(7)])
                  : QByteArray::number(random.bounded(1, 29)).rightJustified(2, '0');
        const QByteArray month =
            weird ? QByteArray(odd[random.bounded(7)])
                  : QByteArray::number(random.bounded(1, 13)).rightJustified(2, '0');
        xml += "<NIVER PESSOA=\"P\" APELIDO=\"A" + QByteArray::number(i) + "\" DIA=\"" + day +
               "\" MES=\"" + month + "\"/>";
    }
    xml += "<NIVER APELIDO=\"nameless\" DIA=\"01\" MES=\"01\"/></EVENTS>";
    writeFile(m_path, xml);
    QVERIFY(m_store.CarregaArquivo(m_path));
    for (const QDate &today : {QDate(2026, 1, 1), QDate(2026, 6, 15), QDate(2026, 12, 31)}) {
        const ListaNivers byDate = m_store.ConsultaNivers({}, {}, OrdemPorData);
        qsizetype k = 0;
        for (; k < byDate.size(); ++k) {
            const int m = ValorInteiro(byDate[k].Mes);
            const int d = ValorInteiro(byDate[k].Dia);
            if (m > today.month() || (m == today.month() && d >= today.day()))
                break;
        }
        if (k == byDate.size())
            k = 0;
        const ListaNivers expected = byDate.mid(k) + byDate.mid(0, k);
        int total = 0;
        const ListaNivers got = m_store.ProximosNivers(today, 50, &total);
        QCOMPARE(total, 401);
        QCOMPARE(got.size(), 50);
        for (int i = 0; i < 50; ++i)
            QCOMPARE(got[i].Node, expected[i].Node);
    }
}

REREVID_TEST_MAIN(TestStore)
#include "test_store.moc"

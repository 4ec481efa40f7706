#include "TestSupport.h"

#include "text/TextRoutines.h"
#include "text/TextTable.h"

#include <QDirIterator>
#include <QRegularExpression>

class TestTexts : public QObject {
    Q_OBJECT
private slots:
    void montaTexto_data();
    void montaTexto();
    void formataNome_data();
    void formataNome();
    void pastaDoArquivo_data();
    void pastaDoArquivo();
    void ajustaPixel();
    void nameTables();
    void everyTextTheCodeAsksForExists();
};

void TestTexts::montaTexto_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QVariantList>("pairs");
    QTest::addColumn<QString>("expected");

    QTest::newRow("placeholder inside quotes")
        << 205 << QVariantList{"|1", "Events"}
        << "Error while opening the data file \"Events.xml\".";
    QTest::newRow("two pairs, folder on the last line")
        << 213 << QVariantList{"|1", "Events", "|2", "/home/ana/.local/share/Rerevid"}
        << "In order to restore the data file, the backup copy \"Events.bak\" should be in the "
           "folder: \n\n/home/ana/.local/share/Rerevid";
    QTest::newRow("no pairs leaves placeholders")
        << 378 << QVariantList{} << "Type a value between |1 and |2.";
    QTest::newRow("numbers as values")
        << 378 << QVariantList{"|1", 1800, "|2", 2199} << "Type a value between 1800 and 2199.";
    QTest::newRow("a value holding a later placeholder is replaced again")
        << 378 << QVariantList{"|1", "|2", "|2", "x"} << "Type a value between x and x.";
    QTest::newRow("odd pair count ignores the last item")
        << 366 << QVariantList{"|1", "Ana", "|2"} << "Delete Ana's birthday?";
}

void TestTexts::montaTexto()
{
    QFETCH(int, id);
    QFETCH(QVariantList, pairs);
    QFETCH(QString, expected);
    QCOMPARE(MontaTexto(id, pairs), expected);
}

void TestTexts::formataNome_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("junk only") << "  12 -- ?! 3 "
                               << "";
    QTest::newRow("leading junk, double blank") << "  3ana  maria"
                                                << "Ana maria";
    QTest::newRow("accented capital kept") << "Érica"
                                           << "Érica";
    QTest::newRow("accented small letter starts a name") << "élise"
                                                         << "Élise";
    QTest::newRow("leading Æ removed") << "Æsa"
                                       << "Sa";
    QTest::newRow("leading Ø removed") << "Øyvind"
                                       << "Yvind";
    QTest::newRow("leading ß removed") << "ßarah"
                                       << "Arah";
    QTest::newRow("markup characters removed") << "jo\"ão <b>&amp;"
                                               << "João bamp;";
    QTest::newRow("trailing blank left by removal stays") << "ana &"
                                                          << "Ana ";
    QTest::newRow("four blanks collapse to one") << "ana    b"
                                                 << "Ana b";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("rest keeps its case") << "mARIA"
                                         << "MARIA";
}

void TestTexts::formataNome()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QCOMPARE(FormataNome(typed), expected);
}

void TestTexts::pastaDoArquivo_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("folder and file") << "/media/usb/Events_backup.xml"
                                     << "/media/usb/";
    QTest::newRow("bare file name") << "Events.xml"
                                    << "Events.xml";
    QTest::newRow("file at the root") << "/Events.xml"
                                      << "/";
}

void TestTexts::pastaDoArquivo()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(PastaDoArquivo(path), expected);
}

void TestTexts::ajustaPixel()
{
    QCOMPARE(AjustaPixelX(100), 90.0);
    QCOMPARE(AjustaPixelY(100), 90.0);
    QCOMPARE(AjustaPixelX(150), 150.0);
    QCOMPARE(AjustaPixelX(-20), -15.0); // truncated towards zero
}

void TestTexts::nameTables()
{
    InicializaTabelas();
    QCOMPARE(NomeMes(1), QString("January"));
    QCOMPARE(NomeMes(12), QString("December"));
    QCOMPARE(NomeDiaSemana(1), QString("Sunday"));
    QCOMPARE(NomeDiaSemana(7), QString("Saturday"));
    QCOMPARE(DiasDoMes(2), 28);
    QCOMPARE(DiasDoMes(12), 31);
    QCOMPARE(Texto(1), QString("rerevid"));
    QCOMPARE(Texto(456), QString(" Notify me with antecedence of ")); // blanks kept
    QCOMPARE(Texto(209).count('\n'), 4);
}

// Scans the program's sources for text IDs and checks each is in the table.
void TestTexts::everyTextTheCodeAsksForExists()
{
    const QRegularExpression call(
        QStringLiteral(R"(\b(?:Texto|MontaTexto|TextoExiste)\((\d+)\s*[,)])"));
    QSet<int> asked;
    QDirIterator it(QStringLiteral(REREVID_SOURCE_DIR "/src"), {"*.cpp", "*.h"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = QString::fromUtf8(readFile(it.next()));
        for (const QRegularExpressionMatch &m : call.globalMatch(source))
            asked.insert(m.captured(1).toInt());
    }
    QVERIFY2(asked.contains(1452), "the scan missed a known text ID: is the source folder right?");
    // IDs the code computes: names, signs, the Chinese New Year table.
    for (int id = 101; id <= 143; ++id)
        asked.insert(id);
    for (int id = 1800; id <= 2199; ++id)
        asked.insert(id);
    QStringList missing;
    for (int id : std::as_const(asked)) {
        if (!TextoExiste(id))
            missing << QString::number(id);
    }
    QVERIFY2(missing.isEmpty(), qPrintable("missing texts: " + missing.join(", ")));
}

REREVID_TEST_MAIN(TestTexts)
#include "test_texts.moc"

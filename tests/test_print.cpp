#include "TestSupport.h"

#include "app/Clock.h"
#include "app/DataFile.h"
#include "app/ProgramState.h"
#include "data/BirthdayStore.h"
#include "list/PrintPage.h"
#include "list/Printing.h"
#include "list/frmListagem.h"
#include "list/frmPrint.h"
#include "menus/Menus.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextDocument>

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestPrint : public QObject {
    Q_OBJECT
private slots:
    void init();
    void letterGroups_data();
    void letterGroups();
    void lines_data();
    void lines();
    void listStyle();
    void tableStyles();
    void pageFile();
    void unwritablePageIsTold();
    void previewOptions();
    void directPrintToPdf();
};

void TestPrint::init()
{
    TestSandbox::reset();
    Programa() = ProgramState{};
    Clock::setToday(QDate(2026, 12, 11));
    QDir().mkpath(Caminhos().pasta);
}

void TestPrint::letterGroups_data()
{
    QTest::addColumn<QString>("alias");
    QTest::addColumn<int>("group");
    QTest::newRow("A") << "Ana" << 1;
    QTest::newRow("small á") << "álvaro" << 1;
    QTest::newRow("Ç") << "çeci" << 2;
    QTest::newRow("Ï") << "Ïsa" << 5;
    QTest::newRow("W") << "Walt" << 11;
    QTest::newRow("Â is not in A - B") << "Ângela" << 12;
    QTest::newRow("Ñ") << "Ñandu" << 12;
    QTest::newRow("digit") << "2Pac" << 12;
    QTest::newRow("empty") << "" << 12;
}

void TestPrint::letterGroups()
{
    QFETCH(QString, alias);
    QFETCH(int, group);
    QCOMPARE(GrupoLetra(alias), group);
    QCOMPARE(NomeGrupoLetra(12), QString("X - Y - Z"));
}

void TestPrint::lines_data()
{
    QTest::addColumn<bool>("email");
    QTest::addColumn<bool>("phone");
    QTest::addColumn<bool>("age");
    QTest::addColumn<QString>("recordEmail");
    QTest::addColumn<QString>("recordPhone");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("expected");
    const QString start = "Mon 05 Jan - Ana";
    QTest::newRow("both, with both") << true << true << false << "a@x.org"
                                     << "555"
                                     << "" << start + "  | a@x.org | 555<br>";
    QTest::newRow("both, only a phone") << true << true << false << ""
                                        << "555"
                                        << "" << start + " 555<br>";
    QTest::newRow("both, neither") << true << true << false << ""
                                   << ""
                                   << "" << start + " <br>";
    QTest::newRow("phone only, with a phone") << false << true << false << "a@x.org"
                                              << "555"
                                              << "" << start + "  | 555<br>";
    QTest::newRow("e-mail only") << true << false << false << "a@x.org"
                                 << "555"
                                 << "" << start + "  | a@x.org<br>";
    QTest::newRow("both off") << false << false << false << "a@x.org"
                              << "555"
                              << "" << start + "<br> ";
    QTest::newRow("age with a year") << false << false << true << ""
                                     << ""
                                     << "1970" << start + " (56 years)<br> ";
    QTest::newRow("age without a year") << false << false << true << ""
                                        << ""
                                        << "" << start + "<br> ";
    QTest::newRow("escaped") << true << false << false << "<b>x@y.z"
                             << ""
                             << "" << start + "  | &lt;b&gt;x@y.z<br>";
}

void TestPrint::lines()
{
    QFETCH(bool, email);
    QFETCH(bool, phone);
    QFETCH(bool, age);
    QFETCH(QString, recordEmail);
    QFETCH(QString, recordPhone);
    QFETCH(QString, year);
    QFETCH(QString, expected);
    const clsNiver r = Registro("Ana", "05", "01", year, recordEmail, recordPhone);
    QCOMPARE(LinhaNiver(r, {email, phone, age}, QDate(2026, 12, 11)), expected);
}

void TestPrint::listStyle()
{
    const QDate today(2026, 12, 11);
    const OpcoesImpressao none{false, false, false};
    const QStringList empty = PaginaImpressao({}, 1, 0, 1, none, today);
    QCOMPARE(empty.size(), 3); // the three head lines only
    QVERIFY(empty[0].startsWith("<html>"));
    QVERIFY(empty[0].contains("charset=utf-8"));
    QCOMPARE(empty[1], QString("<body>"));

    const QStringList byAlias = PaginaImpressao(
        {Registro("Ana", "05", "01"), Registro("anna", "06", "01"), Registro("Bia", "07", "03")}, 3,
        0, 1, none, today);
    QCOMPARE(byAlias.mid(3, 2)[1], QString("<br>")); // the first alias still gets a break
    QCOMPARE(byAlias.count("<br>"), 2);
    QCOMPARE(byAlias.last(), QString("</td></tr></table></div></body></html>"));

    const QStringList march = PaginaImpressao({Registro("Bia", "07", "03")}, 1, 0, 1, none, today);
    QCOMPARE(march[4], QString("<br>"));
    const QStringList january =
        PaginaImpressao({Registro("Ana", "05", "01")}, 1, 0, 1, none, today);
    QVERIFY(january[4] != "<br>");
}

void TestPrint::tableStyles()
{
    const QDate today(2026, 12, 11);
    const OpcoesImpressao none{false, false, false};
    const QStringList byAlias =
        PaginaImpressao({Registro("Ângela", "05", "01"), Registro("Ñandu", "06", "01"),
                         Registro("7even", "07", "03"), Registro("Ana", "08", "03")},
                        3, 0, 2, none, today);
    const QString page = byAlias.join('\n');
    const qsizetype xyz = page.indexOf("X - Y - Z");
    QVERIFY(xyz > 0);
    const QString lastCell = page.mid(page.lastIndexOf("<td valign='top'>"));
    QVERIFY(lastCell.contains("Ângela") && lastCell.contains("Ñandu") &&
            lastCell.contains("7even"));
    QCOMPARE(byAlias.count("&nbsp;"), 10); // the ten groups without birthdays
    QCOMPARE(byAlias.count("</tr><tr>"), 7);

    const QStringList byMonth =
        PaginaImpressao({Registro("Ana", "05", "01")}, 1, 0, 2, none, today);
    QVERIFY(byMonth.contains("<td width='25%' bgcolor='#EEEEEE'><center><b>January</td>"));
    QCOMPARE(byMonth.count("&nbsp;"), 11);

    const QStringList oneMonth = PaginaImpressao(
        {Registro("Ana", "05", "01"), Registro("Bo", "09", "01")}, 1, 1, 2, none, today);
    QVERIFY(oneMonth.contains("<td bgcolor='#EEEEEE'><center><b>January</td>"));
    QCOMPARE(oneMonth.last(), QString("</tr></table></div></body></html>"));
}

void TestPrint::pageFile()
{
    const QString path = CaminhoPaginaImpressao();
    QCOMPARE(path, Caminhos().pasta + "/List.html");
    writeFile(path,
              "an earlier page that is much longer than the new one ...........................");
    QVERIFY(GeraPaginaImpressao({Registro("Zoë 日本", "05", "01")}, path, 1, 0, 1, {}));
    const QByteArray bytes = readFile(path);
    QVERIFY(bytes.startsWith("<html>"));
    QVERIFY(bytes.contains("\r\n<body>\r\n"));
    QVERIFY(bytes.endsWith("</html>\r\n"));
    QVERIFY(QString::fromUtf8(bytes).contains("Zoë 日本"));
    QVERIFY(!bytes.contains("earlier"));
}

void TestPrint::unwritablePageIsTold()
{
    ScriptedParaBox box;
    QVERIFY(!GeraPaginaImpressao({Registro("Ana", "05", "01")},
                                 TestSandbox::root() + "/none/List.html", 1, 0, 1, {}));
    QCOMPARE(box.calls().size(), 1);
    const ParaBoxArgs &call = box.calls().first();
    QCOMPARE(call.Titulo, QString("Print the Birthday List"));
    QCOMPARE(call.Cabecalho, QString("Print error"));
    QVERIFY(call.Mensagem.startsWith("Error "));
    QVERIFY(call.Mensagem.contains(": "));
    QCOMPARE(call.Icone, 16);
    QCOMPARE(call.LarguraMinima, qint16(6000));
}

void TestPrint::previewOptions()
{
    Programa().print.ListaImpressao = {Registro("Ana", "05", "01", "1970", "a@x.org", "555")};
    frmPrint preview;
    QCOMPARE(preview.windowTitle(), QString("Rerevid - Birthday List - Print Preview"));
    QCOMPARE(preview.minimumSize(), frmPrint::TamanhoProjeto);
    QAction *email = AcaoDaChave(preview.mnuOpcoes, "email");
    QAction *phone = AcaoDaChave(preview.mnuOpcoes, "fone");
    QAction *age = AcaoDaChave(preview.mnuOpcoes, "idade");
    QVERIFY(email->isChecked() && phone->isChecked() && !age->isChecked());
    age->trigger(); // the menu toggles it; the page follows
    QVERIFY(age->isChecked());
    QVERIFY(preview.WebBrowser1->toPlainText().contains("(56 years)"));
    preview.EscolheEstilo(2);
    QVERIFY(!email->isChecked() && !email->isEnabled());
    QVERIFY(!phone->isChecked() && !phone->isEnabled());
    QVERIFY(age->isChecked()); // the age keeps its state
    QVERIFY(!preview.WebBrowser1->toPlainText().contains("a@x.org"));
    preview.EscolheEstilo(1);
    QVERIFY(email->isChecked() && email->isEnabled() && phone->isChecked());
    QVERIFY(age->isChecked());
    QVERIFY(preview.WebBrowser1->toPlainText().contains("a@x.org"));
}

void TestPrint::directPrintToPdf()
{
    writeFile(Caminhos().dados, "<EVENTS/>");
    QVERIFY(Store().CarregaArquivo(Caminhos().dados));
    frmListagem list;
    for (int i = 0; i < 150; ++i)
        list.Nivers << Registro(QString("Person %1").arg(i, 3, 10, QChar('0')), "05", "01", {},
                                "p@x.org", "555");
    const QString pdf = TestSandbox::root() + "/list.pdf";
    bool previewShown = false;
    const PrintDialogResponder previous =
        DefinePrintDialogResponder([&](QPrinter &printer, QWidget *) {
            for (QWidget *w : QApplication::topLevelWidgets())
                previewShown |= qobject_cast<frmPrint *>(w) && w->isVisible();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        });
    list.ImprimeLista(false);
    DefinePrintDialogResponder(previous);
    QVERIFY(!previewShown);
    QVERIFY(QFile::exists(pdf));

    const QString info = run("pdfinfo", {pdf});
    const QRegularExpression pagesLine("Pages:\\s+(\\d+)");
    const int pages = pagesLine.match(info).captured(1).toInt();
    QVERIFY2(pages >= 2, qPrintable(info));
    const QString text = run("pdftotext", {"-layout", pdf, "-"});
    QVERIFY2(text.contains("Rerevid - Birthday List"), qPrintable(text.left(500)));
    QVERIFY(text.contains("Sheet 1/" + QString::number(pages)));
    QVERIFY(text.contains(QString("Sheet %1/%1").arg(pages)));
    QVERIFY(text.contains("a free program by the Rerevid developers"));
    QVERIFY(text.contains(QLocale().toString(QDate(2026, 12, 11), QLocale::ShortFormat)));
    QVERIFY(text.contains("Person 000") && text.contains("Person 149"));
    if (const QByteArray shots = qgetenv("REREVID_SHOTS"); !shots.isEmpty())
        QFile::copy(pdf, QString::fromLocal8Bit(shots) + "/list.pdf");

    // A cancelled print dialog prints nothing and is no failure.
    QFile::remove(pdf);
    DefinePrintDialogResponder([](QPrinter &, QWidget *) { return false; });
    QTextDocument document("x");
    QVERIFY(Imprime(document, nullptr));
    DefinePrintDialogResponder(previous);
    QVERIFY(!QFile::exists(pdf));
}

REREVID_GUI_TEST_MAIN(TestPrint)
#include "test_print.moc"

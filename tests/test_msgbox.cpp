#include "TestSupport.h"

#include "menus/Help.h"
#include "msgbox/ParaBoxLayout.h"
#include "msgbox/frmParaBox.h"
#include "platform/Sound.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int m = ParaBoxLayout::Margin;
constexpr int bw = ParaBoxLayout::ButtonWidth;

ParaBoxLayoutInput fixedTexts(bool heading, bool message)
{
    ParaBoxLayoutInput in;
    in.heading = heading;
    in.message = message;
    in.headingHeight = [](int) { return 13; };
    in.messageHeight = [](int width) { return width < 200 ? 52 : 26; };
    return in;
}

ParaBoxArgs box(int set, int defaultButton = 1)
{
    ParaBoxArgs args;
    args.Titulo = "Test";
    args.Cabecalho = "Heading";
    args.Mensagem = "Message";
    args.Botoes = set;
    args.BotaoPadrao = defaultButton;
    return args;
}

void activate(QWidget &window)
{
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

} // namespace

class TestMsgBox : public QObject {
    Q_OBJECT
private slots:
    void init() { TestSandbox::reset(); }

    void layoutWithoutTexts();
    void layoutWidths_data();
    void layoutWidths();
    void layoutStacksControls();
    void layoutButtonRow_data();
    void layoutButtonRow();

    void buttonsOfEachSet_data();
    void buttonsOfEachSet();
    void answers_data();
    void answers();
    void escape_data();
    void escape();
    void enterPressesTheDefaultButton_data();
    void enterPressesTheDefaultButton();
    void inputField();
    void helpButtonKeepsTheBoxOpen();
    void captionAndIcon_data();
    void captionAndIcon();
    void autoCloseTimer();
    void topmostWhenNoWindowIsVisible();
    void paraBoxGoesThroughTheSeam();
};

void TestMsgBox::layoutWithoutTexts()
{
    ParaBoxLayoutInput in = fixedTexts(false, false);
    const ParaBoxLayout out = CalculaLayoutParaBox(in);
    QCOMPARE(out.buttons[0], QRect(m, m, bw, 21));
    QCOMPARE(out.outer, QSize(bw + 2 * m, m + 21 + m)); // one button row and two margins
    QVERIFY(out.buttons[1].isEmpty());
}

void TestMsgBox::layoutWidths_data()
{
    QTest::addColumn<int>("set");
    QTest::addColumn<bool>("help");
    QTest::addColumn<int>("captionWidth");
    QTest::addColumn<int>("minimumWidth");
    QTest::addColumn<int>("labelWidth");
    QTest::addColumn<int>("outerWidth");
    // One label: it grows by half a margin past W (label right edge + 1.5 m).
    QTest::newRow("set 0") << 0 << false << 40 << 0 << bw << bw + 2 * m + 5;
    QTest::newRow("set 1") << 1 << false << 40 << 0 << 2 * bw + m << 2 * bw + 3 * m + 5;
    QTest::newRow("set 3 with help")
        << 3 << true << 40 << 0 << 4 * bw + 3 * m << 4 * bw + 5 * m + 5;
    QTest::newRow("long caption") << 0 << false << 400 << 0 << 400 + m - 2 * m << 400 + m + 5;
    QTest::newRow("minimum below W changes nothing")
        << 1 << false << 40 << 100 << 2 * bw + m << 2 * bw + 3 * m + 5;
    QTest::newRow("minimum above W")
        << 0 << false << 40 << 5800 / 15 << 5800 / 15 - 2 * m << 5800 / 15 + 5;
}

void TestMsgBox::layoutWidths()
{
    QFETCH(int, set);
    QFETCH(bool, help);
    QFETCH(int, captionWidth);
    QFETCH(int, minimumWidth);
    QFETCH(int, labelWidth);
    QFETCH(int, outerWidth);
    ParaBoxLayoutInput in = fixedTexts(true, false);
    in.buttonSet = set;
    in.help = help;
    in.captionWidth = captionWidth;
    in.minimumWidth = minimumWidth;
    const ParaBoxLayout out = CalculaLayoutParaBox(in);
    QCOMPARE(out.heading.width(), labelWidth);
    QCOMPARE(out.heading.topLeft(), QPoint(m, m));
    QCOMPARE(out.outer.width(), outerWidth);
}

void TestMsgBox::layoutStacksControls()
{
    ParaBoxLayoutInput in = fixedTexts(true, true);
    in.icon = true;
    in.buttonSet = 4;
    in.input = true;
    in.inputLength = 4;
    in.wWidth = 11;
    in.link = true;
    in.linkSize = QSize(60, 15);
    in.check = true;
    in.minimumWidth = 300;
    const ParaBoxLayout out = CalculaLayoutParaBox(in);
    const int x0 = m + 32;
    QCOMPARE(out.icon, QRect(m, m, 32, 32));
    QCOMPARE(out.heading, QRect(m + x0, m, 300 - 2 * m - x0, 13));
    QCOMPARE(out.message.top(), m + 13 + m);
    QCOMPARE(out.link.topLeft(), QPoint(m + x0, out.message.top() + out.message.height() + m));
    QCOMPARE(out.input, QRect(m + x0, out.link.top() + 15 + m, 4 * 11, 21));
    QCOMPARE(out.check.top(), out.input.top() + 21 + m);
    QCOMPARE(out.check.width(), 300 - x0 - 2 * m);
    QCOMPARE(out.buttons[0].top(), out.check.top() + out.check.height() + 2 * m);
    QCOMPARE(out.outer.height(), out.buttons[0].top() + 21 + m);
}

void TestMsgBox::layoutButtonRow_data()
{
    QTest::addColumn<int>("set");
    QTest::addColumn<bool>("help");
    QTest::addColumn<int>("count");
    QTest::newRow("set 0") << 0 << false << 1;
    QTest::newRow("set 2") << 2 << false << 2;
    QTest::newRow("set 3 with help") << 3 << true << 4;
    QTest::newRow("set 4 with help") << 4 << true << 3;
}

void TestMsgBox::layoutButtonRow()
{
    QFETCH(int, set);
    QFETCH(bool, help);
    QFETCH(int, count);
    ParaBoxLayoutInput in = fixedTexts(false, true);
    in.buttonSet = set;
    in.help = help;
    in.minimumWidth = 500;
    const ParaBoxLayout out = CalculaLayoutParaBox(in);
    const int inner = out.outer.width();
    QList<QRect> shown;
    for (const QRect &r : out.buttons) {
        if (!r.isEmpty())
            shown << r;
    }
    QCOMPARE(shown.size(), count);
    QCOMPARE(shown.first().left(), qRound((inner - count * bw - (count - 1) * m) / 2.0));
    for (int i = 1; i < shown.size(); ++i) {
        QCOMPARE(shown[i].left(), shown[i - 1].left() + bw + m);
        QCOMPARE(shown[i].top(), shown[0].top());
    }
}

void TestMsgBox::buttonsOfEachSet_data()
{
    QTest::addColumn<int>("set");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("0") << 0 << QStringList{"&OK"};
    QTest::newRow("1") << 1 << QStringList{"&OK", "&Cancel"};
    QTest::newRow("2") << 2 << QStringList{"&Yes", "&No"};
    QTest::newRow("3") << 3 << QStringList{"&Yes", "&No", "&Cancel"};
    QTest::newRow("4") << 4 << QStringList{"&OK", "&Cancel"};
}

void TestMsgBox::buttonsOfEachSet()
{
    QFETCH(int, set);
    QFETCH(QStringList, captions);
    frmParaBox dialog(box(set), nullptr);
    QStringList shown;
    for (int i = 0; i < 3; ++i) {
        if (!dialog.cmdBotao[i]->isHidden())
            shown << dialog.cmdBotao[i]->text();
    }
    QCOMPARE(shown, captions);
    QVERIFY(dialog.cmdBotao[3]->isHidden());
    QCOMPARE(dialog.txtEntrada->isHidden(), set != 4);
    QCOMPARE(dialog.cmdBotao[0]->size(), QSize(71, 21));
}

void TestMsgBox::answers_data()
{
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<int>("result");
    QTest::newRow("OK") << 0 << 0 << false << 1;
    QTest::newRow("OK ticked") << 0 << 0 << true << 11;
    QTest::newRow("Cancel") << 1 << 1 << false << 2;
    QTest::newRow("Cancel ticked") << 1 << 1 << true << 12;
    QTest::newRow("Yes") << 2 << 0 << false << 6;
    QTest::newRow("No ticked") << 2 << 1 << true << 17;
    QTest::newRow("set 3 Cancel") << 3 << 2 << false << 2;
    QTest::newRow("set 3 Yes ticked") << 3 << 0 << true << 16;
}

void TestMsgBox::answers()
{
    QFETCH(int, set);
    QFETCH(int, button);
    QFETCH(bool, checked);
    QFETCH(int, result);
    ParaBoxArgs args = box(set);
    args.TextoMarcar = "Do not ask again";
    args.ValorMarcar = 0;
    frmParaBox dialog(args, nullptr);
    activate(dialog);
    QVERIFY(dialog.pbCheck->isVisible());
    if (checked)
        QTest::mouseClick(dialog.pbCheck, Qt::LeftButton, {},
                          QPoint(5, dialog.pbCheck->height() / 2));
    QCOMPARE(dialog.pbCheck->isChecked(), checked);
    QTest::mouseClick(dialog.cmdBotao[button], Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.Resultado(), QVariant(result));
}

void TestMsgBox::escape_data()
{
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("result"); // 0 = the box stays open
    QTest::newRow("set 0 ignores Esc") << 0 << 0;
    QTest::newRow("set 1 Cancel") << 1 << 2;
    QTest::newRow("set 2 No") << 2 << 7;
    QTest::newRow("set 3 No, not Cancel") << 3 << 7;
}

void TestMsgBox::escape()
{
    QFETCH(int, set);
    QFETCH(int, result);
    ParaBoxArgs args = box(set);
    args.AjudaID = 800;
    frmParaBox dialog(args, nullptr);
    activate(dialog);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QCOMPARE(dialog.isVisible(), result == 0);
    if (result != 0)
        QCOMPARE(dialog.Resultado(), QVariant(result));
}

void TestMsgBox::enterPressesTheDefaultButton_data()
{
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("defaultButton");
    QTest::addColumn<int>("result");
    QTest::newRow("set 1, default 2") << 1 << 2 << 2;
    QTest::newRow("set 0, default 2 stays OK") << 0 << 2 << 1;
    QTest::newRow("set 3, default 3") << 3 << 3 << 2;
    QTest::newRow("set 2, default 3 stays Yes") << 2 << 3 << 6;
}

void TestMsgBox::enterPressesTheDefaultButton()
{
    QFETCH(int, set);
    QFETCH(int, defaultButton);
    QFETCH(int, result);
    frmParaBox dialog(box(set, defaultButton), nullptr);
    activate(dialog);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.Resultado(), QVariant(result));
}

void TestMsgBox::inputField()
{
    ParaBoxArgs args = box(4);
    args.Mensagem.clear();
    args.TamanhoEntrada = 4;
    frmParaBox dialog(args, nullptr);
    activate(dialog);
    QCOMPARE(QApplication::focusWidget(), dialog.txtEntrada);
    QTest::keyClicks(dialog.txtEntrada, "199912");
    QCOMPARE(dialog.txtEntrada->text(), QString("1999"));
    const int wWidth = QFontMetrics(QFontDatabase::systemFont(QFontDatabase::TitleFont))
                           .horizontalAdvance(QLatin1Char('W'));
    QCOMPARE(dialog.txtEntrada->width(), 4 * wWidth);
    QTest::keyClick(dialog.txtEntrada, Qt::Key_Return);
    QCOMPARE(dialog.Resultado(), QVariant(QString("1999")));

    frmParaBox cancelled(args, nullptr);
    activate(cancelled);
    QTest::keyClicks(cancelled.txtEntrada, "12");
    QTest::keyClick(cancelled.txtEntrada, Qt::Key_Escape);
    QCOMPARE(cancelled.Resultado(), QVariant(2));
}

void TestMsgBox::helpButtonKeepsTheBoxOpen()
{
    QList<int> topics;
    const HelpResponder previous = DefineHelpResponder([&topics](int topic) { topics << topic; });
    ParaBoxArgs args = box(3);
    args.AjudaID = 1350;
    frmParaBox dialog(args, nullptr);
    activate(dialog);
    QVERIFY(dialog.cmdBotao[3]->isVisible());
    QCOMPARE(dialog.cmdBotao[3]->text(), QString("&Help"));
    QTest::mouseClick(dialog.cmdBotao[3], Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QTest::keyClick(&dialog, Qt::Key_F1);
    QCOMPARE(topics, (QList<int>{1350, 1350}));

    frmParaBox noTopic(box(0), nullptr);
    activate(noTopic);
    QTest::keyClick(&noTopic, Qt::Key_F1);
    QCOMPARE(topics.last(), 100);
    DefineHelpResponder(previous);
}

void TestMsgBox::captionAndIcon_data()
{
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<int>("icone");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("sound");
    QTest::newRow("stop") << "Open data file" << 16 << "Rerevid - Open data file"
                          << "dialog-error";
    QTest::newRow("question") << "X" << 32 << "Rerevid - X"
                              << "dialog-question";
    QTest::newRow("exclamation, blank title") << "   " << 48 << "Rerevid"
                                              << "dialog-warning";
    QTest::newRow("information") << "" << 64 << "Rerevid"
                                 << "dialog-information";
    QTest::newRow("no icon") << "" << 0 << "Rerevid"
                             << "";
}

void TestMsgBox::captionAndIcon()
{
    QFETCH(QString, titulo);
    QFETCH(int, icone);
    QFETCH(QString, caption);
    QFETCH(QString, sound);
    ParaBoxArgs args = box(0);
    args.Titulo = titulo;
    args.Icone = icone;
    frmParaBox dialog(args, nullptr);
    QCOMPARE(dialog.windowTitle(), caption);
    QCOMPARE(!dialog.imgIcone->isHidden(), icone > 0);
    if (icone > 0) {
        QCOMPARE(dialog.imgIcone->geometry(), QRect(10, 10, 32, 32));
        QVERIFY(!dialog.imgIcone->pixmap().isNull());
        QCOMPARE(dialog.txtTituloMensagem->x(), 10 + 10 + 32);
    }
    QCOMPARE(QString::fromLatin1(EventoSomDoIcone(icone)), sound);
}

void TestMsgBox::autoCloseTimer()
{
    ParaBoxArgs args = box(1);
    args.Segundos = 1;
    frmParaBox dialog(args, nullptr);
    activate(dialog);
    QVERIFY(dialog.pbTimer->isActive());
    QCOMPARE(dialog.pbTimer->interval(), 1000);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), 3000);
    QCOMPARE(dialog.Resultado(), QVariant(0)); // no answer was given
}

void TestMsgBox::topmostWhenNoWindowIsVisible()
{
    frmParaBox alone(box(0), nullptr);
    QVERIFY(alone.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    QWidget main;
    main.show();
    frmParaBox owned(box(0), &main);
    QVERIFY(!owned.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

void TestMsgBox::paraBoxGoesThroughTheSeam()
{
    InstalaParaBox();
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<frmParaBox *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->txtTituloMensagem->text(), QString("Delete Ana's birthday?"));
        QTest::mouseClick(dialog->cmdBotao[1], Qt::LeftButton);
    });
    const QVariant answer =
        ParaBox("Delete Birthday", "Delete Ana's birthday?", "(This cannot be undone)", 1, 2, 32, 0,
                0, {}, 0, {}, {}, 4000, 800);
    QCOMPARE(answer, QVariant(2));

    ScriptedParaBox script;
    script.answer(6);
    QCOMPARE(ParaBox("T", "H", "M", 2, 1, 32, 0, 0, {}, 0, {}, {}, 0, 0), QVariant(6));
    QCOMPARE(script.calls().size(), 1);
    QCOMPARE(script.calls().first().Cabecalho, QString("H"));
}

REREVID_GUI_TEST_MAIN(TestMsgBox)
#include "test_msgbox.moc"

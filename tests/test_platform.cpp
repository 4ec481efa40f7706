#include "TestSupport.h"

#include "app/ProgramState.h"
#include "app/Settings.h"
#include "platform/WindowRoutines.h"
#include "platform/clsActivatePrevInstance.h"
#include "platform/clsWinVer.h"

#include <QDesktopServices>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void init() { TestSandbox::reset(); }
    void mailLink_data();
    void mailLink();
    void enviaEmailOpensTheMailLink();
    void selecionaTexto();
    void formCarregado();
    void mouseSnapsOnlyWhenAsked();
    void windowsVersionTestsAreFalse();
    void menuShadowFollowsTheXpFlag();
    void secondStartRaisesTheFirst();
    void staleSocketDoesNotBlock();
    void secondProcessExitsAtOnce();
};

void TestPlatform::mailLink_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no subject") << "ana@example.org"
                                << ""
                                << "mailto:ana@example.org";
    QTest::newRow("subject") << "ana@example.org"
                             << "Happy birthday"
                             << "mailto:ana@example.org?subject=Happy%20birthday";
    QTest::newRow("address cannot add parameters") << "a@b.c?cc=z"
                                                   << ""
                                                   << "mailto:a@b.c%3Fcc=z";
    QTest::newRow("address cannot add a second subject")
        << "a@b.c?subject=x&body=y"
        << "Hi"
        << "mailto:a@b.c%3Fsubject=x&body=y?subject=Hi";
}

void TestPlatform::mailLink()
{
    QFETCH(QString, address);
    QFETCH(QString, subject);
    QFETCH(QString, expected);
    const QUrl url = LinkEmail(address, subject);
    QCOMPARE(url.toString(QUrl::FullyEncoded), expected);
    QCOMPARE(url.path(), address);
}

void TestPlatform::enviaEmailOpensTheMailLink()
{
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler("mailto", &recorder, "open");
    EnviaEmail("ana@example.org");
    QDesktopServices::unsetUrlHandler("mailto");
    QCOMPARE(recorder.urls.size(), 1);
    QCOMPARE(recorder.urls.first().toString(), QString("mailto:ana@example.org"));
    QVERIFY(!recorder.urls.first().hasQuery());
}

void TestPlatform::selecionaTexto()
{
    QLineEdit box("Ana Maria");
    box.setCursorPosition(3);
    SelecionaTexto(&box);
    QCOMPARE(box.selectedText(), QString("Ana Maria"));
    QCOMPARE(box.selectionStart(), 0);
}

void TestPlatform::formCarregado()
{
    auto *window = new QWidget;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    QVERIFY(FormCarregado(window));
    QPointer<QWidget> guard(window);
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(guard.isNull());
    QVERIFY(!FormCarregado(guard.data()));
    QVERIFY(!FormCarregado(nullptr));
}

void TestPlatform::mouseSnapsOnlyWhenAsked()
{
    QWidget window;
    window.resize(300, 200);
    auto *button = new QPushButton("OK", &window);
    button->setGeometry(100, 120, 71, 21);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint centre = window.mapToGlobal(button->geometry().center());

    QCursor::setPos(5, 5);
    MouseNoBotaoPadrao(button, &window); // the setting is missing: off
    QCOMPARE(QCursor::pos(), QPoint(5, 5));
    GravaRegistro(Chave::Mouse, "SnapToDefaultButton", "0");
    MouseNoBotaoPadrao(button, &window);
    QCOMPARE(QCursor::pos(), QPoint(5, 5));

    GravaRegistro(Chave::Mouse, "SnapToDefaultButton", "1");
    MouseNoBotaoPadrao(button, &window);
    QCOMPARE(QCursor::pos(), centre);
}

void TestPlatform::windowsVersionTestsAreFalse()
{
    QVERIFY(!clsWinVer::IsWin95());
    QVERIFY(!clsWinVer::IsWin98());
    QVERIFY(!clsWinVer::IsWinME());
    QVERIFY(!clsWinVer::IsWinNT4());
    QVERIFY(!clsWinVer::IsWin2000());
    QVERIFY(!clsWinVer::IsWinXP());
    QVERIFY(!clsWinVer::IsWin9X());
    QVERIFY(!clsWinVer::IsWinNT());
}

void TestPlatform::menuShadowFollowsTheXpFlag()
{
    QMenu a, b;
    Programa().startup.WindowsXP = true;
    AjustaSombra({&a, &b});
    QVERIFY(a.windowFlags().testFlag(Qt::NoDropShadowWindowHint));
    QVERIFY(b.windowFlags().testFlag(Qt::NoDropShadowWindowHint));
    Programa().startup.WindowsXP = false;
    AjustaSombra({&a, &b});
    QVERIFY(!a.windowFlags().testFlag(Qt::NoDropShadowWindowHint));
}

void TestPlatform::secondStartRaisesTheFirst()
{
    clsActivatePrevInstance first;
    QVERIFY(first.Escuta());
    QWidget main;
    main.showMinimized();
    clsActivatePrevInstance::DefineJanelaPrincipal(&main);
    QSignalSpy activated(&first, &clsActivatePrevInstance::ativado);

    clsActivatePrevInstance second;
    QVERIFY(second.ActivatePrevInstance());
    QTRY_COMPARE(activated.count(), 1);
    QVERIFY(main.isVisible());
    QVERIFY(!main.isMinimized());
    clsActivatePrevInstance::DefineJanelaPrincipal(nullptr);
}

void TestPlatform::staleSocketDoesNotBlock()
{
    // A crashed run leaves its socket file behind; nobody answers on it.
    writeFile(clsActivatePrevInstance::NomeServidor(), "stale");
    clsActivatePrevInstance next;
    QVERIFY(!next.ActivatePrevInstance());
    QVERIFY(next.Escuta());
    clsActivatePrevInstance another;
    QVERIFY(another.ActivatePrevInstance());
}

void TestPlatform::secondProcessExitsAtOnce()
{
    QProcess first;
    first.setProgram(REREVID_BINARY);
    first.start();
    QVERIFY(first.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(clsActivatePrevInstance::NomeServidor()), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(TestSandbox::dataFolder() + "/Events.bak"), 10000);

    QProcess second;
    second.setProgram(REREVID_BINARY);
    second.start();
    QVERIFY(second.waitForFinished(5000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished();
}

REREVID_GUI_TEST_MAIN(TestPlatform)
#include "test_platform.moc"

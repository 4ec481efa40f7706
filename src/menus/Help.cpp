#include "Help.h"

#include "text/TextTable.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// The help window: one for the program, reused for every topic. It stays open
// beside the window that asked for it.
void showHelpWindow(int topic)
{
    static QPointer<QTextBrowser> browser;
    QWidget *owner = QApplication::activeModalWidget();
    if (!browser || browser->parentWidget() != owner) {
        delete browser;
        browser = new QTextBrowser(owner);
        browser->setWindowFlag(Qt::Window);
        browser->setAttribute(Qt::WA_DeleteOnClose);
        browser->setOpenExternalLinks(true);
        browser->setOpenLinks(true); // the pages link to each other
        browser->resize(560, 480);
    }
    browser->setWindowTitle(TituloPrograma() + QStringLiteral(" - ") + Texto(2));
    const QString page =
        QFile::exists(PaginaDaAjuda(topic)) ? PaginaDaAjuda(topic) : PaginaDaAjuda(500);
    browser->setSource(QUrl(QStringLiteral("qrc") + page));
    // Beside the window that asked, so both stay readable.
    if (const QWidget *caller = QApplication::activeWindow(); caller && caller != browser)
        browser->move(caller->frameGeometry().topRight() + QPoint(8, 0));
    browser->show();
    browser->raise();
    browser->activateWindow();
}

HelpResponder &responder()
{
    static HelpResponder current = showHelpWindow;
    return current;
}

} // namespace

QString PaginaDaAjuda(int topic)
{
    return QStringLiteral(":/help/%1.html").arg(topic);
}

HelpResponder DefineHelpResponder(HelpResponder next)
{
    HelpResponder previous = std::move(responder());
    responder() = std::move(next);
    return previous;
}

void AbreAjuda(int topic)
{
    responder()(topic);
}

void DefineTopicoAjuda(QWidget *window, int topic)
{
    auto *shortcut = new QShortcut(QKeySequence(Qt::Key_F1), window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, window, [topic] { AbreAjuda(topic); });
}

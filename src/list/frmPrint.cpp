#include "frmPrint.h"

#include "PrintPage.h"
#include "Printing.h"
#include "app/ProgramState.h"
#include "calendar/frmCalendario.h"
#include "menus/Help.h"
#include "menus/Menus.h"
#include "platform/WindowRoutines.h"
#include "text/TextTable.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QThread>
#include <QUrl>

frmPrint::frmPrint(QWidget *parent) : QDialog(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(TituloPrograma() + Texto(802));
    DefineTopicoAjuda(this, 1700);
    if (!Programa().startup.SemLimiteTamanho)
        setMinimumSize(TamanhoProjeto);

    FrameBarra = new QWidget(this);
    static constexpr int texts[5] = {806, 807, 808, 814, 820};
    static constexpr int tips[5] = {809, 810, 811, 818, 623};
    for (int i = 0; i < 5; ++i) {
        auto *button = new QPushButton(Texto(texts[i]), FrameBarra);
        button->setObjectName(QStringLiteral("cmdBarra%1").arg(i));
        button->setToolTip(Texto(tips[i]));
        button->setGeometry(i * 81, 4, 81, 23);
        button->setAutoDefault(false);
        cmdBarra[static_cast<size_t>(i)] = button;
    }
    FrameBarra->resize(5 * 81, 31);
    WebBrowser1 = new QTextBrowser(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setOpenLinks(false);

    mnuEstilo = new QMenu(Texto(803), this);
    mnuEstilo->setObjectName(QStringLiteral("mnuEstilo"));
    for (int id : {804, 805}) {
        QAction *item = mnuEstilo->addAction(Texto(id));
        item->setCheckable(true);
    }
    mnuEstilo->actions()[0]->setChecked(true);
    mnuOpcoes = new QMenu(Texto(814), this);
    mnuOpcoes->setObjectName(QStringLiteral("mnuOpcoes"));
    const struct {
        const char *key;
        int text;
    } options[] = {{"email", 815}, {"fone", 816}, {"idade", 817}};
    for (const auto &o : options) {
        QAction *item = mnuOpcoes->addAction(Texto(o.text));
        item->setObjectName(QString::fromLatin1(o.key));
        item->setCheckable(true);
    }
    AjustaSombra({mnuEstilo, mnuOpcoes});

    connect(cmdBarra[0], &QPushButton::clicked, this,
            [this] { MostraMenuSob(mnuEstilo, cmdBarra[0]); });
    connect(cmdBarra[1], &QPushButton::clicked, this, [this] {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ImprimePagina();
        QApplication::restoreOverrideCursor();
    });
    connect(cmdBarra[2], &QPushButton::clicked, this, &frmPrint::close);
    connect(cmdBarra[3], &QPushButton::clicked, this,
            [this] { MostraMenuSob(mnuOpcoes, cmdBarra[3]); });
    connect(cmdBarra[4], &QPushButton::clicked, this, [] { AbreAjuda(1700); });
    connect(mnuEstilo, &QMenu::triggered, this,
            [this](QAction *item) { EscolheEstilo(item->text() == Texto(805) ? 2 : 1); });
    connect(mnuOpcoes, &QMenu::triggered, this, [this] { AtualizaVisualizacao(); });

    posiciona();
    Estilo = 1;
    AtualizaOpcoes();
}

void frmPrint::posiciona()
{
    if (Programa().reminderFlags.ModoLembrete) {
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            resize(screen->availableGeometry().size() * 0.8);
        return;
    }
    if (const frmCalendario *calendar = JanelaCalendario()) {
        if (calendar->isMaximized())
            setWindowState(Qt::WindowMaximized);
        else
            setGeometry(calendar->geometry());
        return;
    }
    resize(800, 600);
}

void frmPrint::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    FrameBarra->move(width() / 2 - FrameBarra->width() / 2, 0);
    WebBrowser1->setGeometry(0, 29, width(), std::max(0, height() - 27));
}

void frmPrint::EscolheEstilo(int estilo)
{
    Estilo = estilo == 2 ? 2 : 1;
    mnuEstilo->actions()[0]->setChecked(Estilo == 1);
    mnuEstilo->actions()[1]->setChecked(Estilo == 2);
    AtualizaOpcoes();
    AtualizaVisualizacao();
}

void frmPrint::AtualizaOpcoes()
{
    // The table has no room for e-mail and phone; the age stays as chosen.
    for (const char *key : {"email", "fone"}) {
        QAction *item = AcaoDaChave(mnuOpcoes, QString::fromLatin1(key));
        item->setChecked(Estilo == 1);
        item->setEnabled(Estilo == 1);
    }
}

bool frmPrint::AtualizaVisualizacao()
{
    const PrintHandOver &handOver = Programa().print;
    const OpcoesImpressao options{AcaoDaChave(mnuOpcoes, QStringLiteral("email"))->isChecked(),
                                  AcaoDaChave(mnuOpcoes, QStringLiteral("fone"))->isChecked(),
                                  AcaoDaChave(mnuOpcoes, QStringLiteral("idade"))->isChecked()};
    if (!GeraPaginaImpressao(handOver.ListaImpressao, CaminhoPaginaImpressao(),
                             handOver.OrdemImpressao, handOver.MesImpressao, Estilo, options))
        return false;
    CarregaPagina();
    return true;
}

void frmPrint::CarregaPagina()
{
    // Loading a local file is immediate: the page is complete once this returns.
    WebBrowser1->setSource(QUrl::fromLocalFile(CaminhoPaginaImpressao()));
    WebBrowser1->reload();
    WebBrowser1->setVisible(true);
}

bool frmPrint::ImprimePagina()
{
    QApplication::processEvents();
    return Imprime(*WebBrowser1->document(), this);
}

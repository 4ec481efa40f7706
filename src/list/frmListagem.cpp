#include "frmListagem.h"

#include "ListPage.h"
#include "PrintPage.h"
#include "app/Clock.h"
#include "app/ProgramState.h"
#include "app/Settings.h"
#include "app/Startup.h"
#include "calendar/frmCalendario.h"
#include "data/BirthdayStore.h"
#include "dates/DateRules.h"
#include "frmPrint.h"
#include "menus/Help.h"
#include "menus/Menus.h"
#include "platform/HtmlView.h"
#include "platform/WindowRoutines.h"
#include "text/TextRoutines.h"
#include "text/TextTable.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QMenu>
#include <QPushButton>

int frmListagem::Ordem = 0;

namespace {

int savedNumber(const char *name)
{
    return ValorInteiro(LeRegistro(Chave::Usuario, QString::fromLatin1(name)).value_or(QString()));
}

} // namespace

frmListagem::frmListagem(QWidget *parent) : QDialog(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmListagem"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/rerevid.svg")));
    setAttribute(Qt::WA_DeleteOnClose, false);
    resize(TamanhoProjeto);
    if (!Programa().startup.SemLimiteTamanho)
        setMinimumSize(TamanhoProjeto);

    Picture1 = new QFrame(this);
    Picture1->setFrameShape(QFrame::Box);
    HTMLView1 = new HtmlView(this);
    HTMLView1->setObjectName(QStringLiteral("HTMLView1"));
    HTMLView1->setFrameShape(QFrame::NoFrame);
    connect(HTMLView1, &HtmlView::linkClicado, this, &frmListagem::LinkClicado);
    connect(HTMLView1, &HtmlView::cliqueDireito, this,
            [this](const QPoint &at) { mnuMostraLista->popup(at); });

    static constexpr int topTexts[4] = {613, 614, 615, 616};
    static constexpr int topTips[4] = {617, 618, 619, 620};
    for (int i = 0; i < 4; ++i) {
        auto *button = new QPushButton(Texto(topTexts[i]), this);
        button->setObjectName(QStringLiteral("cmdBotoesCima%1").arg(i));
        button->setToolTip(Texto(topTips[i]));
        EstiloBotaoBarra(button);
        cmdBotoesCima[static_cast<size_t>(i)] = button;
    }
    static constexpr int bottomTexts[3] = {621, 622, 625};
    for (int i = 0; i < 3; ++i) {
        auto *button = new QPushButton(Texto(bottomTexts[i]), this);
        button->setObjectName(QStringLiteral("cmdBotoesBaixo%1").arg(i));
        button->setAutoDefault(false);
        button->setFixedSize(75, 23);
        cmdBotoesBaixo[static_cast<size_t>(i)] = button;
    }
    cmdBotoesBaixo[0]->setToolTip(Texto(623));
    cmdBotoesBaixo[2]->setToolTip(Texto(626));
    DefineTopicoAjuda(this, 1000);

    mnuMostraLista = CriaMenuPeriodo(this);
    mnuMostraOrdem = CriaMenuOrdem(this);
    AjustaSombra({mnuMostraLista, mnuMostraOrdem});
    connect(mnuMostraLista, &QMenu::triggered, this,
            [this](QAction *a) { EscolhePeriodo(a->objectName()); });
    connect(mnuMostraOrdem, &QMenu::triggered, this,
            [this](QAction *a) { EscolheOrdem(a->objectName()); });

    connect(cmdBotoesCima[0], &QPushButton::clicked, this,
            [this] { MostraMenuSob(mnuMostraOrdem, cmdBotoesCima[0]); });
    connect(cmdBotoesCima[1], &QPushButton::clicked, this,
            [this] { MostraMenuSob(mnuMostraLista, cmdBotoesCima[1]); });
    connect(cmdBotoesCima[2], &QPushButton::clicked, this, [this] { ImprimeLista(true); });
    connect(cmdBotoesCima[3], &QPushButton::clicked, this, [this] { ImprimeLista(false); });
    connect(cmdBotoesBaixo[0], &QPushButton::clicked, this, [] { AbreAjuda(1000); });
    connect(cmdBotoesBaixo[1], &QPushButton::clicked, this, &frmListagem::close);
    connect(cmdBotoesBaixo[2], &QPushButton::clicked, this, &frmListagem::TamanhoPadrao);

    aplicaTamanhoSalvo();
    MesLista = 0;
    if (Ordem == 0)
        Ordem = 1;
    m_carregando = false;
    layout();
}

frmListagem::~frmListagem() = default;

void frmListagem::aplicaTamanhoSalvo()
{
    // A saved size larger than the design size, and the saved state. Qt drops a
    // maximised state when the size changes afterwards, so the size goes first:
    // it becomes the size the window returns to from the saved state.
    const int state = savedNumber("ReminderWindowState");
    const int height = savedNumber("ReminderWindowHeight") / TwipsPorPixel;
    const int width = savedNumber("ReminderWindowWidth") / TwipsPorPixel;
    QSize size = this->size();
    if (height > TamanhoProjeto.height())
        size.setHeight(height);
    if (width > TamanhoProjeto.width())
        size.setWidth(width);
    resize(size);
    if (state == 2)
        setWindowState(Qt::WindowMaximized);
    else if (state == 1)
        setWindowState(Qt::WindowMinimized);
}

void frmListagem::gravaTamanho()
{
    // The window's own area is saved, so a restored window does not grow by its frame.
    const int state = isMinimized() ? 1 : isMaximized() ? 2 : 0;
    GravaRegistro(Chave::Usuario, QStringLiteral("ReminderWindowHeight"),
                  QString::number(height() * TwipsPorPixel));
    GravaRegistro(Chave::Usuario, QStringLiteral("ReminderWindowWidth"),
                  QString::number(width() * TwipsPorPixel));
    GravaRegistro(Chave::Usuario, QStringLiteral("ReminderWindowState"), QString::number(state));
}

void frmListagem::layout()
{
    if (m_carregando)
        return;
    const int W = width();
    const int H = height();
    int left = 12;
    for (QPushButton *button : cmdBotoesCima) {
        const int w = std::max(75, button->sizeHint().width());
        button->setGeometry(left, 5, w, 23);
        left += w;
    }
    Picture1->setGeometry(12, 32, std::max(0, W - 24), std::max(0, H - 65));
    HTMLView1->setGeometry(12, 32, Picture1->width() + 3, Picture1->height() + 3);
    QPushButton *help = cmdBotoesBaixo[0];
    QPushButton *close = cmdBotoesBaixo[1];
    QPushButton *standard = cmdBotoesBaixo[2];
    standard->move(W / 2 - standard->width() / 2, H - 27);
    help->move(standard->x() - help->width() - 20, H - 27);
    close->move(standard->x() + standard->width() + 20, H - 27);
    standard->setEnabled(size() != TamanhoProjeto);
}

void frmListagem::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    layout();
}

bool frmListagem::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate) {
        AcaoDaChave(mnuMostraOrdem, QStringLiteral("mnuOrdemData"))->setChecked(Ordem == 1);
        AcaoDaChave(mnuMostraOrdem, QStringLiteral("mnuOrdemNome"))->setChecked(Ordem != 1);
        AtualizaTitulo(true);
        raise();
        cmdBotoesBaixo[1]->setFocus();
        MouseNoBotaoPadrao(cmdBotoesBaixo[1], this);
    }
    return QDialog::event(event);
}

void frmListagem::AtualizaTitulo(bool mostraContagem)
{
    QString title;
    if (Tag == QLatin1String("1") || LembreteMostrado) {
        title = MesLista == 0 ? Texto(606) : Texto(602) + Texto(605) + NomeMes(MesLista);
    } else {
        title = Texto(603) + Texto(602);
        LembreteMostrado = true;
    }
    QString caption = TituloPrograma() + QStringLiteral(" - ") + title;
    if (mostraContagem)
        caption += Nivers.isEmpty() ? Texto(604) : QStringLiteral(" (%1)").arg(Nivers.size());
    setWindowTitle(caption);
}

void frmListagem::HabilitaImpressao(bool on)
{
    cmdBotoesCima[2]->setEnabled(on);
    cmdBotoesCima[3]->setEnabled(on);
}

void frmListagem::HabilitaBotoes(bool on)
{
    for (QPushButton *button : cmdBotoesCima)
        button->setEnabled(on);
    cmdBotoesBaixo[1]->setEnabled(on);
    QApplication::processEvents();
}

void frmListagem::CarregaNivers()
{
    HTMLView1->clear();
    if (Nivers.isEmpty()) {
        HabilitaImpressao(false);
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool reminder = Programa().reminderFlags.ModoLembrete;
    HTMLView1->setHtml(PaginaDaLista(Nivers, Ordem, reminder, Clock::today()));
    Programa().reminderFlags.PaginaDoLembrete = reminder;
    QApplication::restoreOverrideCursor();
    HabilitaImpressao(true);
}

void frmListagem::ListaGeral()
{
    Nivers = Store().ConsultaNivers({}, {}, Ordem);
}

void frmListagem::ListaMes()
{
    Nivers = Store().ConsultaNivers({}, DoisDigitos(MesLista), Ordem);
}

void frmListagem::EscolhePeriodo(const QString &key)
{
    const int month = key == QLatin1String("mnuListaTodos") ? 0 : ValorInteiro(key);
    for (QAction *action : mnuMostraLista->actions()) {
        if (action->isCheckable())
            action->setChecked(action->objectName() == QString::number(month));
    }
    if (month < 1 || month > 12) {
        MesLista = 0;
        ListaGeral();
    } else {
        MesLista = month;
        ListaMes();
    }
    CarregaNivers();
    AtualizaTitulo(true);
}

void frmListagem::EscolheOrdem(const QString &key)
{
    const bool byDate = key == QLatin1String("mnuOrdemData");
    AcaoDaChave(mnuMostraOrdem, QStringLiteral("mnuOrdemData"))->setChecked(byDate);
    AcaoDaChave(mnuMostraOrdem, QStringLiteral("mnuOrdemNome"))->setChecked(!byDate);
    Ordem = byDate ? 1 : 3;
    if (byDate)
        BirthdayStore::OrdenaPorData(Nivers);
    else
        BirthdayStore::OrdenaPorApelido(Nivers);
    CarregaNivers();
}

void frmListagem::TamanhoPadrao()
{
    if (isMaximized())
        showNormal();
    resize(TamanhoProjeto);
}

void frmListagem::LinkClicado(const QString &href)
{
    QString target = href;
    if (target.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive)) {
        EnviaEmail(QUrl(target).path());
        return;
    }
    if (target.contains(u'@')) {
        EnviaEmail(target);
        return;
    }
    ProgramState &state = Programa();
    frmCalendario *calendar = JanelaCalendario();
    if (!calendar) {
        // The logon reminder: the calendar starts now, hidden until it shows the birthday.
        setWindowTitle(TituloPrograma() + Texto(612));
        HabilitaBotoes(false);
        calendar = qobject_cast<frmCalendario *>(MostraCalendario());
        state.reminderFlags.ModoLembrete = false;
    }
    const QString alias = target.trimmed();
    BirthdayStore &store = Store();
    store.NiverAtual = store.ProcuraNiver({}, {}, alias);
    if (!store.NiverAtual || !calendar) {
        HabilitaBotoes(true);
        return;
    }
    const QDate today = Clock::today();
    const int day = ValorInteiro(store.NiverAtual->Dia);
    const int month = ValorInteiro(store.NiverAtual->Mes);
    // The reminder's page looks ahead; the list shows this year.
    const QDate d0 = state.reminderFlags.PaginaDoLembrete ? ProximaData(day, month, today)
                                                          : ConstroiData(today.year(), month, day);
    state.calendar.DiaCalendario = d0.day();
    state.calendar.MesCalendario = d0.month();
    state.calendar.AnoCalendario = d0.year();
    calendar->MontaCalendario();
    const int cell = calendar->Grade().celulaMes[static_cast<size_t>(d0.day())];
    QApplication::restoreOverrideCursor();
    m_escolhido = true;
    hide();
    HabilitaBotoes(true);
    calendar->MostraNiverEscolhido(cell, alias);
}

void frmListagem::ImprimeLista(bool preview)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    PrintHandOver &handOver = Programa().print;
    handOver.ListaImpressao = Nivers;
    handOver.OrdemImpressao = Ordem;
    handOver.MesImpressao = MesLista;
    const bool written = GeraPaginaImpressao(Nivers, CaminhoPaginaImpressao(), Ordem, MesLista, 1,
                                             OpcoesImpressao{});
    if (!written) {
        QApplication::restoreOverrideCursor();
        return; // the writer has told the user
    }
    frmPrint printPreview(this);
    printPreview.CarregaPagina();
    if (preview) {
        QApplication::restoreOverrideCursor();
        printPreview.cmdBarra[1]->setEnabled(true);
        printPreview.exec();
        return;
    }
    printPreview.ImprimePagina();
    QApplication::restoreOverrideCursor();
}

void frmListagem::closeEvent(QCloseEvent *event)
{
    gravaTamanho();
    event->accept();
    if (ValorInteiro(Tag) == 0) {
        // The logon reminder: closing it ends the program.
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window != this && window->isVisible())
                window->close();
        }
        QApplication::quit();
    }
}

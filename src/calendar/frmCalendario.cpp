#include "frmCalendario.h"

#include "CalendarLayout.h"
#include "DayList.h"
#include "app/Clock.h"
#include "app/ProgramState.h"
#include "app/Settings.h"
#include "appearance/modCores.h"
#include "data/BirthdayStore.h"
#include "dates/Ages.h"
#include "list/clsToolTip.h"
#include "menus/Help.h"
#include "platform/HtmlLabel.h"
#include "platform/WindowRoutines.h"
#include "text/TextTable.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

namespace {

void paintBackground(QWidget *widget, const QColor &colour,
                     QPalette::ColorRole role = QPalette::Window)
{
    QPalette palette = widget->palette();
    if (palette.color(role) == colour)
        return;
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

} // namespace

QString LegendaCalendario(int count)
{
    QString caption = TituloPrograma() + QStringLiteral(" 1.1");
    if (count > 0)
        caption += QStringLiteral(" - ") + TextoContagem(count);
    return caption;
}

frmCalendario *JanelaCalendario()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *calendar = qobject_cast<frmCalendario *>(window))
            return calendar;
    }
    return nullptr;
}

frmCalendario::frmCalendario(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmCalendario"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(FonteDesenho(QStringLiteral("Verdana"), 8.25, true));
    setWindowIcon(QIcon(QStringLiteral(":/icons/rerevid.svg")));
    setAutoFillBackground(true);
    criaControles();
    criaMenus();
    DefineTopicoAjuda(this, 500);

    QApplication::setOverrideCursor(Qt::WaitCursor);
    setUpdatesEnabled(false);
    setEnabled(false);
    MontaLegendaForm();
    CriaListEventos();
    m_carregando = true;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        resize(screen->availableGeometry().size() * 0.8);
    MontaCalendario();
    setUpdatesEnabled(true);
    setEnabled(true);
    m_carregando = false;
    AjustaObjetosNoForm();
    QApplication::restoreOverrideCursor();
    AtualizaMenuMeses(menus.mnuPopMeses, Programa().calendar.MesCalendario);
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);
}

frmCalendario::~frmCalendario() = default;

void frmCalendario::criaControles()
{
    for (int i = 0; i < 8; ++i) {
        auto *button = new QPushButton(Texto(379 + i), this);
        button->setObjectName(QStringLiteral("cmdBarra%1").arg(i));
        button->setToolTip(Texto(387 + i));
        button->setFont(FonteDesenho(QStringLiteral("Tahoma"), 8.25, false));
        EstiloBotaoBarra(button);
        button->setFocusPolicy(Qt::NoFocus);
        cmdBarra[static_cast<size_t>(i)] = button;
    }
    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Plain);
    Line1->setForegroundRole(QPalette::Dark);

    FrameMesAno = new QFrame(this);
    FrameMesAno->setObjectName(QStringLiteral("FrameMesAno"));
    const auto arrow = [this](const char *name, const char *icon, int tip) {
        auto *button = new QToolButton(FrameMesAno);
        button->setObjectName(QString::fromLatin1(name));
        button->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon))));
        button->setIconSize(QSize(13, 15));
        button->setToolTip(Texto(tip));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRepeat(true);
        return button;
    };
    cmdMesDown = arrow("cmdMesDown", "arrow-left", 397);
    cmdMesUp = arrow("cmdMesUp", "arrow-right", 398);
    cmdAnoDown = arrow("cmdAnoDown", "arrow-left", 399);
    cmdAnoUp = arrow("cmdAnoUp", "arrow-right", 400);
    const auto monthYearLabel = [this](const char *name, int tip) {
        auto *label = new QLabel(FrameMesAno);
        label->setObjectName(QString::fromLatin1(name));
        label->setFont(FonteDesenho(QStringLiteral("Verdana"), 9.75, true));
        label->setAlignment(Qt::AlignCenter);
        label->setToolTip(Texto(tip));
        label->setCursor(Qt::PointingHandCursor);
        return label;
    };
    txtMes = monthYearLabel("txtMes", 395);
    txtAno = monthYearLabel("txtAno", 396);
    // Design positions inside the selector (twips / 15).
    cmdMesDown->setGeometry(0, 4, 13, 15);
    txtMes->setGeometry(17, 3, 82, 17);
    cmdMesUp->setGeometry(101, 4, 13, 15);
    cmdAnoDown->setGeometry(128, 4, 13, 15);
    txtAno->setGeometry(143, 3, 36, 17);
    cmdAnoUp->setGeometry(181, 4, 13, 15);

    auto *today = new HtmlLabel(this);
    today->setObjectName(QStringLiteral("lblHoje"));
    lblHoje = today;
    auto *reminder = new HtmlLabel(this);
    reminder->setObjectName(QStringLiteral("lblLembrete"));
    reminder->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblLembrete = reminder;
    auto *upcoming = new HtmlLabel(this);
    upcoming->setObjectName(QStringLiteral("lblProximoNiver"));
    lblProximoNiver = upcoming;
    connect(today, &HtmlLabel::linkClicado, this, [this] { lblHoje_Click(); });
    connect(reminder, &HtmlLabel::linkClicado, this, [this] { emit abreConfigLembrete(); });
    connect(upcoming, &HtmlLabel::linkClicado, this, &frmCalendario::proximoNiverClicado);

    for (int c = 0; c < 7; ++c) {
        auto *label = new QLabel(NomeDiaSemana(c + 1).left(3), this);
        label->setObjectName(QStringLiteral("lblDiaSemana%1").arg(c));
        label->setAlignment(Qt::AlignCenter);
        label->setAutoFillBackground(true);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::white);
        label->setPalette(palette);
        lblDiaSemana[static_cast<size_t>(c)] = label;
    }

    connect(cmdMesUp, &QToolButton::clicked, this, &frmCalendario::MesSeguinte);
    connect(cmdMesDown, &QToolButton::clicked, this, &frmCalendario::MesAnterior);
    connect(cmdAnoUp, &QToolButton::clicked, this, &frmCalendario::AnoSeguinte);
    connect(cmdAnoDown, &QToolButton::clicked, this, &frmCalendario::AnoAnterior);
}

void frmCalendario::CriaListEventos()
{
    const QFont listFont = FonteDesenho(QStringLiteral("Verdana"), 8.25, false);
    for (int i = 0; i < MonthGrid::Cells; ++i) {
        auto *day = new QLabel(this);
        day->setObjectName(QStringLiteral("lblDia%1").arg(i));
        day->setAutoFillBackground(true);
        day->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        day->setIndent(3);
        day->setFrameShape(QFrame::Box);
        lblDia[static_cast<size_t>(i)] = day;

        auto *list = new DayList(i, this);
        list->setFont(listFont);
        list->setAutoFillBackground(true);
        listEvento[static_cast<size_t>(i)] = list;
        connect(list, &DayList::pressionada, this,
                [this](int cell, Qt::MouseButton button, QPoint point) {
                    listEvento_MouseDown(cell, button, 0, point);
                });
        connect(list, &DayList::movida, this, &frmCalendario::atualizaDica);
        connect(list, &DayList::duploClique, this, [this] { AlteraNiverSelecionado(); });
        connect(list, &DayList::arrastoIniciado, this, &frmCalendario::IniciaArrasto);
        connect(list, &DayList::soltado, this, &frmCalendario::SoltaEm);
        connect(list, &DayList::arrastoConcluido, this, &frmCalendario::ConcluiArrasto);
        connect(list, &DayList::perdeuFoco, this, [this](int cell) {
            if (QApplication::activePopupWidget())
                return; // the birthday menu keeps the line highlighted
            listEvento[static_cast<size_t>(cell)]->clearSelection();
        });

        auto *tip = new clsToolTip(list, {}, clsToolTip::Aviso, {});
        dicas[static_cast<size_t>(i)] = tip;
    }
    AtivaToolTips(true);
}

void frmCalendario::criaMenus()
{
    menus = CriaMenusCalendario(this);
    conectaMenus();
    conectaComandos();
}

void frmCalendario::MontaLegendaForm()
{
    const int count = Store().ContaNivers();
    Programa().startup.TotalNivers = count;
    cmdBarra[4]->setEnabled(count > 0);
    cmdBarra[5]->setEnabled(count > 0);
    setWindowTitle(LegendaCalendario(count));
}

void frmCalendario::CarregaTxtMes()
{
    txtMes->setText(NomeMes(Programa().calendar.MesCalendario));
}

void frmCalendario::MontaCalendario()
{
    const bool wasEnabled = isEnabled();
    setUpdatesEnabled(false);
    setEnabled(false);
    const CalendarSelection &sel = Programa().calendar;
    m_grid = MontaGrade(sel.AnoCalendario, sel.MesCalendario, Clock::today());
    txtMes->setText(NomeMes(sel.MesCalendario));
    txtAno->setText(QString::number(sel.AnoCalendario));
    for (int i = 0; i < MonthGrid::Cells; ++i)
        lblDia[static_cast<size_t>(i)]->setText(
            QString::number(m_grid.dia[static_cast<size_t>(i)]));
    pintaCelulas(EsquemaAtual(), -1);
    CarregaEventosDoMes();
    CarregaProximoNiver();
    AtualizaMenuMeses(menus.mnuPopMeses, sel.MesCalendario);
    AtualizaMenuAnos(menus.mnuPopAnos, sel.AnoCalendario);
    setEnabled(wasEnabled || !m_carregando);
    setUpdatesEnabled(true);
}

void frmCalendario::CarregaEventosDoMes()
{
    const auto lists = EventosDoMes(m_grid, Store());
    for (int i = 0; i < MonthGrid::Cells; ++i) {
        DayList *list = listEvento[static_cast<size_t>(i)];
        list->clear();
        list->addItems(lists[static_cast<size_t>(i)]);
    }
}

void frmCalendario::pintaCelulas(int scheme, int selectedCell)
{
    const EsquemaCores &colours = TabelaCores()[static_cast<size_t>(scheme)];
    const QColor windowColour = palette().color(QPalette::Window);
    for (QLabel *header : lblDiaSemana)
        paintBackground(header, colours.cor[0]);
    for (int i = 0; i < MonthGrid::Cells; ++i) {
        QLabel *day = lblDia[static_cast<size_t>(i)];
        paintBackground(day, i == selectedCell ? colours.cor[2] : colours.cor[1]);
        if (day->font().bold() != (i == m_grid.celulaHoje)) {
            QFont font = day->font();
            font.setBold(i == m_grid.celulaHoje);
            day->setFont(font);
        }
        paintBackground(listEvento[static_cast<size_t>(i)],
                        m_grid.doMesExibido(i) ? colours.cor[3] : windowColour, QPalette::Base);
    }
}

void frmCalendario::PintaEsquema(int scheme)
{
    setUpdatesEnabled(false);
    pintaCelulas(scheme, Programa().calendar.CelulaSelecionada);
    setUpdatesEnabled(true);
}

void frmCalendario::DestacaDia(int cell)
{
    pintaCelulas(EsquemaAtual(), cell);
    if (isVisible())
        listEvento[static_cast<size_t>(cell)]->setFocus();
}

void frmCalendario::AjustaObjetosNoForm()
{
    const bool wasEnabled = isEnabled();
    if (!m_carregando) {
        setUpdatesEnabled(false);
        setEnabled(false);
    }
    CalendarLayoutInput in;
    in.width = width();
    in.height = height();
    in.todayHeight = lblHoje->sizeHint().height();
    in.reminderWidth = lblLembrete->sizeHint().width();
    in.upcomingHeight = std::max(lblProximoNiver->sizeHint().height(), fontMetrics().height());
    const CalendarLayout layout = CalculaLayoutCalendario(in);

    for (int i = 0; i < 8; ++i)
        cmdBarra[static_cast<size_t>(i)]->setGeometry(layout.buttons[static_cast<size_t>(i)]);
    Line1->setGeometry(layout.line);
    FrameMesAno->setGeometry(layout.frame);
    for (int c = 0; c < 7; ++c)
        lblDiaSemana[static_cast<size_t>(c)]->setGeometry(layout.weekdays[static_cast<size_t>(c)]);
    for (int i = 0; i < MonthGrid::Cells; ++i) {
        lblDia[static_cast<size_t>(i)]->setGeometry(layout.days[static_cast<size_t>(i)]);
        listEvento[static_cast<size_t>(i)]->setGeometry(layout.lists[static_cast<size_t>(i)]);
        dicas[static_cast<size_t>(i)]->AjustaRetangulo();
    }
    lblHoje->setGeometry(layout.today.left(), layout.today.top(), lblHoje->sizeHint().width(),
                         layout.today.height());
    lblLembrete->setGeometry(layout.reminder);
    lblProximoNiver->setGeometry(layout.upcoming);
    CarregaProximoNiver();
    if (!m_carregando) {
        setEnabled(wasEnabled);
        setUpdatesEnabled(true);
    }
}

bool frmCalendario::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate) {
        QApplication::restoreOverrideCursor();
        static_cast<HtmlLabel *>(lblHoje)->DefineHtml(TextoHoje());
        AtualizaLembrete();
    }
    return QWidget::event(event);
}

void frmCalendario::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (isMinimized())
        return;
    gravaEstadoJanela();
    AjustaObjetosNoForm();
}

void frmCalendario::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !isMinimized()) {
        gravaEstadoJanela();
    }
}

void frmCalendario::gravaEstadoJanela()
{
    GravaRegistro(Chave::Usuario, QStringLiteral("WindowState"),
                  isMaximized() ? QStringLiteral("2") : QStringLiteral("0"));
}

void frmCalendario::closeEvent(QCloseEvent *event)
{
    // The calendar is the main window: every other window closes with it.
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible())
            window->close();
    }
    event->accept();
}

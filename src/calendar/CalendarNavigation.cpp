// Moving between months and years: buttons, menus, "Another" and the keys.

#include "DayList.h"
#include "app/ProgramState.h"
#include "appearance/frmCores.h"
#include "data/BirthdayStore.h"
#include "dates/DateRules.h"
#include "exchange/DataExchange.h"
#include "frmCalendario.h"
#include "menus/Help.h"
#include "menus/frmAbout.h"
#include "msgbox/ParaBox.h"
#include "platform/WindowRoutines.h"
#include "text/TextTable.h"

#include <QAction>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QUrl>

namespace {

constexpr int kFirstYear = 1800;
constexpr int kLastYear = 2199;
// The keys may leave the supported years; the cell tags hold four-digit years.
constexpr int kFirstTagYear = 1000;
constexpr int kLastTagYear = 9999;

int selectedDay()
{
    return ValorInteiro(Programa().calendar.DiaSelecionado);
}

} // namespace

void frmCalendario::selecionaMesMantendoDia(int month, int year)
{
    CalendarSelection &sel = Programa().calendar;
    sel.MesCalendario = month;
    sel.AnoCalendario = year;
    sel.DiaCalendario = DiaLimitado(selectedDay(), month, year);
    MontaCalendario();
    SelecionaCelula(m_grid.celulaMes[static_cast<size_t>(sel.DiaCalendario)]);
}

void frmCalendario::AnoSeguinte()
{
    const CalendarSelection &sel = Programa().calendar;
    if (sel.AnoCalendario >= kLastYear)
        return;
    selecionaMesMantendoDia(sel.MesCalendario, sel.AnoCalendario + 1);
}

void frmCalendario::AnoAnterior()
{
    const CalendarSelection &sel = Programa().calendar;
    if (sel.AnoCalendario <= kFirstYear)
        return;
    selecionaMesMantendoDia(sel.MesCalendario, sel.AnoCalendario - 1);
}

void frmCalendario::MesSeguinte()
{
    const CalendarSelection &sel = Programa().calendar;
    if (sel.MesCalendario == 12) {
        if (sel.AnoCalendario >= kLastYear)
            return;
        selecionaMesMantendoDia(1, sel.AnoCalendario + 1);
    } else {
        selecionaMesMantendoDia(sel.MesCalendario + 1, sel.AnoCalendario);
    }
}

void frmCalendario::MesAnterior()
{
    const CalendarSelection &sel = Programa().calendar;
    if (sel.MesCalendario > 1) {
        selecionaMesMantendoDia(sel.MesCalendario - 1, sel.AnoCalendario);
    } else {
        if (sel.AnoCalendario <= kFirstYear)
            return;
        selecionaMesMantendoDia(12, sel.AnoCalendario - 1);
    }
}

void frmCalendario::sublinhaMesAno(QLabel *label)
{
    for (QLabel *l : {txtMes, txtAno}) {
        QFont font = l->font();
        font.setUnderline(l == label);
        l->setFont(font);
    }
}

void frmCalendario::MostraMenuMeses()
{
    sublinhaMesAno(nullptr);
    const QPoint inFrame(txtMes->x() - 28, txtMes->y() + txtMes->height());
    menus.mnuPopMeses->popup(FrameMesAno->mapToGlobal(inFrame));
}

void frmCalendario::MostraMenuAnos()
{
    sublinhaMesAno(nullptr);
    const QPoint inFrame(txtAno->x() - 28, txtAno->y() + txtAno->height());
    menus.mnuPopAnos->popup(FrameMesAno->mapToGlobal(inFrame));
}

void frmCalendario::EscolheMes(int month)
{
    CalendarSelection &sel = Programa().calendar;
    if (month != sel.MesCalendario) {
        sel.MesCalendario = month;
        MontaCalendario();
    }
    SelecionaCelula(CelulaDoDiaOuUltimo(m_grid, selectedDay()));
}

void frmCalendario::EscolheAno(int year)
{
    if (year < kFirstTagYear || year > kLastTagYear)
        return;
    Programa().calendar.AnoCalendario = year;
    MontaCalendario();
    SelecionaCelula(CelulaDoDiaOuUltimo(m_grid, selectedDay()));
}

void frmCalendario::OutroAno()
{
    const QVariant answer = ParaBox(Texto(376), Texto(377), {}, BotoesEntrada, 1, IconePergunta, 4,
                                    0, {}, 0, {}, {}, 0, 0);
    const std::optional<qint16> year = ParaInteiro16(answer.toString());
    if (!year)
        return; // an empty field or letters: nothing changes
    AcaoDaChave(menus.mnuPopAnos, QStringLiteral("mnuOutroAno"))->setChecked(false);
    if (*year == ResultadoCancelar)
        return;
    if (*year < kFirstYear || *year > kLastYear) {
        ParaBox(Texto(376), MontaTexto(378, {"|1", kFirstYear, "|2", kLastYear}), {}, BotoesOk, 1,
                IconeAviso, 0, 0, {}, 0, {}, {}, 4000, 0);
        return;
    }
    EscolheAno(*year);
}

void frmCalendario::conectaMenus()
{
    connect(menus.mnuPopMeses, &QMenu::triggered, this,
            [this](QAction *action) { EscolheMes(action->objectName().toInt()); });
    connect(menus.mnuPopAnos, &QMenu::triggered, this, [this](QAction *action) {
        if (action->objectName() == QLatin1String("mnuOutroAno"))
            OutroAno();
        else
            EscolheAno(action->text().toInt());
    });
    const auto on = [this](QMenu *menu, const char *key, auto slot) {
        connect(AcaoDaChave(menu, QString::fromLatin1(key)), &QAction::triggered, this, slot);
    };
    on(menus.mnuPopHelp, "mnuHelpConteudo", [] { AbreAjuda(500); });
    on(menus.mnuPopHelp, "mnuHelpWeb", [] { QDesktopServices::openUrl(QUrl(Texto(5))); });
    on(menus.mnuPopDados, "mnuDadosFechar", [this] { close(); });
    on(menus.mnuPopDados, "mnuDadosExportar", [this] { clsExportar().Exportar(this); });
    on(menus.mnuPopDados, "mnuDadosImportar", [this] { clsImportar().Importar(this, this); });
    on(menus.mnuPopHelp, "mnuHelpSobre", [this] {
        frmAbout about(this);
        about.exec();
    });
    on(menus.mnuPopOpcoes, "mnuLembrete", [this] { emit abreConfigLembrete(); });
    on(menus.mnuPopOpcoes, "mnuCores", [this] {
        frmCores dialog(this);
        dialog.exec();
        SelecionaCelula(Programa().calendar.CelulaSelecionada);
    });

    connect(cmdBarra[0], &QPushButton::clicked, this,
            [this] { MostraMenuSob(menus.mnuPopDados, cmdBarra[0]); });
    connect(cmdBarra[6], &QPushButton::clicked, this,
            [this] { MostraMenuSob(menus.mnuPopOpcoes, cmdBarra[6]); });
    connect(cmdBarra[7], &QPushButton::clicked, this, [this] {
        const QScreen *screen = this->screen();
        MostraMenuSob(menus.mnuPopHelp, cmdBarra[7], screen && screen->geometry().width() < 1024);
    });
}

bool frmCalendario::eventFilter(QObject *watched, QEvent *event)
{
    // The window's keys belong to the window itself, not to its pop-up menus.
    const auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != this)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // These keys belong to the window, before any button's accelerator.
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::AltModifier &&
            (key->key() == Qt::Key_H || key->key() == Qt::Key_M || key->key() == Qt::Key_Space ||
             key->key() == Qt::Key_T)) {
            event->accept();
            return true;
        }
        break;
    }
    case QEvent::KeyPress:
        if (trataTecla(static_cast<QKeyEvent *>(event)))
            return true;
        break;
    case QEvent::MouseButtonPress:
        if (watched == txtMes) {
            MostraMenuMeses();
            return true;
        }
        if (watched == txtAno) {
            MostraMenuAnos();
            return true;
        }
        break;
    case QEvent::Enter:
        if (watched == txtMes || watched == txtAno)
            sublinhaMesAno(static_cast<QLabel *>(watched));
        else if (watched == this || watched == FrameMesAno ||
                 qobject_cast<QPushButton *>(watched) || qobject_cast<QToolButton *>(watched) ||
                 std::find(lblDiaSemana.begin(), lblDiaSemana.end(), watched) != lblDiaSemana.end())
            sublinhaMesAno(nullptr);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool frmCalendario::trataTecla(QKeyEvent *event)
{
    CalendarSelection &sel = Programa().calendar;
    const int cell = sel.CelulaSelecionada;
    const auto toMonth = [this](int month, int year, int selectCell) {
        if (year < kFirstTagYear || year > kLastTagYear)
            return;
        Programa().calendar.MesCalendario = month;
        Programa().calendar.AnoCalendario = year;
        MontaCalendario();
        SelecionaCelula(selectCell);
    };
    const auto previous = [&sel, &toMonth](int selectCell) {
        if (sel.MesCalendario == 1)
            toMonth(12, sel.AnoCalendario - 1, selectCell);
        else
            toMonth(sel.MesCalendario - 1, sel.AnoCalendario, selectCell);
    };
    const auto next = [&sel, &toMonth](int selectCell) {
        if (sel.MesCalendario == 12)
            toMonth(1, sel.AnoCalendario + 1, selectCell);
        else
            toMonth(sel.MesCalendario + 1, sel.AnoCalendario, selectCell);
    };

    if (event->modifiers() == Qt::AltModifier) {
        switch (event->key()) {
        case Qt::Key_M:
            MostraMenuMeses();
            return true;
        case Qt::Key_Space:
            MostraMenuAnos();
            return true;
        case Qt::Key_H:
            lblHoje_Click();
            return true;
        case Qt::Key_T:
            emit abreConfigLembrete();
            return true;
        default:
            return false;
        }
    }
    if (event->modifiers() == Qt::ControlModifier && event->key() == Qt::Key_Insert) {
        if (cmdBarra[2]->isEnabled())
            AlteraNiverSelecionado();
        return true;
    }
    if (event->modifiers() & ~Qt::KeypadModifier)
        return false;
    switch (event->key()) {
    case Qt::Key_Insert:
        NovoNiver();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!Store().NiverAtual)
            return false;
        AlteraNiverSelecionado();
        return true;
    case Qt::Key_Delete:
        if (!cmdBarra[3]->isEnabled())
            return false;
        listEvento[0]->setFocus(); // the selected list shows no highlighted line while asking
        ExcluiNiverSelecionado();
        return true;
    case Qt::Key_Menu:
        MostraMenuNiver();
        return true;
    case Qt::Key_PageUp:
        MesSeguinte();
        return true;
    case Qt::Key_PageDown:
        MesAnterior();
        return true;
    case Qt::Key_Left:
        cell == 0 ? previous(41) : SelecionaCelula(cell - 1);
        return true;
    case Qt::Key_Right:
        cell == 41 ? next(0) : SelecionaCelula(cell + 1);
        return true;
    case Qt::Key_Up:
        cell < 7 ? previous(cell + 35) : SelecionaCelula(cell - 7);
        return true;
    case Qt::Key_Down:
        cell > 34 ? next(cell - 35) : SelecionaCelula(cell + 7);
        return true;
    case Qt::Key_Home:
        SelecionaCelula(0);
        return true;
    case Qt::Key_End:
        SelecionaCelula(41);
        return true;
    default:
        return false;
    }
}

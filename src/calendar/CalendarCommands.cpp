// The calendar's commands: add, edit, delete, find, e-mail, the birthday
// menu, drag and drop, and the step that shows a birthday a dialog left.

#include "DayList.h"
#include "app/Clock.h"
#include "app/ProgramState.h"
#include "data/BirthdayStore.h"
#include "dates/DateRules.h"
#include "dialogs/frmNovo.h"
#include "dialogs/frmProcurar.h"
#include "frmCalendario.h"
#include "list/frmListagem.h"
#include "msgbox/ParaBox.h"
#include "platform/WindowRoutines.h"
#include "reminder/frmConfigLembrete.h"
#include "text/TextTable.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>

void frmCalendario::conectaComandos()
{
    connect(cmdBarra[1], &QPushButton::clicked, this, &frmCalendario::NovoNiver);
    connect(cmdBarra[2], &QPushButton::clicked, this, &frmCalendario::AlteraNiverSelecionado);
    connect(cmdBarra[3], &QPushButton::clicked, this, &frmCalendario::ExcluiNiverSelecionado);
    connect(cmdBarra[4], &QPushButton::clicked, this, &frmCalendario::ProcuraNiverDialogo);
    connect(cmdBarra[5], &QPushButton::clicked, this, &frmCalendario::MostraLista);
    connect(this, &frmCalendario::abreLista, this, &frmCalendario::MostraLista);
    connect(this, &frmCalendario::abreConfigLembrete, this, &frmCalendario::ConfiguraLembrete);
    const auto on = [this](const char *key, auto slot) {
        connect(AcaoDaChave(menus.mnuPopNiver, QString::fromLatin1(key)), &QAction::triggered, this,
                slot);
    };
    on("mnuNiverNovo", [this] { NovoNiver(); });
    on("mnuNiverAlterar", [this] { AlteraNiverSelecionado(); });
    on("mnuNiverExcluir", [this] { ExcluiNiverSelecionado(); });
    on("mnuNiverProcurar", [this] { ProcuraNiverDialogo(); });
    on("mnuNiverLista", [this] { emit abreLista(); });
    on("mnuNiverEmail", [] {
        if (Store().NiverAtual)
            EnviaEmail(Store().NiverAtual->Email);
    });
}

void frmCalendario::reselecionaLinha()
{
    const CalendarSelection &sel = Programa().calendar;
    DayList *list = listEvento[static_cast<size_t>(sel.CelulaSelecionada)];
    list->setFocus();
    DayList::SelecionaTextoInicial(list, sel.ApelidoSelecionado);
}

void frmCalendario::avisaNaoGravado(const QString &titulo)
{
    ParaBox(titulo, Texto(3000), Store().UltimoErro().descricao, BotoesOk, 1, IconeErro, 0, 0, {},
            0, {}, {}, 4500, 0);
}

bool frmCalendario::mostraDialogo(QDialog &dialog)
{
    dialog.exec();
    if (Programa().dialog.RetornoNiver == -1) {
        // Cancelled: the line selected before is selected again.
        DestacaDia(Programa().calendar.CelulaSelecionada);
        reselecionaLinha();
        return false;
    }
    SelecionaNiver();
    return true;
}

void frmCalendario::NovoNiver()
{
    Programa().dialog.ModoNiver = Texto(677);
    frmNovo dialog(this);
    if (!mostraDialogo(dialog))
        return;
    MontaLegendaForm();
    PosicionaMouse(listEvento[static_cast<size_t>(Programa().calendar.CelulaSelecionada)], false);
}

void frmCalendario::AlteraNiverSelecionado()
{
    Programa().dialog.ModoNiver = Texto(678);
    frmNovo dialog(this);
    if (mostraDialogo(dialog))
        PosicionaMouse(listEvento[static_cast<size_t>(Programa().calendar.CelulaSelecionada)],
                       true);
}

void frmCalendario::ProcuraNiverDialogo()
{
    frmProcurar dialog(this);
    if (mostraDialogo(dialog))
        PosicionaMouse(listEvento[static_cast<size_t>(Programa().calendar.CelulaSelecionada)],
                       true);
}

void frmCalendario::SelecionaNiver()
{
    CalendarSelection &sel = Programa().calendar;
    CarregaEventosDoMes();
    CarregaProximoNiver();
    const int d = ValorInteiro(sel.DiaSelecionado);
    const int m = ValorInteiro(sel.MesSelecionado);
    const std::optional<int> visible = CelulaVisivel(m_grid, d, m);
    int cell = visible.value_or(-1);
    if (!visible) {
        // The month of the next occurrence.
        const QDate shown = ProximaData(d, m, Clock::today());
        sel.AnoCalendario = shown.year();
        sel.MesCalendario = shown.month();
        sel.DiaCalendario = shown.day();
        MontaCalendario();
        cell = m_grid.celulaMes[static_cast<size_t>(sel.DiaCalendario)];
    }
    const QString alias = sel.ApelidoSelecionado;
    SelecionaNiverNaCelula(cell, alias);
    HabilitaEdicao(true);
}

void frmCalendario::ExcluiNiverSelecionado()
{
    const CalendarSelection &sel = Programa().calendar;
    const QVariant answer =
        ParaBox(Texto(365), MontaTexto(366, {"|1", sel.ApelidoSelecionado}), Texto(367),
                BotoesOkCancelar, 2, IconePergunta, 0, 0, {}, 0, {}, {}, 4000, 800);
    if (answer.toInt() != ResultadoOk) {
        reselecionaLinha();
        return;
    }
    if (!Store().ExcluiNiver())
        avisaNaoGravado(Texto(365));
    CarregaEventosDoMes();
    CarregaProximoNiver();
    SelecionaCelula(sel.CelulaSelecionada);
    MontaLegendaForm();
}

void frmCalendario::MostraMenuNiver()
{
    auto *list = qobject_cast<DayList *>(QApplication::focusWidget());
    if (!list)
        return;
    menus.mnuPopNiver->popup(list->mapToGlobal(list->rect().center()));
}

void frmCalendario::IniciaArrasto(int cell)
{
    CalendarSelection &sel = Programa().calendar;
    DayList *list = listEvento[static_cast<size_t>(cell)];
    sel.DiaSelecionado = DoisDigitos(m_grid.dia[static_cast<size_t>(cell)]);
    sel.MesSelecionado = m_grid.mesDaCelula(cell);
    sel.CelulaSelecionada = cell;
    sel.ApelidoSelecionado = list->currentItem() ? list->currentItem()->text() : QString();
    m_celulaArrasto = cell;
    m_indiceArrasto = list->currentRow();
}

void frmCalendario::SoltaEm(int target, const QString &alias)
{
    if (target == m_celulaArrasto)
        return; // a birthday dropped on its own day stays where it is
    CalendarSelection &sel = Programa().calendar;
    BirthdayStore &store = Store();
    DayList *list = listEvento[static_cast<size_t>(target)];
    list->addItem(alias);
    list->setFocus();
    DayList::SelecionaTextoInicial(list, alias);

    store.NiverAtual =
        store.ProcuraNiver(sel.DiaSelecionado, sel.MesSelecionado, sel.ApelidoSelecionado);
    const QString apelido = store.NiverAtual ? store.NiverAtual->Apelido : alias;
    const QString dia = DoisDigitos(m_grid.dia[static_cast<size_t>(target)]);
    const QString mes = m_grid.mesDaCelula(target);
    if (!store.MudaData(dia, mes) && store.NiverAtual)
        avisaNaoGravado({});
    sel.ApelidoSelecionado = apelido;
    sel.DiaSelecionado = dia;
    sel.MesSelecionado = mes;
    sel.CelulaSelecionada = target;
    m_celulaArrasto = target;
}

void frmCalendario::ConcluiArrasto(int source)
{
    DayList *from = listEvento[static_cast<size_t>(source)];
    if (m_indiceArrasto >= 0 && m_indiceArrasto < from->count())
        delete from->takeItem(m_indiceArrasto);
    CarregaProximoNiver();
    DestacaDia(m_celulaArrasto);
    DayList *to = listEvento[static_cast<size_t>(m_celulaArrasto)];
    const QString alias = Store().NiverAtual ? Store().NiverAtual->Apelido : QString();
    for (int i = 0; i < to->count(); ++i) {
        if (to->item(i)->text() == alias) {
            to->setCurrentRow(i);
            break;
        }
    }
    Programa().calendar.CelulaSelecionada = m_celulaArrasto;
}

void frmCalendario::MostraLista()
{
    CalendarSelection &sel = Programa().calendar;
    DayList *selected = listEvento[static_cast<size_t>(sel.CelulaSelecionada)];
    const QListWidgetItem *line = selected->currentItem();
    LinhaSalva = line && line->isSelected() ? selected->currentRow() : -1;

    frmListagem list(this);
    list.Tag = QStringLiteral("1");
    list.cmdBotoesBaixo[1]->setToolTip(Texto(368));
    list.Nivers = Store().ConsultaNivers({}, {}, frmListagem::Ordem);
    list.CarregaNivers();
    list.exec();
    if (list.NiverEscolhido())
        return; // the calendar already shows the birthday chosen in the list

    // Back from the list: the line selected before is selected again.
    show();
    DayList *cellList = listEvento[static_cast<size_t>(sel.CelulaSelecionada)];
    LinhaDefinida = true;
    LinhaSobMouse = LinhaSalva != -1
                        ? LinhaSalva
                        : DayList::SelecionaTextoInicial(cellList, sel.ApelidoSelecionado);
    listEvento_MouseDown(sel.CelulaSelecionada, Qt::LeftButton, 0, QPoint(0, 0));
    PosicionaMouse(cellList, false);
}

void frmCalendario::MostraNiverEscolhido(int cell, const QString &alias)
{
    show();
    raise();
    activateWindow();
    if (cell < 0 || cell >= MonthGrid::Cells)
        return;
    SelecionaNiverNaCelula(cell, alias);
    PosicionaMouse(listEvento[static_cast<size_t>(cell)], true);
}

void frmCalendario::ConfiguraLembrete()
{
    frmConfigLembrete dialog(this);
    dialog.exec();
    reselecionaLinha();
}

// The calendar's selection, tooltips and its Today, Reminder and upcoming lines.

#include "DayList.h"
#include "DayTooltip.h"
#include "app/Clock.h"
#include "app/ProgramState.h"
#include "data/BirthdayStore.h"
#include "dates/DateRules.h"
#include "frmCalendario.h"
#include "list/clsToolTip.h"
#include "platform/HtmlLabel.h"
#include "text/TextTable.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QPushButton>

void frmCalendario::listEvento_MouseDown(int cell, Qt::MouseButton button, int, const QPoint &point)
{
    CalendarSelection &sel = Programa().calendar;
    BirthdayStore &store = Store();
    DayList *list = listEvento[static_cast<size_t>(cell)];
    sel.MesSelecionado = m_grid.mesDaCelula(cell);
    sel.DiaSelecionado = DoisDigitos(m_grid.dia[static_cast<size_t>(cell)]);
    sel.CelulaSelecionada = cell;
    DestacaDia(cell);

    const int line = LinhaDefinida ? LinhaSobMouse : list->LinhaEm(point);
    LinhaSobMouse = line;
    LinhaDefinida = false;
    const bool onLine = line != -1 && list->count() > 0 && line < list->count();
    HabilitaEdicao(onLine);
    if (onLine)
        list->setCurrentRow(line);

    const QListWidgetItem *current = list->currentItem();
    const QString selected = current && current->isSelected() ? current->text() : QString();
    store.NiverAtual = store.ProcuraNiver(sel.DiaSelecionado, sel.MesSelecionado, selected);
    AcaoDaChave(menus.mnuPopNiver, QStringLiteral("mnuNiverEmail"))
        ->setEnabled(onLine && store.NiverAtual && !store.NiverAtual->Email.isEmpty());
    sel.ApelidoSelecionado = selected;
    if (button == Qt::RightButton)
        menus.mnuPopNiver->popup(list->viewport()->mapToGlobal(point));
}

void frmCalendario::SelecionaCelula(int cell)
{
    if (cell >= 0 && cell < MonthGrid::Cells)
        listEvento_MouseDown(cell, Qt::LeftButton, 1, QPoint(0, 0));
}

void frmCalendario::HabilitaEdicao(bool on)
{
    cmdBarra[2]->setEnabled(on);
    cmdBarra[3]->setEnabled(on);
    AcaoDaChave(menus.mnuPopNiver, QStringLiteral("mnuNiverAlterar"))->setEnabled(on);
    AcaoDaChave(menus.mnuPopNiver, QStringLiteral("mnuNiverExcluir"))->setEnabled(on);
}

void frmCalendario::AtivaToolTips(bool on)
{
    QApplication::processEvents();
    for (clsToolTip *tip : dicas)
        tip->AtivaToolTip(on);
}

void frmCalendario::PosicionaMouse(QListWidget *list, bool showTip)
{
    auto *dayList = static_cast<DayList *>(list);
    QPoint local;
    if (QListWidgetItem *item = list->currentItem(); item && item->isSelected()) {
        const QRect rect = list->visualItemRect(item);
        local = QPoint(rect.left() + list->width() / 2, rect.top() + rect.height() / 2);
        local = list->viewport()->mapTo(list, local);
    } else {
        local = QPoint(list->width() * 85 / 100, list->height() * 65 / 100);
    }
    const QPoint global = list->mapToGlobal(local);
    QCursor::setPos(global + QPoint(1, 1));
    QApplication::processEvents();
    QCursor::setPos(global);
    atualizaDica(dayList->Celula(), list->viewport()->mapFrom(list, local));
    AtivaToolTips(true);
    if (showTip) {
        QApplication::processEvents();
        clsToolTip *tip = dicas[static_cast<size_t>(dayList->Celula())];
        tip->Set_CursorPos(global);
        tip->ShowToolTip();
    }
}

void frmCalendario::atualizaDica(int cell, const QPoint &point)
{
    DayList *list = listEvento[static_cast<size_t>(cell)];
    const QDate date = m_grid.dataDaCelula(cell);
    clsToolTip *tip = dicas[static_cast<size_t>(cell)];
    tip->Set_CursorPos(list->viewport()->mapToGlobal(point));
    const int line = list->LinhaEm(point);
    const QString text = line >= 0 ? list->item(line)->text() : QString();
    std::optional<clsNiver> found;
    if (!text.isEmpty())
        found = Store().ProcuraNiver(DoisDigitos(date.day()), DoisDigitos(date.month()), text);
    const TextoDica dica = DicaDaCelula(date, text, found);
    if (dica.texto != m_ultimoTextoDica || dica.titulo != m_ultimoTituloDica) {
        tip->Set_Texto(dica.texto);
        tip->Set_Titulo(clsToolTip::Informacao, dica.titulo);
        m_ultimoTextoDica = dica.texto;
        m_ultimoTituloDica = dica.titulo;
    }
}

QString frmCalendario::TextoHoje() const
{
    return MontaTexto(369, {"|1", DataCurta(Clock::today())});
}

void frmCalendario::lblHoje_Click()
{
    CalendarSelection &sel = Programa().calendar;
    const QDate today = Clock::today();
    sel.DiaCalendario = today.day();
    sel.MesCalendario = today.month();
    sel.AnoCalendario = today.year();
    MontaCalendario();
    const int cell = m_grid.celulaMes[static_cast<size_t>(sel.DiaCalendario)];
    SelecionaCelula(cell);
    PosicionaMouse(listEvento[static_cast<size_t>(cell)], false);
}

void frmCalendario::AtualizaLembrete()
{
    const bool on = Programa().reminder.ReminderType != 0 && Programa().reminder.ReminderDays > 0;
    auto *label = static_cast<HtmlLabel *>(lblLembrete);
    label->DefineHtml(MontaTexto(357, {"|1", TituloPrograma(), "|2", Texto(on ? 355 : 356)}));
    const int width = label->sizeHint().width();
    const int right = Line1->geometry().right() + 1;
    label->setGeometry(right - width, lblHoje->y(), width, lblHoje->height());
    label->setVisible(true);
}

void frmCalendario::CarregaProximoNiver()
{
    static_cast<HtmlLabel *>(lblHoje)->DefineHtml(TextoHoje());
    lblHoje->resize(lblHoje->sizeHint().width(), lblHoje->height());
    auto *label = static_cast<HtmlLabel *>(lblProximoNiver);
    const int gridWidth = 7 * lblDia[0]->width() - 6;
    const QFontMetrics metrics(font());
    const auto measure = [&metrics](const QString &text) {
        return metrics.horizontalAdvance(text);
    };

    // Only the birthdays that can fit are read: fetch more while they all fit.
    int total = 0;
    LinhaProximos line;
    for (int limit = 32;; limit *= 2) {
        m_proximos = Store().ProximosNivers(Clock::today(), limit, &total);
        line = MontaLinhaProximos(m_proximos, gridWidth, measure, total);
        if (line.entradas < m_proximos.size() || m_proximos.size() < limit)
            break;
    }
    label->DefineHtml(line.html);
    if (line.entradas == 0)
        return;
    const int width = measure(line.legenda);
    const int gridLeft = lblDia[0]->x();
    label->setGeometry(gridLeft + (gridWidth - width) / 2, label->y(), width + 2, label->height());
}

void frmCalendario::proximoNiverClicado(const QString &href)
{
    CalendarSelection &sel = Programa().calendar;
    const auto record = std::find_if(m_proximos.cbegin(), m_proximos.cend(),
                                     [&href](const clsNiver &r) { return r.Apelido == href; });
    if (record == m_proximos.cend())
        return;
    const QDate shown =
        ProximaData(ValorInteiro(record->Dia), ValorInteiro(record->Mes), Clock::today());
    sel.DiaCalendario = shown.day();
    sel.MesCalendario = shown.month();
    sel.AnoCalendario = shown.year();
    MontaCalendario();
    const int cell = m_grid.celulaMes[static_cast<size_t>(sel.DiaCalendario)];
    SelecionaNiverNaCelula(cell, href);
    PosicionaMouse(listEvento[static_cast<size_t>(cell)], true);
}

void frmCalendario::SelecionaNiverNaCelula(int cell, const QString &alias)
{
    // The found line becomes the selection, so the commands act on it.
    DayList *list = listEvento[static_cast<size_t>(cell)];
    const int line = DayList::SelecionaTextoInicial(list, alias);
    LinhaDefinida = true;
    LinhaSobMouse = line >= 0 ? line : 0;
    listEvento_MouseDown(cell, Qt::LeftButton, 1, QPoint(0, 0));
}

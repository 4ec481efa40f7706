#include "DayList.h"

#include <QMouseEvent>

DayList::DayList(int cell, QWidget *parent) : QListWidget(parent), m_cell(cell)
{
    setObjectName(QStringLiteral("listEvento%1").arg(cell));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::Box);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    setUniformItemSizes(true);
    setTextElideMode(Qt::ElideRight);
}

int DayList::LinhaEm(const QPoint &point) const
{
    const QListWidgetItem *item = itemAt(point);
    return item ? row(item) : -1;
}

int DayList::SelecionaTextoInicial(QListWidget *list, const QString &text)
{
    const int n = list->count();
    for (int k = 0; k < n; ++k) {
        const int i = (1 + k) % n;
        if (list->item(i)->text().startsWith(text, Qt::CaseInsensitive)) {
            list->setCurrentRow(i);
            return i;
        }
    }
    return -1;
}

void DayList::mousePressEvent(QMouseEvent *event)
{
    // The calendar does the selecting, so the list's own press handling is skipped.
    setFocus(Qt::MouseFocusReason);
    emit pressionada(m_cell, event->button(), event->position().toPoint());
}

void DayList::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit duploClique(m_cell);
}

void DayList::mouseMoveEvent(QMouseEvent *event)
{
    emit movida(m_cell, event->position().toPoint());
    QListWidget::mouseMoveEvent(event);
}

void DayList::focusOutEvent(QFocusEvent *event)
{
    emit perdeuFoco(m_cell);
    QListWidget::focusOutEvent(event);
}

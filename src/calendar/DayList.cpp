#include "DayList.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
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
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
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
    m_pressed = event->button() == Qt::LeftButton;
    m_pressPoint = event->position().toPoint();
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
    const bool dragging = m_pressed && (event->buttons() & Qt::LeftButton) &&
                          (event->position().toPoint() - m_pressPoint).manhattanLength() >=
                              QApplication::startDragDistance();
    const QListWidgetItem *line = currentItem();
    if (!dragging || !line || !line->isSelected())
        return;
    // The dragged value is the alias of the line the press selected.
    m_pressed = false;
    emit arrastoIniciado(m_cell);
    auto *drag = new QDrag(this);
    auto *data = new QMimeData;
    data->setText(line->text());
    drag->setMimeData(data);
    if (drag->exec(Qt::MoveAction) == Qt::MoveAction)
        emit arrastoConcluido(m_cell);
}

bool DayList::aceitaArrasto(const QDropEvent *event) const
{
    const auto *source = qobject_cast<const DayList *>(event->source());
    return event->mimeData()->hasText() && source && source->parentWidget() == parentWidget() &&
           source != this;
}

void DayList::dragEnterEvent(QDragEnterEvent *event)
{
    if (aceitaArrasto(event)) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore(); // a birthday cannot be dropped on its own day
    }
}

void DayList::dragMoveEvent(QDragMoveEvent *event)
{
    if (aceitaArrasto(event)) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void DayList::dropEvent(QDropEvent *event)
{
    if (!aceitaArrasto(event)) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
    emit soltado(m_cell, event->mimeData()->text());
}

void DayList::mouseReleaseEvent(QMouseEvent *event)
{
    m_pressed = false;
    QListWidget::mouseReleaseEvent(event);
}

void DayList::focusOutEvent(QFocusEvent *event)
{
    emit perdeuFoco(m_cell);
    QListWidget::focusOutEvent(event);
}

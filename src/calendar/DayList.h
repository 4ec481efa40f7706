#pragma once

#include <QListWidget>

// One day's list of birthdays in the month grid. It reports presses,
// double-clicks and pointer moves to the calendar, which decides what they do.
class DayList : public QListWidget {
    Q_OBJECT
public:
    DayList(int cell, QWidget *parent);
    int Celula() const { return m_cell; }

    // The line at a point of the list, or -1.
    int LinhaEm(const QPoint &point) const;
    // Selects the first line, from the second one down and round to the first,
    // whose text begins with `text` (case ignored). Its position, or -1 with
    // the selection unchanged.
    static int SelecionaTextoInicial(QListWidget *list, const QString &text);

signals:
    void pressionada(int cell, Qt::MouseButton button, QPoint point);
    void arrastoIniciado(int cell);
    void soltado(int cell, const QString &alias);
    void arrastoConcluido(int cell); // the birthday moved away from this list
    void duploClique(int cell);
    void movida(int cell, QPoint point);
    void perdeuFoco(int cell);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    bool aceitaArrasto(const QDropEvent *event) const;

    int m_cell;
    QPoint m_pressPoint;
    bool m_pressed = false;
};

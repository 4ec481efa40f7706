#pragma once

#include <QWidget>

// The program's main window: the month calendar. Closing it ends the program.
class frmCalendario : public QWidget {
    Q_OBJECT
public:
    explicit frmCalendario(QWidget *parent = nullptr);

    // The caption: title and version, and the birthday count when there are any.
    void MontaLegendaForm();

protected:
    void closeEvent(QCloseEvent *event) override;
};

// "Rerevid 1.1", then " - 1,234 birthdays" when there are any.
QString LegendaCalendario(int count);

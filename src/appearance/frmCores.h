#pragma once

#include <QDialog>

#include <array>

class QGroupBox;
class QPushButton;
class QRadioButton;
class frmCalendario;

// Choosing the calendar's colour scheme, previewed live on the calendar.
class frmCores : public QDialog {
    Q_OBJECT
public:
    explicit frmCores(frmCalendario *calendar);

    int Escolha() const { return m_escolha; }

    QGroupBox *Frame1 = nullptr;
    std::array<QRadioButton *, 9> optEsquema{};
    std::array<QPushButton *, 3> cmdBotoes{}; // OK, Cancel, Help

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ok();
    void cancela();
    void destaca(QRadioButton *option);

    frmCalendario *m_calendar;
    int m_escolha;
};

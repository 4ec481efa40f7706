#pragma once

#include <QDialog>

#include <array>

class QGroupBox;
class QLineEdit;
class QPushButton;

// Finding a birthday by its alias (capitals ignored). A found birthday goes
// back to the calendar through the dialog hand-over values.
class frmProcurar : public QDialog {
    Q_OBJECT
public:
    explicit frmProcurar(QWidget *parent = nullptr);

    void ProcuraApelido();

    QGroupBox *Frame1 = nullptr;
    QLineEdit *txtApelido = nullptr;
    std::array<QPushButton *, 3> cmdBotoes{};

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void reject() override;
};

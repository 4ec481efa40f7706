#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// Switching the logon reminder on or off and choosing how many days ahead it
// looks (1 to 365). OK stores both and writes or removes the logon entry.
class frmConfigLembrete : public QDialog {
    Q_OBJECT
public:
    explicit frmConfigLembrete(QWidget *parent = nullptr);

    void Grava();
    void HabilitaDias(bool on);

    QFrame *fraOpcoes = nullptr;
    QCheckBox *chkLembrete = nullptr;
    QLabel *lblAvisar = nullptr;
    QLineEdit *txtDias = nullptr;
    QLabel *lblDias = nullptr;
    std::array<QPushButton *, 3> cmdBotoes{};

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_iniciado = false;
};

#pragma once

#include "ParaBox.h"
#include "ParaBoxLayout.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// The program's own message window: icon, bold heading, body, link, input
// field, check box and up to four buttons, sized to its content.
class frmParaBox : public QDialog {
    Q_OBJECT
public:
    frmParaBox(const ParaBoxArgs &args, QWidget *owner);

    // What ParaBox returns: the typed text in set 4 (2 for Cancel), otherwise
    // the button's code plus 10 with a ticked check box; 0 after a time-out.
    QVariant Resultado() const;
    const ParaBoxLayout &Layout() const { return m_layout; }

    QLabel *imgIcone = nullptr;
    QLabel *txtTituloMensagem = nullptr;
    QLabel *txtMensagem = nullptr;
    QLabel *htmLink = nullptr;
    QLineEdit *txtEntrada = nullptr;
    QCheckBox *pbCheck = nullptr;
    std::array<QPushButton *, 4> cmdBotao{}; // 1, 2, 3 and Help
    QTimer *pbTimer = nullptr;

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void criaControles();
    void defineBotoes();
    void aplicaLayout();
    void ativa();
    void responde(int button); // 0..2
    int codigoDoBotao(int button) const;

    ParaBoxArgs m_args;
    ParaBoxLayout m_layout;
    int m_codigo = 0;
    QString m_texto;
    bool m_respondido = false;
};

// The real responder: shows the window modally over the active program window.
QVariant MostraParaBox(const ParaBoxArgs &args);
void InstalaParaBox();

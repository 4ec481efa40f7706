#pragma once

#include <QDialog>

#include <array>

class QMenu;
class QPushButton;
class QTextBrowser;

// The print preview: the print page in list or table style, with e-mail,
// phone and age as options, printed through the system print dialog.
class frmPrint : public QDialog {
    Q_OBJECT
public:
    static constexpr QSize TamanhoProjeto{569, 51};

    explicit frmPrint(QWidget *parent = nullptr);

    int Estilo = 1; // 1 list, 2 table
    void EscolheEstilo(int estilo);
    void AtualizaOpcoes();
    bool AtualizaVisualizacao();
    // Shows the page file in the view (the page is already written).
    void CarregaPagina();
    bool ImprimePagina();

    QWidget *FrameBarra = nullptr;
    std::array<QPushButton *, 5> cmdBarra{}; // Style, Print, Close, Options, Help
    QTextBrowser *WebBrowser1 = nullptr;
    QMenu *mnuEstilo = nullptr;
    QMenu *mnuOpcoes = nullptr;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void posiciona();
};

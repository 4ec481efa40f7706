#pragma once

#include "data/clsNiver.h"

#include <QDialog>

#include <array>

class HtmlView;
class QFrame;
class QMenu;
class QPushButton;

// The birthday list, opened from the calendar (Tag "1"), or the logon
// reminder's list of the coming birthdays (Tag "0"). A clicked birthday opens
// the calendar on it; a clicked address writes to it.
class frmListagem : public QDialog {
    Q_OBJECT
public:
    // The design size (client area) is the default and the smallest size.
    static constexpr QSize TamanhoProjeto{341, 397};

    explicit frmListagem(QWidget *parent = nullptr);
    ~frmListagem() override;

    ListaNivers Nivers;
    QString Tag = QStringLiteral("1");
    static int Ordem; // kept while the program runs
    int MesLista = 0; // 0: all months
    bool LembreteMostrado = false;

    void CarregaNivers();
    void AtualizaTitulo(bool mostraContagem);
    void ListaGeral();
    void ListaMes();
    void EscolhePeriodo(const QString &key);
    void EscolheOrdem(const QString &key);
    void TamanhoPadrao();
    void LinkClicado(const QString &href);
    // Preview (shows the print preview) or print at once.
    void ImprimeLista(bool preview);

    // True after the user chose a birthday, which the calendar then shows.
    bool NiverEscolhido() const { return m_escolhido; }

    std::array<QPushButton *, 4> cmdBotoesCima{};  // Order, Period, Preview, Print
    std::array<QPushButton *, 3> cmdBotoesBaixo{}; // Help, Close, Default
    HtmlView *HTMLView1 = nullptr;
    QFrame *Picture1 = nullptr;
    QMenu *mnuMostraLista = nullptr;
    QMenu *mnuMostraOrdem = nullptr;

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void HabilitaImpressao(bool on);
    void HabilitaBotoes(bool on);
    void aplicaTamanhoSalvo();
    void gravaTamanho();
    void layout();

    bool m_carregando = true;
    bool m_escolhido = false;
};

#pragma once

#include <QString>
#include <QVariant>

#include <functional>

// Every question and message of the program goes through ParaBox. The call
// reaches the current responder: the real message window in the program, a
// scripted responder in tests.

// Button sets of the box.
enum ParaBoxBotoes {
    BotoesOk = 0,
    BotoesOkCancelar = 1,
    BotoesSimNao = 2,
    BotoesSimNaoCancelar = 3,
    BotoesEntrada = 4
};
// Icons of the box.
enum ParaBoxIcone {
    IconeNenhum = 0,
    IconeErro = 16,
    IconePergunta = 32,
    IconeAviso = 48,
    IconeInformacao = 64
};
// Result codes of the buttons (a ticked check box adds 10).
enum ParaBoxResultado {
    ResultadoOk = 1,
    ResultadoCancelar = 2,
    ResultadoSim = 6,
    ResultadoNao = 7
};

struct ParaBoxArgs {
    QString Titulo;    // caption suffix after the program title
    QString Cabecalho; // bold heading
    QString Mensagem;  // body
    int Botoes = BotoesOk;
    int BotaoPadrao = 1; // 1, 2 or 3
    int Icone = IconeNenhum;
    qint16 TamanhoEntrada = 0; // input field length (set 4); below 1 = no limit
    qint16 Segundos = 0;       // auto-close delay, 0 = none
    QString TextoMarcar;       // check box caption
    int ValorMarcar = 0;
    QString TextoLink;
    QString EnderecoLink;
    qint16 LarguraMinima = 0; // minimum outer width in twips
    qint16 AjudaID = 0;       // help topic; not 0 adds the Help button
};

using ParaBoxResponder = std::function<QVariant(const ParaBoxArgs &)>;

// Replaces the responder; returns the previous one.
ParaBoxResponder DefineParaBoxResponder(ParaBoxResponder responder);

// Shows the box. Returns the typed text in set 4 (or 2 for Cancel), otherwise
// the result code of the button, plus 10 with a ticked check box.
QVariant ParaBox(const ParaBoxArgs &args);
QVariant ParaBox(const QString &Titulo, const QString &Cabecalho, const QString &Mensagem,
                 int Botoes, int BotaoPadrao, int Icone, qint16 TamanhoEntrada, qint16 Segundos,
                 const QString &TextoMarcar, int ValorMarcar, const QString &TextoLink,
                 const QString &EnderecoLink, qint16 LarguraMinima, qint16 AjudaID);

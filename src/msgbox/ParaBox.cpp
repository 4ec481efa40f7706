#include "ParaBox.h"

#include <QtGlobal>

namespace {
ParaBoxResponder &responder()
{
    // Without a window (core-only use) every box is answered with its default button.
    static ParaBoxResponder current = [](const ParaBoxArgs &args) -> QVariant {
        qWarning("Rerevid: message shown without a message window: %s", qPrintable(args.Cabecalho));
        return ResultadoOk;
    };
    return current;
}
} // namespace

ParaBoxResponder DefineParaBoxResponder(ParaBoxResponder next)
{
    ParaBoxResponder previous = std::move(responder());
    responder() = std::move(next);
    return previous;
}

QVariant ParaBox(const ParaBoxArgs &args)
{
    return responder()(args);
}

QVariant ParaBox(const QString &Titulo, const QString &Cabecalho, const QString &Mensagem,
                 int Botoes, int BotaoPadrao, int Icone, qint16 TamanhoEntrada, qint16 Segundos,
                 const QString &TextoMarcar, int ValorMarcar, const QString &TextoLink,
                 const QString &EnderecoLink, qint16 LarguraMinima, qint16 AjudaID)
{
    return ParaBox(ParaBoxArgs{Titulo, Cabecalho, Mensagem, Botoes, BotaoPadrao, Icone,
                               TamanhoEntrada, Segundos, TextoMarcar, ValorMarcar, TextoLink,
                               EnderecoLink, LarguraMinima, AjudaID});
}

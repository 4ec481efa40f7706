#include "DataFile.h"

#include "data/BirthdayStore.h"
#include "msgbox/ParaBox.h"
#include "text/TextTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

constexpr int kHelpBackup = 1350;

QString errorLine(int textId, int number, const QString &description)
{
    return MontaTexto(textId, {"|1", number, "|2", description});
}

} // namespace

CaminhosDados Caminhos()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                           QStringLiteral("/Rerevid");
    return {folder, folder + u'/' + Texto(3) + QStringLiteral(".xml"),
            folder + u'/' + Texto(3) + QStringLiteral(".bak")};
}

bool CopiaArquivo(const QString &from, const QString &to, int *numero, QString *descricao)
{
    const auto fail = [&](const QFileDevice &file) {
        if (numero)
            *numero = static_cast<int>(file.error());
        if (descricao)
            *descricao = file.errorString();
        return false;
    };
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return fail(source);
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return fail(source);
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly))
        return fail(target);
    if (target.write(bytes) != bytes.size() || !target.commit())
        return fail(target);
    return true;
}

bool AbreArquivoDados()
{
    BirthdayStore &store = Store();
    if (store.CarregaArquivo(Caminhos().dados))
        return true;
    const ErroArquivo &error = store.UltimoErro();
    const QString message = error.codigoParser != 0
                                ? errorLine(206, error.codigoParser, error.motivoParser)
                                : errorLine(207, error.numero, error.descricao);
    ParaBox(Texto(204), MontaTexto(205, {"|1", Texto(3)}), message, BotoesOk, 1, IconeErro, 0, 0,
            {}, 0, {}, {}, 5800, 0);
    return false;
}

void GravaCopiaSeguranca()
{
    const CaminhosDados paths = Caminhos();
    int number = 0;
    QString description;
    if (CopiaArquivo(paths.dados, paths.copia, &number, &description))
        return;
    ParaBox(Texto(220), MontaTexto(221, {"|1", Texto(3)}),
            number != 0 ? errorLine(222, number, description) : QString(), BotoesOk, 1, IconeAviso,
            0, 0, {}, 0, {}, {}, 6000, kHelpBackup);
}

Restauro RestauraArquivoDadosComMotivo()
{
    const CaminhosDados paths = Caminhos();
    if (!QFileInfo::exists(paths.copia)) {
        ParaBox(Texto(211), MontaTexto(212, {"|1", Texto(3)}),
                MontaTexto(213, {"|1", Texto(3), "|2", QDir::toNativeSeparators(paths.pasta)}),
                BotoesOk, 1, IconeErro, 0, 0, {}, 0, {}, {}, 5800, kHelpBackup);
        return Restauro::SemCopia;
    }
    const QVariant answer =
        ParaBox(Texto(211), MontaTexto(214, {"|1", TituloPrograma()}), Texto(215), BotoesOkCancelar,
                1, IconeAviso, 0, 0, {}, 0, {}, {}, 5500, kHelpBackup);
    if (answer.toInt() == ResultadoCancelar)
        return Restauro::Recusado;

    int number = 0;
    QString description;
    if (!CopiaArquivo(paths.copia, paths.dados, &number, &description)) {
        ParaBox(Texto(211), Texto(218), errorLine(219, number, description), BotoesOk, 1, IconeErro,
                0, 0, {}, 0, {}, {}, 4900, kHelpBackup);
        return Restauro::Falhou;
    }
    ParaBox(Texto(211), Texto(216), MontaTexto(217, {"|1", TituloPrograma()}), BotoesOk, 1,
            IconeInformacao, 0, 0, {}, 0, {}, {}, 5500, kHelpBackup);
    return Restauro::Restaurado;
}

PreparoDados PreparaArquivoDados()
{
    const CaminhosDados paths = Caminhos();
    QDir().mkpath(paths.pasta);
    const auto failed = [](Restauro r) {
        return r == Restauro::Recusado ? PreparoDados::Cancelado : PreparoDados::Falhou;
    };

    if (!QFileInfo::exists(paths.dados)) {
        if (!QFileInfo::exists(paths.copia)) {
            if (!Store().CriaArquivo(paths.dados))
                return PreparoDados::Falhou;
        } else if (const Restauro r = RestauraArquivoDadosComMotivo(); r != Restauro::Restaurado) {
            return failed(r);
        }
    }
    if (!AbreArquivoDados()) {
        if (const Restauro r = RestauraArquivoDadosComMotivo(); r != Restauro::Restaurado)
            return failed(r);
        if (!AbreArquivoDados())
            return PreparoDados::Falhou;
    }
    // Only a file that opened without error refreshes the backup.
    GravaCopiaSeguranca();
    return PreparoDados::Pronto;
}

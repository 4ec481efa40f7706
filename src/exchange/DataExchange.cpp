#include "DataExchange.h"

#include "app/Clock.h"
#include "app/DataFile.h"
#include "app/ProgramState.h"
#include "app/Settings.h"
#include "calendar/frmCalendario.h"
#include "clsCDL_FileOpen.h"
#include "data/BirthdayStore.h"
#include "msgbox/ParaBox.h"
#include "text/TextRoutines.h"
#include "text/TextTable.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kExportPath = QStringLiteral("ExportPath");

clsCDL_FileOpen dialogFor(QWidget *owner, int titleId, const QString &fileName)
{
    clsCDL_FileOpen dialog;
    dialog.owner = owner;
    dialog.title = TituloPrograma() + QStringLiteral(" - ") + Texto(titleId);
    const QString stored = LeRegistro(Chave::Usuario, kExportPath).value_or(QString());
    dialog.folder = stored.isEmpty() ? QDir::homePath() : stored;
    dialog.fileName = fileName;
    dialog.defaultSuffix = QStringLiteral("xml");
    dialog.filter = Texto(15) + QStringLiteral(" (*.xml)");
    return dialog;
}

QString errorLine(int textId, int number, const QString &description)
{
    return number == 0
               ? QString()
               : Texto(textId) + QString::number(number) + QStringLiteral(" - ") + description;
}

void tellFailure(int titleId, int headingId, const QString &path, int errorTextId, int number,
                 const QString &description)
{
    ParaBox(Texto(titleId), Texto(headingId) + u'\n' + path,
            errorLine(errorTextId, number, description), BotoesOk, 1, IconeAviso, 0, 0, {}, 0, {},
            {}, 6000, 0);
}

} // namespace

bool clsExportar::Exportar(QWidget *owner)
{
    const QString stored = LeRegistro(Chave::Usuario, kExportPath).value_or(QString());
    if (stored.isEmpty() || stored.toUpper().startsWith(QLatin1String("A:\\")))
        ParaBox(Texto(12), Texto(1501), Texto(1502), BotoesOk, 1, IconeInformacao, 0, 0, {}, 0, {},
                {}, 4700, 1300);

    const std::optional<QString> chosen =
        dialogFor(owner, 12, Texto(3) + QStringLiteral("_backup")).CDL_GetSaveFileName();
    if (!chosen)
        return false;
    int number = 0;
    QString description;
    if (!CopiaArquivo(Caminhos().dados, *chosen, &number, &description)) {
        tellFailure(12, 1504, *chosen, 1505, number, description);
        return false;
    }
    GravaRegistro(Chave::Usuario, kExportPath, PastaDoArquivo(*chosen));
    ParaBox(Texto(12), Texto(1503), *chosen, BotoesOk, 1, IconeInformacao, 0, 0, {}, 0, {}, {},
            3800, 0);
    return true;
}

bool clsImportar::Importar(QWidget *owner, frmCalendario *calendar)
{
    BirthdayStore &store = Store();
    const CaminhosDados paths = Caminhos();
    if (store.ContaNivers() > 0 && ParaBox(Texto(13), Texto(1551), {}, BotoesOkCancelar, 2,
                                           IconeAviso, 0, 0, {}, 0, {}, {}, 5500, 1400)
                                           .toInt() != ResultadoOk)
        return false;
    if (owner)
        owner->repaint();

    QString chosen;
    for (;;) {
        const std::optional<QString> path = dialogFor(owner, 13, Texto(14)).CDL_GetOpenFileName();
        if (!path)
            return false;
        chosen = *path;
        GravaRegistro(Chave::Usuario, kExportPath, PastaDoArquivo(chosen));
        if (chosen.compare(paths.dados, Qt::CaseInsensitive) != 0)
            break;
        // The data file cannot import itself.
        if (ParaBox(Texto(13), MontaTexto(1552, {"|1", TituloPrograma()}), Texto(1553),
                    BotoesOkCancelar, 1, IconeAviso, 0, 0, {}, 0, {}, {}, 4500, 0)
                .toInt() != ResultadoOk)
            return false;
    }
    if (ParaBox(Texto(13), MontaTexto(1554, {"|1", chosen}), {}, BotoesOkCancelar, 2, IconePergunta,
                0, 0, {}, 0, {}, {}, 0, 1400)
            .toInt() != ResultadoOk)
        return false;

    // Only a readable data file replaces the birthdays.
    BirthdayStore probe;
    if (!probe.CarregaArquivo(chosen)) {
        const ErroArquivo &error = probe.UltimoErro();
        const QString message =
            error.codigoParser != 0
                ? MontaTexto(206, {"|1", error.codigoParser, "|2", error.motivoParser})
                : MontaTexto(207, {"|1", error.numero, "|2", error.descricao});
        ParaBox(Texto(204), MontaTexto(205, {"|1", QFileInfo(chosen).completeBaseName()}), message,
                BotoesOk, 1, IconeErro, 0, 0, {}, 0, {}, {}, 5800, 0);
        return false;
    }
    if (owner)
        owner->repaint();

    int number = 0;
    QString description;
    if (!CopiaArquivo(paths.dados, paths.copia, &number, &description) ||
        !CopiaArquivo(chosen, paths.dados, &number, &description)) {
        tellFailure(13, 1556, chosen, 1557, number, description);
        return false;
    }
    if (!AbreArquivoDados())
        return false; // the previous birthdays remain in the backup copy
    GravaCopiaSeguranca();
    Programa().startup.TotalNivers = store.ContaNivers();

    if (calendar) {
        calendar->CarregaEventosDoMes();
        calendar->CarregaProximoNiver();
        if (!Programa().reminderFlags.ModoLembrete) {
            calendar->SelecionaCelula(
                calendar->Grade().celulaMes[static_cast<size_t>(Clock::today().day())]);
            calendar->lblHoje_Click();
            calendar->MontaLegendaForm();
        }
    }
    ParaBox(Texto(13), Texto(1555), {}, BotoesOk, 1, IconeInformacao, 0, 0, {}, 0, {}, {}, 5100, 0);
    return true;
}

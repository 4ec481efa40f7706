#include "Startup.h"

#include "Clock.h"
#include "DataFile.h"
#include "ProgramState.h"
#include "Settings.h"
#include "appearance/modCores.h"
#include "calendar/frmCalendario.h"
#include "data/BirthdayStore.h"
#include "dates/DateRules.h"
#include "dates/Signs.h"
#include "dates/clsLembrete.h"
#include "list/frmListagem.h"
#include "msgbox/ParaBox.h"
#include "msgbox/frmParaBox.h"
#include "platform/clsActivatePrevInstance.h"
#include "platform/clsWinVer.h"
#include "text/TextTable.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int kExitNoDataFile = 1;

clsActivatePrevInstance &singleInstance()
{
    static auto *instance = new clsActivatePrevInstance(qApp);
    return *instance;
}

QString depthName(int bitsPerPixel)
{
    if (bitsPerPixel == 4)
        return QStringLiteral("16 bits");
    if (bitsPerPixel == 8)
        return QStringLiteral("256 bits");
    return {};
}

} // namespace

bool VerificaCores(int bitsPerPixel)
{
    if (bitsPerPixel >= 16)
        return true;
    const QVariant answer = ParaBox(
        Texto(208), MontaTexto(209, {"|1", depthName(bitsPerPixel), "|2", TituloPrograma()}),
        MontaTexto(210, {"|1", "High Color (16 bits)"}), BotoesOkCancelar, 1, IconeAviso, 0, 0, {},
        0, {}, {}, 6700, 300);
    return answer.toInt() != ResultadoCancelar;
}

QWidget *MostraCalendario()
{
    CarregaEsquemaCores();
    InicializaAnoChines();
    ProgramState &state = Programa();
    const QDate today = Clock::today();
    state.calendar.AnoCalendario = today.year();
    state.calendar.MesCalendario = today.month();
    auto *calendar = new frmCalendario;
    clsActivatePrevInstance::DefineJanelaPrincipal(calendar);
    if (!state.reminderFlags.ModoLembrete) {
        calendar->show();
        calendar->AtivaToolTips(true);
        calendar->lblHoje_Click();
    }
    calendar->SelecionaCelula(
        CelulaDoDiaOuUltimo(calendar->Grade(), state.startup.DataInicial.day()));
    return calendar;
}

bool MostraLembrete()
{
    ProgramState &state = Programa();
    if (state.reminder.ReminderType == 0)
        return false;
    const clsLembrete reminder(state.reminder.ReminderDays);
    const QList<ListaNivers> &upcoming = reminder.ProximosAniversarios();
    if (upcoming.isEmpty())
        return false;

    const clsNiver &first = upcoming.first().first();
    const QDate today = Clock::today();
    state.startup.DataInicial =
        ProximaData(ValorInteiro(first.Dia), ValorInteiro(first.Mes), today);
    state.reminderFlags.ModoLembrete = true;

    auto *list = new frmListagem;
    list->setAttribute(Qt::WA_DeleteOnClose);
    list->Tag = QStringLiteral("0");
    list->cmdBotoesBaixo[1]->setText(Texto(223));
    list->cmdBotoesBaixo[1]->setToolTip(Texto(224));
    list->Nivers.clear();
    for (const ListaNivers &day : upcoming)
        list->Nivers.append(day);
    list->CarregaNivers();
    clsActivatePrevInstance::DefineJanelaPrincipal(list);
    list->show();
    return true;
}

ResultadoInicio Inicia(const QStringList &arguments, int screenDepth)
{
    ProgramState &state = Programa();
    if (!singleInstance().Escutando()) {
        if (singleInstance().ActivatePrevInstance())
            return {false, 0};
        singleInstance().Escuta();
    }

    state.startup.LinhaComando = arguments.mid(1).join(u' ').toUpper();
    state.startup.WindowsXP = clsWinVer::IsWinXP();
    AtualizaRegistro(QCoreApplication::applicationDirPath(),
                     QCoreApplication::applicationFilePath(), state.reminder);
    state.startup.SemLimiteTamanho = state.startup.LinhaComando.contains(QStringLiteral("/K"));
    if (!VerificaCores(screenDepth))
        return {false, 0};

    switch (PreparaArquivoDados()) {
    case PreparoDados::Pronto:
        break;
    case PreparoDados::Cancelado:
        return {false, 0};
    case PreparoDados::Falhou:
        return {false, kExitNoDataFile};
    }

    state.startup.DataInicial = Clock::today();
    state.startup.TotalNivers = Store().ContaNivers();
    InicializaTabelas();

    if (state.startup.LinhaComando.contains(QStringLiteral("/L")))
        return {MostraLembrete(), 0};
    MostraCalendario();
    return {true, 0};
}

int Main(const QStringList &arguments)
{
    QCoreApplication::setApplicationName(QStringLiteral("rerevid"));
    InstalaParaBox();
    const QScreen *screen = QGuiApplication::primaryScreen();
    const ResultadoInicio result = Inicia(arguments, screen ? screen->depth() : 24);
    if (!result.janelaAberta)
        return result.codigoSaida;
    return QApplication::exec();
}

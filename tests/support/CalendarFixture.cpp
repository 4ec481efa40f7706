#include "CalendarFixture.h"

#include "TestSupport.h"
#include "app/Clock.h"
#include "app/DataFile.h"
#include "app/ProgramState.h"
#include "app/Startup.h"
#include "calendar/frmCalendario.h"
#include "data/BirthdayStore.h"

#include <QApplication>

frmCalendario *AbreCalendarioCom(const QByteArray &birthdays)
{
    writeFile(Caminhos().dados, "<EVENTS>" + birthdays + "</EVENTS>");
    if (!Store().CarregaArquivo(Caminhos().dados))
        return nullptr;
    Programa().startup.DataInicial = Clock::today();
    auto *window = static_cast<frmCalendario *>(MostraCalendario());
    window->resize(900, 650);
    window->activateWindow();
    return window;
}

void FechaJanelas()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

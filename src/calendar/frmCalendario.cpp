#include "frmCalendario.h"

#include "app/ProgramState.h"
#include "data/BirthdayStore.h"
#include "dates/Ages.h"
#include "menus/Help.h"
#include "text/TextTable.h"

#include <QApplication>
#include <QCloseEvent>

QString LegendaCalendario(int count)
{
    QString caption = TituloPrograma() + QStringLiteral(" 1.1");
    if (count > 0)
        caption += QStringLiteral(" - ") + TextoContagem(count);
    return caption;
}

frmCalendario::frmCalendario(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmCalendario"));
    setAttribute(Qt::WA_DeleteOnClose);
    DefineTopicoAjuda(this, 500);
    MontaLegendaForm();
    resize(800, 600);
}

void frmCalendario::MontaLegendaForm()
{
    Programa().startup.TotalNivers = Store().ContaNivers();
    setWindowTitle(LegendaCalendario(Programa().startup.TotalNivers));
}

void frmCalendario::closeEvent(QCloseEvent *event)
{
    // The calendar is the main window: every other window closes with it.
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible())
            window->close();
    }
    event->accept();
}

#pragma once

#include <QByteArray>

class frmCalendario;

// Opens the calendar, as start-up does, on a data file holding these NIVER
// elements; the window is 900 x 650 and active.
frmCalendario *AbreCalendarioCom(const QByteArray &birthdays);

// Closes every window and lets them be deleted.
void FechaJanelas();

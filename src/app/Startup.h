#pragma once

#include <QStringList>

class QWidget;

// What start-up ended with: the process exit code when no window opened.
struct ResultadoInicio {
    bool janelaAberta = false;
    int codigoSaida = 0; // 0 after a user's Cancel; non-zero when no data file could be had
};

// Start-up up to the first window. `arguments` as QCoreApplication gives them
// (the program first); `screenDepth` is the screen's bits per pixel.
ResultadoInicio Inicia(const QStringList &arguments, int screenDepth);

// The entry point: start-up, then the event loop while a window is open.
int Main(const QStringList &arguments);

// The colour depth check: true to go on.
bool VerificaCores(int bitsPerPixel);

// The calendar window, opened at start-up and from the reminder list.
QWidget *MostraCalendario();
// The logon reminder: false when it has nothing to show.
bool MostraLembrete();

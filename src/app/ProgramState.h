#pragma once

#include "data/clsNiver.h"

#include <QDate>
#include <QString>

// Program-wide values shared by the windows, grouped by concern.

// What start-up learnt: title, command line and the first date to show.
struct StartupState {
    QString LinhaComando;          // the command line in upper case
    bool SemLimiteTamanho = false; // "/K": windows may be made smaller than designed
    bool WindowsXP = false;        // never true here; decides the menus' own shadow
    QDate DataInicial;             // today, or the first upcoming birthday in the reminder
    int TotalNivers = 0;           // kept current by the calendar window
};

// In-memory copies of the reminder settings, read at start-up.
struct ReminderSettings {
    qint16 ReminderType = 0; // 0 off; 1, 2 or 3 on
    qint16 ReminderDays = 0; // days ahead, 1..365
};

// The reminder flags of a logon run.
struct ReminderFlags {
    bool ModoLembrete = false;     // started with "/L"
    bool PaginaDoLembrete = false; // the list page was last built in reminder use
};

// The calendar's displayed month and its selection.
struct CalendarSelection {
    int MesCalendario = 1;
    int AnoCalendario = 2000;
    int DiaCalendario = 1;
    QString DiaSelecionado;
    QString MesSelecionado;
    QString ApelidoSelecionado;
    int CelulaSelecionada = 0;
};

// What the edit and find dialogs hand back to the calendar.
struct DialogHandOver {
    QString ModoNiver;    // text 677 "New" or 678 "Edit"
    int RetornoNiver = 0; // day of the saved or found birthday, 0 when none
    QString ApelidoRetorno;
};

// What the list window hands to the print preview.
struct PrintHandOver {
    ListaNivers ListaImpressao;
    int OrdemImpressao = 1;
    int MesImpressao = 0;
};

struct ProgramState {
    StartupState startup;
    ReminderSettings reminder;
    ReminderFlags reminderFlags;
    CalendarSelection calendar;
    DialogHandOver dialog;
    PrintHandOver print;
};

// The one set of program-wide values.
ProgramState &Programa();

#pragma once

class QWidget;
class frmCalendario;

// Saving a copy of the data file anywhere (export) and replacing all birthdays
// with those of another data file (import). Both remember the folder in ExportPath.
class clsExportar {
public:
    bool Exportar(QWidget *owner);
};

class clsImportar {
public:
    // The calendar, when open, is refreshed after an import.
    bool Importar(QWidget *owner, frmCalendario *calendar);
};

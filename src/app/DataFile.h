#pragma once

#include <QString>

// The data file, its backup copy and what start-up does to have a readable one.

struct CaminhosDados {
    QString pasta; // the data folder, $XDG_DATA_HOME/Rerevid
    QString dados; // Events.xml
    QString copia; // Events.bak
};
CaminhosDados Caminhos();

// Loads the data file into the store; tells the user why when it cannot.
bool AbreArquivoDados();
// Copies the data file over the backup copy; tells the user when that fails.
void GravaCopiaSeguranca();

enum class Restauro { Restaurado, SemCopia, Recusado, Falhou };
// Offers to copy the backup over the data file, and does it.
Restauro RestauraArquivoDadosComMotivo();
inline bool RestauraArquivoDados()
{
    return RestauraArquivoDadosComMotivo() == Restauro::Restaurado;
}

// Start-up's data file steps: create, open or restore, then refresh the backup.
enum class PreparoDados { Pronto, Cancelado, Falhou };
PreparoDados PreparaArquivoDados();

// Copies a file through a temporary file, so a failed copy never leaves a
// half-written target. On failure `numero` and `descricao` tell why.
bool CopiaArquivo(const QString &from, const QString &to, int *numero = nullptr,
                  QString *descricao = nullptr);

#pragma once

#include "ProgramState.h"

#include <QString>

#include <optional>

// The program's settings: one INI file per user, $XDG_CONFIG_HOME/Rerevid/Rerevid.ini.
// User values sit at the top level, the program's own (Path, Version) in the
// group "Machine", the mouse preference in "Mouse". The logon entry is an XDG
// autostart file that starts the program with "/L".
enum class Chave { Maquina, Usuario, Mouse, Logon };

// The value, or nothing when it does not exist (an empty text is a value).
std::optional<QString> LeRegistro(Chave chave, const QString &nome);
void GravaRegistro(Chave chave, const QString &nome, const QString &valor);

// The error DeleteRegValue raises when the key (for the logon entry: the
// autostart folder) cannot be used.
struct ErroRegistro {
    qint64 numero = -2147215500;
    QString descricao = QStringLiteral("RegOpenKeyEx failed!");
    QString origem = QStringLiteral("DeleteRegValue");
};
std::optional<ErroRegistro> DeleteRegValue(Chave chave, const QString &nome);

// The logon entry: where it lives and what it runs.
QString CaminhoEntradaLogon();
QString ComandoLogon(const QString &programPath);

inline const QString VersaoPrograma = QStringLiteral("1.1.0");

// The start-up refresh: records the program's folder and version, reads the
// reminder settings into `reminder` and keeps the logon entry in step.
void AtualizaRegistro(const QString &programFolder, const QString &programPath,
                      ReminderSettings &reminder);

// Writes (on) or removes (off) the logon entry.
std::optional<ErroRegistro> AtualizaEntradaLogon(bool on, const QString &programPath);

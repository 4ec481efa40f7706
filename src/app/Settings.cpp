#include "Settings.h"

#include "dates/DateRules.h"
#include "text/TextTable.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

namespace {

QSettings openSettings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Rerevid"),
                     QStringLiteral("Rerevid"));
}

QString keyOf(Chave chave, const QString &nome)
{
    switch (chave) {
    case Chave::Maquina:
        return QStringLiteral("Machine/") + nome;
    case Chave::Mouse:
        return QStringLiteral("Mouse/") + nome;
    case Chave::Usuario:
    case Chave::Logon:
        break;
    }
    return nome;
}

QString autostartFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart");
}

// Desktop-entry quoting of one argument: inside double quotes, " ` $ and \ are
// escaped, then the value's own escaping doubles every backslash; % becomes %%.
QString quoteExecArgument(const QString &argument)
{
    QString quoted;
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    quoted.replace(u'\\', QStringLiteral("\\\\"));
    quoted.replace(u'%', QStringLiteral("%%"));
    return u'"' + quoted + u'"';
}

QString escapeValue(const QString &value)
{
    QString escaped = value;
    escaped.replace(u'\\', QStringLiteral("\\\\")).replace(u'\n', QStringLiteral("\\n"));
    return escaped;
}

} // namespace

std::optional<QString> LeRegistro(Chave chave, const QString &nome)
{
    if (chave == Chave::Logon) {
        QFile file(CaminhoEntradaLogon());
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        for (const QByteArray &line : file.readAll().split('\n')) {
            if (line.startsWith("Exec="))
                return QString::fromUtf8(line.mid(5));
        }
        return std::nullopt;
    }
    QSettings settings = openSettings();
    const QVariant value = settings.value(keyOf(chave, nome));
    if (!value.isValid())
        return std::nullopt;
    return value.toString();
}

void GravaRegistro(Chave chave, const QString &nome, const QString &valor)
{
    if (chave == Chave::Logon) {
        QDir().mkpath(autostartFolder());
        QSaveFile file(CaminhoEntradaLogon());
        if (!file.open(QIODevice::WriteOnly))
            return;
        const QString entry = QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nExec=%2\n"
                                             "X-GNOME-Autostart-enabled=true\n")
                                  .arg(escapeValue(nome), valor);
        file.write(entry.toUtf8());
        file.commit();
        return;
    }
    QSettings settings = openSettings();
    settings.setValue(keyOf(chave, nome), valor);
    settings.sync();
}

std::optional<ErroRegistro> DeleteRegValue(Chave chave, const QString &nome)
{
    if (chave == Chave::Logon) {
        const QFileInfo folder(autostartFolder());
        if (folder.exists() && !folder.isDir())
            return ErroRegistro{};
        QFile entry(CaminhoEntradaLogon());
        if (entry.exists() && !entry.remove())
            return ErroRegistro{};
        return std::nullopt;
    }
    QSettings settings = openSettings();
    settings.remove(keyOf(chave, nome));
    settings.sync();
    return std::nullopt;
}

QString CaminhoEntradaLogon()
{
    return autostartFolder() + QStringLiteral("/rerevid-reminder.desktop");
}

QString ComandoLogon(const QString &programPath)
{
    return quoteExecArgument(programPath) + QStringLiteral(" /L");
}

std::optional<ErroRegistro> AtualizaEntradaLogon(bool on, const QString &programPath)
{
    if (on) {
        GravaRegistro(Chave::Logon, Texto(7), ComandoLogon(programPath));
        return std::nullopt;
    }
    return DeleteRegValue(Chave::Logon, Texto(7));
}

void AtualizaRegistro(const QString &programFolder, const QString &programPath,
                      ReminderSettings &reminder)
{
    const QString path = programFolder + u'/';
    const std::optional<QString> stored = LeRegistro(Chave::Maquina, QStringLiteral("Path"));
    if (!stored || stored->isEmpty() || *stored != path)
        GravaRegistro(Chave::Maquina, QStringLiteral("Path"), path);
    GravaRegistro(Chave::Maquina, QStringLiteral("Version"), VersaoPrograma);

    // A missing value reads as 0; a value that is there but is no number ends the refresh.
    const std::optional<QString> type = LeRegistro(Chave::Usuario, QStringLiteral("ReminderType"));
    const std::optional<qint16> typeValue = type ? ParaInteiro16(*type) : qint16(0);
    if (!typeValue)
        return;
    reminder.ReminderType = *typeValue;
    const std::optional<QString> days = LeRegistro(Chave::Usuario, QStringLiteral("ReminderDays"));
    const std::optional<qint16> daysValue = days ? ParaInteiro16(*days) : qint16(0);
    if (!daysValue)
        return;
    reminder.ReminderDays = *daysValue;

    const bool on = reminder.ReminderType == 1 || reminder.ReminderType == 2 ||
                    (reminder.ReminderType == 3 && reminder.ReminderDays >= 1);
    AtualizaEntradaLogon(on, programPath);
}

#include "TestSupport.h"

#include "app/Clock.h"

#include <QDir>
#include <QFile>
#include <QSettings>

namespace {
QTemporaryDir &sandbox()
{
    static QTemporaryDir dir;
    return dir;
}

void emptyFolder(const QString &path)
{
    QDir folder(path);
    folder.removeRecursively();
    QDir().mkpath(path);
}
// What pressing Enter on the default button would answer.
QVariant defaultAnswer(const ParaBoxArgs &args)
{
    static const QList<QList<int>> codes = {{1}, {1, 2}, {6, 7}, {6, 7, 2}, {1, 2}};
    if (args.Botoes == BotoesEntrada)
        return args.BotaoPadrao == 2 ? QVariant(ResultadoCancelar) : QVariant(QString());
    const QList<int> &set = codes.value(args.Botoes, {1});
    const int index = args.BotaoPadrao - 1;
    return index >= 0 && index < set.size() ? set[index] : set[0];
}

} // namespace

void TestSandbox::install()
{
    const QString base = sandbox().path();
    qputenv("HOME", (base + "/home").toUtf8());
    qputenv("XDG_DATA_HOME", (base + "/data").toUtf8());
    qputenv("XDG_CONFIG_HOME", (base + "/config").toUtf8());
    qputenv("XDG_RUNTIME_DIR", (base + "/runtime").toUtf8());
    for (const char *sub : {"/home", "/data", "/config", "/runtime"})
        QDir().mkpath(base + sub);
    QFile::setPermissions(base + "/runtime",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void TestSandbox::reset()
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, "Rerevid", "Rerevid");
    settings.clear();
    settings.sync();
    emptyFolder(root() + "/data");
    emptyFolder(root() + "/config");
    emptyFolder(root() + "/home");
    Clock::reset();
}

QString TestSandbox::root()
{
    return sandbox().path();
}

QString TestSandbox::dataFolder()
{
    return root() + "/data/Rerevid";
}

QString TestSandbox::configFolder()
{
    return root() + "/config";
}

ScriptedParaBox::ScriptedParaBox()
{
    m_previous = DefineParaBoxResponder([this](const ParaBoxArgs &args) -> QVariant {
        m_calls.append(args);
        if (!m_script.isEmpty())
            return m_script.takeFirst();
        return defaultAnswer(args);
    });
}

ScriptedParaBox::~ScriptedParaBox()
{
    DefineParaBoxResponder(std::move(m_previous));
}

QStringList ScriptedParaBox::headings() const
{
    QStringList list;
    for (const ParaBoxArgs &call : m_calls)
        list << call.Cabecalho;
    return list;
}

void ScriptedParaBox::clear()
{
    m_calls.clear();
    m_script.clear();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray NiverXml(const QString &alias, const QString &day, const QString &month,
                    const QString &year, const QString &email, const QString &phone,
                    const QString &name)
{
    const auto attribute = [](const char *key, const QString &value) {
        return QByteArray(" ") + key + "=\"" + value.toHtmlEscaped().toUtf8() + "\"";
    };
    return "<NIVER" + attribute("PESSOA", name.isEmpty() ? alias : name) +
           attribute("APELIDO", alias) + attribute("DIA", day) + attribute("MES", month) +
           attribute("ANO", year) + attribute("EMAIL", email) + attribute("FONE", phone) + "/>";
}

clsNiver Registro(const QString &alias, const QString &day, const QString &month,
                  const QString &year, const QString &email, const QString &phone)
{
    clsNiver r;
    r.Pessoa = alias;
    r.Apelido = alias;
    r.Dia = day;
    r.Mes = month;
    r.Ano = year;
    r.Email = email;
    r.Fone = phone;
    return r;
}

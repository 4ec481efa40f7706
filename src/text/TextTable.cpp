#include "TextTable.h"

#include <QFile>
#include <QHash>
#include <QTextStream>

#include <array>

namespace {

QString unescape(const QString &raw)
{
    QString out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == u'\\' && i + 1 < raw.size()) {
            const QChar next = raw[++i];
            out += next == u'n' ? QChar(u'\n') : next;
        } else {
            out += raw[i];
        }
    }
    return out;
}

QHash<int, QString> loadTable()
{
    QHash<int, QString> table;
    QFile file(QStringLiteral(":/texts/en.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qWarning("Rerevid: the text table resource is missing");
        return table;
    }
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype tab = line.indexOf(u'\t');
        bool ok = false;
        const int id = line.left(tab).toInt(&ok);
        if (tab > 0 && ok)
            table.insert(id, unescape(line.mid(tab + 1)));
    }
    return table;
}

const QHash<int, QString> &table()
{
    static const QHash<int, QString> texts = loadTable();
    return texts;
}

struct NameTables {
    std::array<QString, 13> months;
    std::array<QString, 8> weekdays;
};

NameTables &nameTables()
{
    static NameTables tables;
    return tables;
}

} // namespace

QString Texto(int id)
{
    const auto it = table().constFind(id);
    if (it == table().constEnd()) {
        qWarning("Rerevid: text %d is missing from the text table", id);
        return {};
    }
    return *it;
}

bool TextoExiste(int id)
{
    return table().contains(id);
}

QString SubstituiMarcadores(QString text, const QVariantList &pairs)
{
    for (qsizetype k = 0; k + 1 < pairs.size(); k += 2)
        text.replace(pairs[k].toString(), pairs[k + 1].toString(), Qt::CaseSensitive);
    return text;
}

QString MontaTexto(int id, const QVariantList &pairs)
{
    return SubstituiMarcadores(Texto(id), pairs);
}

QString MontaTexto(int id, std::initializer_list<QVariant> pairs)
{
    return MontaTexto(id, QVariantList(pairs));
}

void InicializaTabelas()
{
    NameTables &t = nameTables();
    for (int m = 1; m <= 12; ++m)
        t.months[m] = Texto(100 + m);
    for (int d = 1; d <= 7; ++d)
        t.weekdays[d] = Texto(112 + d);
}

QString NomeMes(int month)
{
    if (month < 1 || month > 12)
        return {};
    if (nameTables().months[month].isEmpty())
        InicializaTabelas();
    return nameTables().months[month];
}

QString NomeDiaSemana(int day)
{
    if (day < 1 || day > 7)
        return {};
    if (nameTables().weekdays[day].isEmpty())
        InicializaTabelas();
    return nameTables().weekdays[day];
}

int DiasDoMes(int month)
{
    static constexpr std::array<int, 13> daysPerMonth{0,  31, 28, 31, 30, 31, 30,
                                                      31, 31, 30, 31, 30, 31};
    return month >= 1 && month <= 12 ? daysPerMonth[month] : 0;
}

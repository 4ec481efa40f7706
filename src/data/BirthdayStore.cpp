#include "BirthdayStore.h"

#include "app/Clock.h"
#include "dates/DateRules.h"
#include "msgbox/ParaBox.h"
#include "text/TextTable.h"

#include <QCollator>
#include <QFile>
#include <QLocale>
#include <QSaveFile>

#include <algorithm>
#include <cstring>
#include <functional>
#include <utility>
#include <vector>

namespace {

constexpr const char *kAttributes[] = {"PESSOA", "APELIDO", "DIA", "MES", "ANO", "EMAIL", "FONE"};

// The alias lookup ignores case for these letters: the stored alias is mapped
// letter by letter and compared with the typed alias in upper case.
constexpr const char *kLower = "' abcdefghijklmnopqrstuvwxyzáéíóúàèìòùâêîôûäëïöüãõ'";
constexpr const char *kUpper = "' ABCDEFGHIJKLMNOPQRSTUVWXYZÁÉÍÓÚÀÈÌÒÙÂÊÎÔÛÄËÏÖÜÃÕ'";

QString text(const pugi::xml_attribute &attribute)
{
    return QString::fromUtf8(attribute.value());
}

// This year minus the birth year, when the year is a number; otherwise empty.
QString ageThisYear(const QString &year)
{
    if (year.isEmpty())
        return {};
    bool whole = false;
    const int value = year.toInt(&whole); // the usual four digits, without formatting a double
    if (whole)
        return QString::number(Clock::today().year() - value);
    if (!EhNumerico(year))
        return {};
    return QString::number(Clock::today().year() - year.trimmed().toDouble());
}

struct ByteArrayWriter : pugi::xml_writer {
    QByteArray data;
    void write(const void *bytes, size_t size) override
    {
        data.append(static_cast<const char *>(bytes), static_cast<qsizetype>(size));
    }
};

// The document on one line, UTF-8, without declaration.
QByteArray serialise(const pugi::xml_document &document)
{
    ByteArrayWriter writer;
    document.save(writer, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    return writer.data;
}

// Writes the bytes to path through a temporary file that replaces the old
// file only once it is complete.
bool writeWhole(const QString &path, const QByteArray &bytes, ErroArquivo &error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    error = ErroArquivo{0, {}, static_cast<int>(file.error()), file.errorString()};
    return false;
}

// Puts list[order[i]] at position i, following the permutation's cycles, so
// no second list is made.
void applyOrder(ListaNivers &list, std::vector<qsizetype> &order)
{
    for (qsizetype i = 0; i < list.size(); ++i) {
        qsizetype current = i;
        while (order[static_cast<size_t>(current)] != i) {
            const qsizetype next = order[static_cast<size_t>(current)];
            list.swapItemsAt(current, next);
            order[static_cast<size_t>(current)] = current;
            current = next;
        }
        order[static_cast<size_t>(current)] = current;
    }
}

// An ascending sort of positions that keeps file order for equal keys.
template <typename Less> void sortStably(ListaNivers &list, Less less)
{
    std::vector<qsizetype> order(static_cast<size_t>(list.size()));
    for (qsizetype i = 0; i < list.size(); ++i)
        order[static_cast<size_t>(i)] = i;
    std::stable_sort(order.begin(), order.end(), less);
    applyOrder(list, order);
}

// The sort key of month + day as text. The first four characters, packed into
// one number, decide almost every comparison; longer texts keep the whole text
// for the rare tie.
struct DateKey {
    quint64 prefix = 0;
    qsizetype length = 0;
    QString full; // only when longer than four characters

    template <typename CharAt>
    static DateKey make(qsizetype length, CharAt charAt, const std::function<QString()> &whole)
    {
        DateKey key;
        key.length = length;
        for (qsizetype c = 0; c < 4; ++c)
            key.prefix = (key.prefix << 16) | (c < length ? charAt(c) : 0);
        if (length > 4)
            key.full = whole();
        return key;
    }
    static DateKey of(const QString &mes, const QString &dia)
    {
        return make(
            mes.size() + dia.size(),
            [&](qsizetype c) { return (c < mes.size() ? mes[c] : dia[c - mes.size()]).unicode(); },
            [&] { return mes + dia; });
    }
    // From the attributes' bytes; texts that are not plain ASCII are decoded.
    static DateKey of(const char *mes, const char *dia)
    {
        const size_t lm = std::strlen(mes);
        const size_t ld = std::strlen(dia);
        const auto ascii = [](const char *s, size_t n) {
            return std::all_of(s, s + n,
                               [](char ch) { return static_cast<unsigned char>(ch) < 0x80; });
        };
        if (!ascii(mes, lm) || !ascii(dia, ld))
            return of(QString::fromUtf8(mes), QString::fromUtf8(dia));
        return make(
            static_cast<qsizetype>(lm + ld),
            [&](qsizetype c) {
                const auto i = static_cast<size_t>(c);
                return static_cast<ushort>(i < lm ? mes[i] : dia[i - lm]);
            },
            [&] { return QString::fromLatin1(mes) + QString::fromLatin1(dia); });
    }
};

bool operator<(const DateKey &a, const DateKey &b)
{
    if (a.prefix != b.prefix)
        return a.prefix < b.prefix;
    if (a.length <= 4 || b.length <= 4)
        return a.length < b.length; // the same first characters: the shorter text first
    return a.full < b.full;
}

// The whole-number part of a text's numeric value, read from its bytes:
// blanks, a sign and digits; anything else ends the number.
int wholeValue(const char *text)
{
    while (*text == ' ' || *text == '\t')
        ++text;
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+')
        ++text;
    long long value = 0;
    for (; *text >= '0' && *text <= '9' && value < 100000000; ++text)
        value = value * 10 + (*text - '0');
    return static_cast<int>(negative ? -value : value);
}

} // namespace

BirthdayStore::BirthdayStore()
    : m_document(std::make_unique<pugi::xml_document>()),
      m_variables(std::make_unique<pugi::xpath_variable_set>())
{
    m_variables->add("dia", pugi::xpath_type_string);
    m_variables->add("mes", pugi::xpath_type_string);
    m_variables->add("apelido", pugi::xpath_type_string);
    m_variables->add("digitado", pugi::xpath_type_string);
}

BirthdayStore::~BirthdayStore() = default;

bool BirthdayStore::CarregaArquivo(const QString &path)
{
    m_path = path;
    m_document = std::make_unique<pugi::xml_document>();
    m_root = pugi::xml_node();
    m_error = ErroArquivo{};
    NiverAtual.reset();

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error.numero = static_cast<int>(file.error());
        m_error.descricao = file.errorString();
        return false;
    }
    // Read straight into a buffer the document takes over, saving a copy.
    const qint64 size = file.size();
    void *buffer =
        pugi::get_memory_allocation_function()(static_cast<size_t>(std::max<qint64>(size, 1)));
    if (!buffer || file.read(static_cast<char *>(buffer), size) != size) {
        if (buffer)
            pugi::get_memory_deallocation_function()(buffer);
        m_error.numero = static_cast<int>(
            file.error() != QFileDevice::NoError ? file.error() : QFileDevice::ReadError);
        m_error.descricao = file.errorString();
        return false;
    }
    const pugi::xml_parse_result result = m_document->load_buffer_inplace_own(
        buffer, static_cast<size_t>(size), pugi::parse_default, pugi::encoding_utf8);
    if (result.status != pugi::status_ok) {
        // Nothing of a broken file is kept: a half-parsed tree must not be saved back.
        m_document->reset();
        m_error.codigoParser = static_cast<int>(result.status);
        m_error.motivoParser = QStringLiteral("%1 (at byte %2)\n")
                                   .arg(QString::fromUtf8(result.description()))
                                   .arg(result.offset);
        return false;
    }
    m_root = m_document->document_element();
    return true;
}

bool BirthdayStore::CriaArquivo(const QString &path)
{
    auto document = std::make_unique<pugi::xml_document>();
    const QByteArray rootName = Texto(3).toUpper().toUtf8();
    pugi::xml_node root = document->append_child(rootName.constData());
    ErroArquivo error;
    if (root && writeWhole(path, serialise(*document), error)) {
        m_document = std::move(document);
        m_root = root;
        m_path = path;
        NiverAtual.reset();
        return true;
    }
    m_error = error;
    ParaBox(
        Texto(1451), Texto(1452) + Texto(3) + QStringLiteral(".xml\"."),
        error.numero != 0
            ? QStringLiteral("%1%2 - %3").arg(Texto(1453)).arg(error.numero).arg(error.descricao)
            : QString(),
        BotoesOk, 1, IconeErro, 0, 0, {}, 0, {}, {}, 5800, 1600);
    return false;
}

ListaNivers BirthdayStore::select(const char *expression) const
{
    ListaNivers list;
    try {
        const pugi::xpath_query query(expression, m_variables.get());
        const pugi::xpath_node_set nodes = query.evaluate_node_set(*m_document);
        list.reserve(static_cast<qsizetype>(nodes.size()));
        for (const pugi::xpath_node &found : nodes) {
            clsNiver niver;
            niver.Node = found.node();
            PreencheNiver(niver);
            list.append(std::move(niver));
        }
    } catch (const pugi::xpath_exception &) {
        // A query that cannot run finds nothing more.
    }
    return list;
}

ListaNivers BirthdayStore::ConsultaNivers(const QString &dia, const QString &mes, int ordem) const
{
    // Day and month reach the query only as values, never as part of its text.
    m_variables->set("dia", dia.toUtf8().constData());
    m_variables->set("mes", mes.toUtf8().constData());
    const char *expression = "//NIVER";
    if (!dia.isEmpty() && !mes.isEmpty())
        expression = "//NIVER[@DIA=$dia and @MES=$mes]";
    else if (!mes.isEmpty())
        expression = "//NIVER[@MES=$mes]";

    ListaNivers list = select(expression);
    if (ordem == OrdemPorData)
        OrdenaPorData(list);
    else if (ordem == OrdemPorApelido)
        OrdenaPorApelido(list);
    return list;
}

std::optional<clsNiver> BirthdayStore::ProcuraNiver(const QString &dia, const QString &mes,
                                                    const QString &apelido) const
{
    QStringList conditions;
    if (!dia.isEmpty())
        conditions << QStringLiteral("@DIA=$dia");
    if (!mes.isEmpty())
        conditions << QStringLiteral("@MES=$mes");
    if (!apelido.isEmpty()) {
        // The exact spelling always finds its record, also for letters outside
        // the case-mapping lists (ç, ñ ...).
        conditions << QStringLiteral("(translate(@APELIDO,%1,%2)=$apelido or @APELIDO=$digitado)")
                          .arg(QString::fromUtf8(kLower), QString::fromUtf8(kUpper));
    }
    if (conditions.isEmpty())
        return std::nullopt;

    m_variables->set("dia", dia.toUtf8().constData());
    m_variables->set("mes", mes.toUtf8().constData());
    m_variables->set("apelido", apelido.toUpper().toUtf8().constData());
    m_variables->set("digitado", apelido.toUtf8().constData());
    const QByteArray expression =
        (QStringLiteral("//NIVER[") + conditions.join(QStringLiteral(" and ")) + u']').toUtf8();
    try {
        const pugi::xpath_query query(expression.constData(), m_variables.get());
        const pugi::xpath_node_set nodes = query.evaluate_node_set(*m_document);
        if (nodes.empty())
            return std::nullopt;
        clsNiver niver;
        niver.Node = nodes.first().node();
        PreencheNiver(niver);
        return niver;
    } catch (const pugi::xpath_exception &) {
        return std::nullopt;
    }
}

int BirthdayStore::ContaNivers() const
{
    try {
        static const pugi::xpath_query all("//NIVER");
        return static_cast<int>(all.evaluate_node_set(*m_document).size());
    } catch (const pugi::xpath_exception &) {
        return 0;
    }
}

ListaNivers BirthdayStore::ProximosNivers(const QDate &today, int limit, int *total) const
{
    struct Entry {
        pugi::xml_node node;
        DateKey key;
        int month = 0;
        int day = 0;
    };
    std::vector<Entry> entries;
    try {
        static const pugi::xpath_query all("//NIVER");
        const pugi::xpath_node_set nodes = all.evaluate_node_set(*m_document);
        entries.reserve(nodes.size());
        for (const pugi::xpath_node &found : nodes) {
            // A record missing a required value reads as empty, day and month included.
            const pugi::xml_node node = found.node();
            const bool complete = node.attribute("PESSOA") && node.attribute("APELIDO") &&
                                  node.attribute("DIA") && node.attribute("MES");
            const char *mes = complete ? node.attribute("MES").value() : "";
            const char *dia = complete ? node.attribute("DIA").value() : "";
            entries.push_back({node, DateKey::of(mes, dia), wholeValue(mes), wholeValue(dia)});
        }
    } catch (const pugi::xpath_exception &) {
        return {};
    }
    if (total)
        *total = static_cast<int>(entries.size());

    // The order of OrdenaPorData: month and day as text, file order kept for equal keys.
    std::vector<qsizetype> order(entries.size());
    for (size_t i = 0; i < entries.size(); ++i)
        order[i] = static_cast<qsizetype>(i);
    std::stable_sort(order.begin(), order.end(), [&entries](qsizetype a, qsizetype b) {
        return entries[static_cast<size_t>(a)].key < entries[static_cast<size_t>(b)].key;
    });

    // The first on or after today's month and day; when none, the year starts again.
    size_t start = 0;
    for (; start < order.size(); ++start) {
        const Entry &e = entries[static_cast<size_t>(order[start])];
        if (e.month > today.month() || (e.month == today.month() && e.day >= today.day()))
            break;
    }
    if (start == order.size())
        start = 0;

    ListaNivers list;
    const size_t count = std::min(order.size(), static_cast<size_t>(std::max(limit, 0)));
    list.reserve(static_cast<qsizetype>(count));
    for (size_t i = 0; i < count; ++i) {
        clsNiver niver;
        niver.Node = entries[static_cast<size_t>(order[(start + i) % order.size()])].node;
        PreencheNiver(niver);
        list.append(std::move(niver));
    }
    return list;
}

void BirthdayStore::PreencheNiver(clsNiver &niver) const
{
    // The required values are read in order; the first one missing ends the
    // filling, so a record without PESSOA stays all empty.
    const pugi::xml_node &node = niver.Node;
    QString *required[] = {&niver.Pessoa, &niver.Apelido, &niver.Dia, &niver.Mes};
    for (int i = 0; i < 4; ++i) {
        const pugi::xml_attribute attribute = node.attribute(kAttributes[i]);
        if (!attribute)
            return;
        *required[i] = text(attribute);
    }
    niver.Ano = text(node.attribute("ANO"));
    niver.Email = text(node.attribute("EMAIL"));
    niver.Fone = text(node.attribute("FONE"));
    niver.Idade = ageThisYear(niver.Ano);
}

void BirthdayStore::IncluiNiver()
{
    pugi::xml_node node = m_root.append_child("NIVER");
    for (const char *name : kAttributes)
        node.append_attribute(name) = "";
    clsNiver niver;
    niver.Node = node;
    NiverAtual = niver;
}

void BirthdayStore::GravaAtributo(const char *name, const QString &value)
{
    if (!NiverAtual || !NiverAtual->Node)
        return;
    pugi::xml_attribute attribute = NiverAtual->Node.attribute(name);
    if (!attribute)
        attribute = NiverAtual->Node.append_attribute(name);
    attribute.set_value(value.toUtf8().constData());
}

bool BirthdayStore::AlteraNiver(const QString &pessoa, const QString &apelido, const QString &dia,
                                const QString &mes, const QString &ano, const QString &email,
                                const QString &fone)
{
    if (!NiverAtual || !NiverAtual->Node)
        return false;
    const QString values[] = {pessoa.trimmed(), apelido.trimmed(), dia.trimmed(), mes.trimmed(),
                              ano.trimmed(),    email.trimmed(),   fone.trimmed()};
    for (int i = 0; i < 7; ++i)
        GravaAtributo(kAttributes[i], values[i]);

    clsNiver &niver = *NiverAtual;
    niver.Pessoa = values[0];
    niver.Apelido = values[1];
    niver.Dia = values[2];
    niver.Mes = values[3];
    niver.Ano = values[4];
    const int year = ValorInteiro(niver.Ano);
    niver.Idade = year > 0 ? QString::number(Clock::today().year() - year) : QString();
    niver.Email = values[5];
    niver.Fone = values[6];
    return Salva();
}

bool BirthdayStore::ExcluiNiver()
{
    if (!NiverAtual || !NiverAtual->Node || NiverAtual->Node.parent() != m_root)
        return false;
    m_root.remove_child(NiverAtual->Node);
    return Salva();
}

bool BirthdayStore::MudaData(const QString &dia, const QString &mes)
{
    if (!NiverAtual || !NiverAtual->Node || NiverAtual->Node.parent() != m_root)
        return false;
    clsNiver old;
    old.Node = NiverAtual->Node;
    PreencheNiver(old);
    m_root.remove_child(old.Node);
    IncluiNiver();
    return AlteraNiver(old.Pessoa, old.Apelido, dia, mes, old.Ano, old.Email, old.Fone);
}

bool BirthdayStore::Salva()
{
    return writeWhole(m_path, serialise(*m_document), m_error);
}

void BirthdayStore::OrdenaPorData(ListaNivers &list)
{
    // Month then day, compared as text: "0305" is 5 March.
    std::vector<DateKey> keys;
    keys.reserve(static_cast<size_t>(list.size()));
    for (const clsNiver &niver : std::as_const(list))
        keys.push_back(DateKey::of(niver.Mes, niver.Dia));
    sortStably(list, [&keys](qsizetype a, qsizetype b) {
        return keys[static_cast<size_t>(a)] < keys[static_cast<size_t>(b)];
    });
}

void BirthdayStore::OrdenaPorApelido(ListaNivers &list)
{
    if (QLocale().language() == QLocale::C) {
        // The C locale has no collation: compare case-folded text.
        QStringList folded;
        folded.reserve(list.size());
        for (const clsNiver &niver : std::as_const(list))
            folded << niver.Apelido.toCaseFolded();
        sortStably(list, [&folded](qsizetype a, qsizetype b) { return folded[a] < folded[b]; });
        return;
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    // One sort key per record: comparing keys is far cheaper than collating each pair.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(static_cast<size_t>(list.size()));
    for (const clsNiver &niver : std::as_const(list))
        keys.push_back(collator.sortKey(niver.Apelido));
    sortStably(list, [&keys](qsizetype a, qsizetype b) {
        return keys[static_cast<size_t>(a)].compare(keys[static_cast<size_t>(b)]) < 0;
    });
}

BirthdayStore &Store()
{
    static BirthdayStore store;
    return store;
}

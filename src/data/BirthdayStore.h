#pragma once

#include "clsNiver.h"

#include <QDate>
#include <QString>

#include <memory>
#include <optional>

// Why the data file could not be read or written: the XML parser's status
// (code 0 when the parser was not reached) or the system's error.
struct ErroArquivo {
    int codigoParser = 0;
    QString motivoParser;
    int numero = 0;
    QString descricao;
};

// The birthday store: the one open data file, its queries and its changes.
// Every change is saved at once, always through a temporary file that replaces
// the data file only when it was written completely.
class BirthdayStore {
public:
    BirthdayStore();
    ~BirthdayStore();

    bool CarregaArquivo(const QString &path);
    bool CriaArquivo(const QString &path); // tells the user when it fails

    ListaNivers ConsultaNivers(const QString &dia, const QString &mes, int ordem) const;
    std::optional<clsNiver> ProcuraNiver(const QString &dia, const QString &mes,
                                         const QString &apelido) const;
    int ContaNivers() const;

    // The first `limit` birthdays of the list of all birthdays by date, turned
    // to start at the first one on or after `today` (day and month). The same
    // records as ConsultaNivers("", "", by date) turned that way, without
    // reading every record in full.
    // `total` receives the number of birthdays in the file.
    ListaNivers ProximosNivers(const QDate &today, int limit, int *total = nullptr) const;

    void IncluiNiver();
    // Both report whether the data file was saved; a change that could not be
    // saved stays in memory.
    bool AlteraNiver(const QString &pessoa, const QString &apelido, const QString &dia,
                     const QString &mes, const QString &ano, const QString &email,
                     const QString &fone);
    bool ExcluiNiver();
    // Moves NiverAtual to another day and month: the birthday is written anew
    // as the last record, with one save, so it is never missing from the file.
    bool MudaData(const QString &dia, const QString &mes);

    void PreencheNiver(clsNiver &niver) const;
    void GravaAtributo(const char *name, const QString &value);

    static void OrdenaPorData(ListaNivers &list);
    static void OrdenaPorApelido(ListaNivers &list);

    const ErroArquivo &UltimoErro() const { return m_error; }
    QString Caminho() const { return m_path; }

    std::optional<clsNiver> NiverAtual; // the current record

private:
    bool Salva();
    ListaNivers select(const char *expression) const;

    std::unique_ptr<pugi::xml_document> m_document;
    pugi::xml_node m_root;
    QString m_path;
    ErroArquivo m_error;
    std::unique_ptr<pugi::xpath_variable_set> m_variables;
};

// The program's one store.
BirthdayStore &Store();

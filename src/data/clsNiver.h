#pragma once

#include <QList>
#include <QString>

#include <pugixml.hpp>

// One birthday as handed around the program. `Node` points into the open data
// file's document and is valid only until the file is reloaded.
class clsNiver {
public:
    pugi::xml_node Node;
    QString Pessoa;  // full name
    QString Apelido; // alias shown on the calendar, unique
    QString Dia;     // "01".."31"
    QString Mes;     // "01".."12"
    QString Ano;     // four digits, or empty
    QString Idade;   // derived: this year minus Ano, or empty
    QString Email;
    QString Fone;
};

using ListaNivers = QList<clsNiver>;

// Sort orders shared by the store and the list window.
enum Ordem { OrdemArquivo = 0, OrdemPorData = 1, OrdemPorApelido = 3 };

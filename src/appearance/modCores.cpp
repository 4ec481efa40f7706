#include "modCores.h"

#include "app/Settings.h"
#include "dates/DateRules.h"

namespace {
int &current()
{
    static int index = 0;
    return index;
}
} // namespace

const std::array<EsquemaCores, 9> &TabelaCores()
{
    static const std::array<EsquemaCores, 9> table{{
        {557,
         {QColor(0, 102, 255), QColor(255, 219, 183), QColor(231, 177, 88), QColor(255, 240, 230)}},
        {558,
         {QColor(18, 64, 225), QColor(197, 220, 255), QColor(140, 186, 255),
          QColor(236, 245, 253)}},
        {559,
         {QColor(66, 66, 66), QColor(188, 188, 188), QColor(140, 140, 140), QColor(234, 234, 234)}},
        {560,
         {QColor(206, 131, 46), QColor(234, 236, 204), QColor(213, 201, 126),
          QColor(250, 241, 237)}},
        {561,
         {QColor(0, 128, 0), QColor(188, 225, 188), QColor(136, 192, 136), QColor(238, 255, 238)}},
        {562,
         {QColor(66, 136, 253), QColor(255, 255, 140), QColor(235, 235, 0), QColor(174, 255, 174)}},
        {563,
         {QColor(158, 84, 156), QColor(248, 206, 202), QColor(243, 167, 158),
          QColor(249, 240, 245)}},
        {564,
         {QColor(128, 0, 0), QColor(230, 216, 174), QColor(209, 179, 99), QColor(245, 241, 226)}},
        {565,
         {QColor(255, 102, 28), QColor(255, 255, 88), QColor(249, 199, 81), QColor(255, 255, 206)}},
    }};
    return table;
}

void CarregaEsquemaCores()
{
    const std::optional<QString> stored = LeRegistro(Chave::Usuario, QStringLiteral("ColorScheme"));
    const std::optional<qint16> value = stored ? ParaInteiro16(*stored) : std::optional<qint16>(0);
    int index = value ? *value : 0;
    if (index < 0 || index >= static_cast<int>(TabelaCores().size()))
        index = 0;
    if (index == 0)
        GravaRegistro(Chave::Usuario, QStringLiteral("ColorScheme"), QStringLiteral("0"));
    current() = index;
}

int EsquemaAtual()
{
    return current();
}

void DefineEsquemaAtual(int index)
{
    if (index >= 0 && index < static_cast<int>(TabelaCores().size()))
        current() = index;
}

const EsquemaCores &CoresAtuais()
{
    return TabelaCores()[static_cast<size_t>(current())];
}

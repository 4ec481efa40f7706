#include "Signs.h"

#include "DateRules.h"
#include "text/TextTable.h"

namespace {

struct ZodiacRange {
    int from; // 100 * month + day, both ends included
    int to;
    int textId;
};

constexpr ZodiacRange kZodiac[] = {
    {321, 420, 120}, {421, 520, 121},  {521, 620, 122},   {621, 721, 123},   {722, 822, 124},
    {823, 922, 125}, {923, 1022, 126}, {1023, 1121, 127}, {1122, 1221, 128}, {1222, 1231, 129},
    {101, 120, 129}, {121, 219, 130},  {220, 320, 131},
};

// The Chinese New Year of `year` from the text table ("dd/mm").
QDate chineseNewYear(int year)
{
    const QString ddmm = Texto(year);
    return QDate(year, ddmm.mid(3, 2).toInt(), ddmm.left(2).toInt());
}

} // namespace

QString SignoZodiacal(const QString &day, const QString &month)
{
    if (!EhNumerico(day) || !EhNumerico(month))
        return {};
    const int key = ValorInteiro(month) * 100 + ValorInteiro(day);
    for (const ZodiacRange &range : kZodiac) {
        if (key >= range.from && key <= range.to)
            return Texto(range.textId);
    }
    return {};
}

const AnoChinesLimites &InicializaAnoChines()
{
    static const AnoChinesLimites limits{chineseNewYear(1800), chineseNewYear(2199)};
    return limits;
}

QString SignoChines(const QString &day, const QString &month, const QString &year)
{
    if (!EhNumerico(day) || !EhNumerico(month) || !EhNumerico(year) || year.size() != 4)
        return {};
    const QDate birth = ConstroiData(ValorInteiro(year), ValorInteiro(month), ValorInteiro(day));
    const AnoChinesLimites &limits = InicializaAnoChines();
    if (!birth.isValid() || birth < limits.first || birth > limits.last)
        return {};
    const int chineseYear = birth < chineseNewYear(birth.year()) ? birth.year() - 1 : birth.year();
    return Texto(132 + chineseYear % 12);
}

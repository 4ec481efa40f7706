#include "TextRoutines.h"

namespace {

bool startsName(QChar c)
{
    static const QString accented = QStringLiteral("ÀÁÂÃÄÅÇÈÉÊËÌÍÎÏÑÒÓÔÕÖÙÚÛÜÝ");
    const QChar upper = c.toUpper();
    return (upper >= u'A' && upper <= u'Z') || accented.contains(upper);
}

double reduceToPixels(double twips)
{
    const auto whole = static_cast<long long>(twips); // truncated towards zero
    return static_cast<double>(whole / TwipsPorPixel * TwipsPorPixel);
}

} // namespace

QString FormataNome(const QString &text)
{
    QString s = text.trimmed();
    qsizetype first = 0;
    while (first < s.size() && !startsName(s[first]))
        ++first;
    s = s.mid(first);
    s.remove(u'"').remove(u'&').remove(u'<').remove(u'>');
    if (s.isEmpty())
        return {};
    s[0] = s[0].toUpper();
    while (s.contains(QStringLiteral("  ")))
        s.replace(QStringLiteral("  "), QStringLiteral(" "));
    return s;
}

QString PastaDoArquivo(const QString &path)
{
    const qsizetype p = path.lastIndexOf(u'/');
    return p >= 0 ? path.left(p + 1) : path;
}

double AjustaPixelX(double twips)
{
    return reduceToPixels(twips);
}

double AjustaPixelY(double twips)
{
    return reduceToPixels(twips);
}

QString EscapaHtml(const QString &text)
{
    QString escaped = text.toHtmlEscaped();
    escaped.replace(u'\'', QStringLiteral("&#39;"));
    return escaped;
}

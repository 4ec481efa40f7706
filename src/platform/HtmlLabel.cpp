#include "HtmlLabel.h"

#include <QRegularExpression>
#include <QTextDocument>

namespace {
// Empty link targets are written href='' or href=>; the label needs a target to
// make a link clickable, so they stand in as this one.
const QString kEmptyTarget = QStringLiteral("rerevid-empty-target");
} // namespace

HtmlLabel::HtmlLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::RichText);
    setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    connect(this, &QLabel::linkActivated, this, [this](const QString &href) {
        emit linkClicado(href == kEmptyTarget ? QString() : href);
    });
    connect(this, &QLabel::linkHovered, this, [this](const QString &href) {
        setToolTip(href.isEmpty() ? QString()
                                  : TituloDoLink(href == kEmptyTarget ? QString() : href));
    });
}

void HtmlLabel::DefineHtml(const QString &html)
{
    m_html = html;
    QString shown = html;
    shown.replace(QStringLiteral("href=''"), QStringLiteral("href='") + kEmptyTarget + u'\'');
    shown.replace(QStringLiteral("href=>"),
                  QStringLiteral("href='") + kEmptyTarget + QStringLiteral("'>"));
    setText(shown);
}

QString HtmlLabel::TituloDoLink(const QString &href) const
{
    static const QRegularExpression link(
        QStringLiteral(R"re(<a\s+title="([^"]*)"\s+href=(?:'([^']*)'|()(?=>)))re"));
    for (const QRegularExpressionMatch &m : link.globalMatch(m_html)) {
        QTextDocument target;
        target.setHtml(m.captured(2));
        if (target.toPlainText() == href)
            return m.captured(1);
    }
    return {};
}

#include "clsToolTip.h"

#include "text/TextRoutines.h"

#include <QCursor>
#include <QEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QWidget>

namespace {
constexpr int kInset = 8;
}

clsToolTip::clsToolTip(QWidget *tool, const QString &texto, int iconeTitulo, const QString &titulo)
    : QObject(tool), m_tool(tool), m_texto(texto), m_titulo(titulo), m_icone(iconeTitulo)
{
    m_area = tool->rect();
    m_wakeUp.setSingleShot(true);
    m_wakeUp.setInterval(AtrasoInicialMs);
    connect(&m_wakeUp, &QTimer::timeout, this, [this] {
        if (m_tool && inHotArea(m_tool->mapFromGlobal(QCursor::pos())))
            show(QCursor::pos());
    });
    tool->setMouseTracking(true);
    tool->installEventFilter(this);
}

bool clsToolTip::inHotArea(const QPoint &local) const
{
    return (m_areaAjustada ? m_area : m_tool->rect()).contains(local);
}

QString clsToolTip::Html() const
{
    QString html;
    if (!m_titulo.isEmpty()) {
        static const char *icons[] = {nullptr, ":/icons/info.svg", ":/icons/warning.svg",
                                      ":/icons/warning.svg"};
        const char *icon = m_icone >= 1 && m_icone <= 3 ? icons[m_icone] : nullptr;
        html += QStringLiteral("<p style='white-space:pre'>");
        if (icon)
            html += QStringLiteral("<img src='%1' width='16' height='16'>&nbsp;")
                        .arg(QLatin1String(icon));
        html += QStringLiteral("<b>") + EscapaHtml(m_titulo) + QStringLiteral("</b></p>");
    }
    QString body = EscapaHtml(m_texto);
    body.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
    html += QStringLiteral("<p style='white-space:pre; color:#800000'>") + body +
            QStringLiteral("</p>");
    return html;
}

bool clsToolTip::Mostrando() const
{
    return m_shown && QToolTip::isVisible();
}

void clsToolTip::show(const QPoint &global)
{
    if (!m_ativo || !m_tool || (m_texto.isEmpty() && m_titulo.isEmpty()))
        return;
    const QRect area = m_areaAjustada ? m_area : m_tool->rect();
    QToolTip::showText(global, Html(), m_tool, area, DuracaoMs);
    m_shown = true;
}

void clsToolTip::Set_Texto(const QString &texto)
{
    m_texto = texto;
    if (Mostrando())
        show(QCursor::pos());
}

void clsToolTip::Set_Titulo(int icone, const QString &titulo)
{
    m_icone = icone;
    m_titulo = titulo;
    if (Mostrando())
        show(QCursor::pos());
}

void clsToolTip::ShowToolTip()
{
    show(m_cursor.isNull() ? QCursor::pos() : m_cursor);
}

void clsToolTip::AjustaRetangulo()
{
    if (!m_tool)
        return;
    const QRect client = m_tool->rect();
    m_area = QRect(QPoint(client.left() + kInset, client.top()),
                   QPoint(client.right() - kInset, client.bottom()));
    m_areaAjustada = true;
}

void clsToolTip::AtivaToolTip(bool on)
{
    m_ativo = on;
    if (!on)
        ApagaToolTip();
}

void clsToolTip::ApagaToolTip()
{
    m_wakeUp.stop();
    if (Mostrando())
        QToolTip::hideText();
    m_shown = false;
}

bool clsToolTip::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_tool)
        return false;
    switch (event->type()) {
    case QEvent::MouseMove: {
        const QPoint local = static_cast<QMouseEvent *>(event)->position().toPoint();
        if (!m_ativo || !inHotArea(local)) {
            ApagaToolTip();
        } else if (Mostrando()) {
            m_wakeUp.start(ReexibicaoMs); // keeps following the pointer over the list
        } else {
            m_wakeUp.start(AtrasoInicialMs);
        }
        break;
    }
    case QEvent::Leave:
    case QEvent::MouseButtonPress:
        m_wakeUp.stop();
        break;
    case QEvent::ToolTip:
        return true; // the list's own tooltip never shows
    default:
        break;
    }
    return false;
}

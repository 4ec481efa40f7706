#include "HtmlView.h"

#include <QMouseEvent>

HtmlView::HtmlView(QWidget *parent) : QTextBrowser(parent)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    // Links reached with the keyboard arrive as URLs.
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl &url) {
        if (m_pressedAnchor.isEmpty())
            emit linkClicado(url.toString());
    });
}

void HtmlView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        emit cliqueDireito(event->globalPosition().toPoint());
        return;
    }
    m_pressedAnchor = anchorAt(event->position().toPoint());
    QTextBrowser::mousePressEvent(event);
}

void HtmlView::mouseReleaseEvent(QMouseEvent *event)
{
    const QString anchor = anchorAt(event->position().toPoint());
    QTextBrowser::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && !anchor.isEmpty() && anchor == m_pressedAnchor)
        emit linkClicado(anchor);
    m_pressedAnchor.clear();
}

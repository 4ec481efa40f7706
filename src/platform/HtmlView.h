#pragma once

#include <QTextBrowser>

// A page view that reports the raw target of a clicked link (as the page
// wrote it, not parsed as a URL) and right clicks; it opens nothing itself.
class HtmlView : public QTextBrowser {
    Q_OBJECT
public:
    explicit HtmlView(QWidget *parent = nullptr);

signals:
    void linkClicado(const QString &href);
    void cliqueDireito(const QPoint &global);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_pressedAnchor;
};

#pragma once

#include <QLabel>

// A one-line label whose text is a small HTML fragment with links. A link's
// title shows as its tooltip; a click reports the link's target, empty targets
// included.
class HtmlLabel : public QLabel {
    Q_OBJECT
public:
    explicit HtmlLabel(QWidget *parent = nullptr);

    void DefineHtml(const QString &html);
    QString Html() const { return m_html; }
    // The title of the link with this target, as the fragment gives it.
    QString TituloDoLink(const QString &href) const;

signals:
    void linkClicado(const QString &href);

private:
    QString m_html; // the fragment as given
};

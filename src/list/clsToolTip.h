#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QTimer>

class QWidget;

// A balloon-style tooltip for one tool window (a day list): a bold title with
// an icon over several body lines. It shows after the pointer rests 750 ms on
// the hot area, stays up to 30 s, and follows text changes while shown.
class clsToolTip : public QObject {
    Q_OBJECT
public:
    enum Icone { SemIcone = 0, Informacao = 1, Aviso = 2, Erro = 3 };

    // CriaToolTip: the hot area is the tool's whole client area until AjustaRetangulo.
    clsToolTip(QWidget *tool, const QString &texto = {}, int iconeTitulo = Aviso,
               const QString &titulo = {});

    void Set_Texto(const QString &texto);
    void Set_Titulo(int icone, const QString &titulo);
    void Set_CursorPos(const QPoint &global) { m_cursor = global; }
    void ShowToolTip();     // shows the tip now
    void AjustaRetangulo(); // the hot area becomes the client area less 8 px left and right
    void AtivaToolTip(bool on);
    void ApagaToolTip();
    void TempoInicial(int ms) { m_wakeUp.setInterval(ms); }

    QString Texto() const { return m_texto; }
    QString Titulo() const { return m_titulo; }
    QRect AreaAtiva() const { return m_area; }
    bool Ativo() const { return m_ativo; }
    bool Mostrando() const;
    QString Html() const; // what the tip shows

    static constexpr int AtrasoInicialMs = 750;
    static constexpr int DuracaoMs = 30000;
    static constexpr int ReexibicaoMs = 100;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void show(const QPoint &global);
    bool inHotArea(const QPoint &local) const;

    QPointer<QWidget> m_tool;
    QString m_texto;
    QString m_titulo;
    int m_icone = Aviso;
    QRect m_area;
    bool m_ativo = true;
    bool m_areaAjustada = false;
    bool m_shown = false;
    QPoint m_cursor;
    QTimer m_wakeUp;
};

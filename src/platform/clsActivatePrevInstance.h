#pragma once

#include <QObject>
#include <QPointer>

class QLocalServer;
class QWidget;

// One running Rerevid per user: a second start asks the first to show, restore
// and raise its main window, then ends.
class clsActivatePrevInstance : public QObject {
    Q_OBJECT
public:
    explicit clsActivatePrevInstance(QObject *parent = nullptr);
    ~clsActivatePrevInstance() override;

    // True when another instance answered and was asked to come forward.
    bool ActivatePrevInstance();
    // Starts answering later starts; a stale socket of a crashed run is replaced.
    bool Escuta();
    bool Escutando() const { return m_server != nullptr; }

    // The window brought forward when another start asks.
    static void DefineJanelaPrincipal(QWidget *window);
    static QWidget *JanelaPrincipal();
    static QString NomeServidor();

signals:
    void ativado();

private:
    void trazParaFrente();
    QLocalServer *m_server = nullptr;
};

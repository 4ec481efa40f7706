#include "clsActivatePrevInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QWidget>

#include <unistd.h>

namespace {
constexpr int kTimeoutMs = 1000;
const QByteArray kRequest = "activate\n";

QPointer<QWidget> &mainWindow()
{
    static QPointer<QWidget> window;
    return window;
}
} // namespace

clsActivatePrevInstance::clsActivatePrevInstance(QObject *parent) : QObject(parent) {}

clsActivatePrevInstance::~clsActivatePrevInstance() = default;

QString clsActivatePrevInstance::NomeServidor()
{
    // Per user: in the private runtime folder when there is one.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    const QString name = QStringLiteral("rerevid-%1").arg(getuid());
    return runtime.isEmpty() ? name : runtime + u'/' + name;
}

bool clsActivatePrevInstance::ActivatePrevInstance()
{
    QLocalSocket socket;
    socket.connectToServer(NomeServidor());
    if (!socket.waitForConnected(kTimeoutMs))
        return false;
    socket.write(kRequest);
    socket.waitForBytesWritten(kTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

bool clsActivatePrevInstance::Escuta()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(NomeServidor())) {
        // Nobody answered before, so the socket is left over from a crashed run.
        QLocalServer::removeServer(NomeServidor());
        if (!m_server->listen(NomeServidor()))
            return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains("activate"))
                    trazParaFrente();
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    return true;
}

void clsActivatePrevInstance::trazParaFrente()
{
    if (QWidget *window = JanelaPrincipal()) {
        if (window->isMinimized())
            window->showNormal();
        else
            window->show();
        window->raise();
        window->activateWindow();
    }
    emit ativado();
}

void clsActivatePrevInstance::DefineJanelaPrincipal(QWidget *window)
{
    mainWindow() = window;
}

QWidget *clsActivatePrevInstance::JanelaPrincipal()
{
    return mainWindow();
}

#include "cardserverthread.h"

#include "cardserver.h"
#include "terror.h"

#include <memory>

TCardServerThread::TCardServerThread()
    : m_anchor(new QObject)
{
    m_thread.setObjectName(QStringLiteral("lumcardd"));
    m_anchor->moveToThread(&m_thread);
}

TCardServerThread::~TCardServerThread()
{
    stop();
    m_thread.quit();
    m_thread.wait();
    delete m_anchor;
}

bool TCardServerThread::start(const QString& dataDir, const QHostAddress& address, quint16 port)
{
    stop();
    if (!m_thread.isRunning())
        m_thread.start();
    QMetaObject::invokeMethod(
        m_anchor,
        [&] {
            try {
                auto server = std::make_unique<TCardServer>(dataDir);
                if (!server->listen(address, port)) {
                    m_error = server->errorString();
                    return;
                }
                m_port = server->port();
                m_server = server.release();
            } catch (const Basics::TError& error) {
                m_error = error.description();
            }
        },
        Qt::BlockingQueuedConnection);
    return m_server != nullptr;
}

void TCardServerThread::stop()
{
    if (!m_server)
        return;
    QMetaObject::invokeMethod(
        m_anchor, [this] { delete m_server; }, Qt::BlockingQueuedConnection);
    m_server = nullptr;
    m_port = 0;
}

// The cost of a log entry: into the file, to a log host that takes it, to a log host whose port is
// closed (with and without the pause after a failure), and the cipher that every remote entry
// passes through.

#include "tcryption.h"
#include "tlog.h"
#include "ttcpclient.h"

#include <QTcpServer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <atomic>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using Basics::TLog;

namespace {

const QString entry = QStringLiteral("Table 12 closed by waiter 7: 3 articles, total 42.50, paid cash");

quint16 closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

// A log host that accepts every connection and reads it to its end, in a thread of its own.
class DrainingHost {
public:
    DrainingHost()
    {
        m_socket = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(m_socket, reinterpret_cast<sockaddr*>(&address), length);
        ::listen(m_socket, 128);
        ::getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &length);
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] {
            char buffer[4096];
            for (;;) {
                const int connection = ::accept(m_socket, nullptr, nullptr);
                if (connection < 0 || m_stop)
                    break;
                while (::read(connection, buffer, sizeof buffer) > 0) {
                }
                ::close(connection);
            }
        });
    }
    ~DrainingHost()
    {
        m_stop = true;
        ::shutdown(m_socket, SHUT_RDWR);
        m_thread.join();
        ::close(m_socket);
    }
    quint16 port() const { return m_port; }

private:
    int m_socket = -1;
    quint16 m_port = 0;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

void fileEntry(benchmark::State& state)
{
    QTemporaryDir dir;
    TLog log;
    log.setFileName(dir.filePath("var/log/office.log"));
    log.setMaxSize(64 * 1024 * 1024);
    for (auto _ : state)
        log.write(TLog::Info, entry, "TTable", "TTableList");
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(fileEntry);

void remoteEntry(benchmark::State& state)
{
    DrainingHost host;
    TLog log;
    log.setHost(QStringLiteral("127.0.0.1"), host.port());
    for (auto _ : state)
        log.write(TLog::Info, entry, "TTable", "TTableList");
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(remoteEntry)->Unit(benchmark::kMicrosecond);

// What the operator waits for: 100 entries in a row while the log host's port is closed.
void hundredEntriesClosedHost(benchmark::State& state)
{
    const quint16 port = closedPort();
    for (auto _ : state) {
        TLog log; // a new log: its first entry tries the host
        log.setHost(QStringLiteral("127.0.0.1"), port);
        for (int i = 0; i < 100; ++i)
            log.write(TLog::Error, entry, "TTable", "TTableList");
    }
}
BENCHMARK(hundredEntriesClosedHost)->Unit(benchmark::kMillisecond);

// The same without the pause: 100 refused connections.
void hundredSendsClosedHost(benchmark::State& state)
{
    const quint16 port = closedPort();
    Basics::TTcpMessage message;
    message.fields[2] = QStringLiteral("log");
    message.attributes.set("entry", entry);
    Basics::TTcpClient client;
    for (auto _ : state)
        for (int i = 0; i < 100; ++i)
            benchmark::DoNotOptimize(client.send(QStringLiteral("127.0.0.1"), port, message));
}
BENCHMARK(hundredSendsClosedHost)->Unit(benchmark::kMillisecond);

void encryptDecrypt(benchmark::State& state)
{
    const Basics::TCryption cryption;
    const QString text = QString(state.range(0), u'x');
    for (auto _ : state)
        benchmark::DoNotOptimize(cryption.decrypt(cryption.encrypt(text)));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(encryptDecrypt)->Arg(200)->Arg(64000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

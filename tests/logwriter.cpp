// Writes entries through the process's log, as a program of the system does; the log takes its
// host and level from the environment.
//   logwriter COUNT TEXT [LOGFILE]
// Entry i (from 0) is TEXT followed by " #i", written with level i % 9, module "TTable" and class
// "logwriter". Prints "done" when all are written.

#include "tlog.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3)
        return 2;
    Basics::TLog& log = Basics::TLog::instance();
    if (args.size() > 3)
        log.setFileName(args[3]);
    const int count = args[1].toInt();
    for (int i = 0; i < count; ++i)
        log.write(i % 9, args[2] + QStringLiteral(" #%1").arg(i), "TTable", "logwriter");
    std::puts("done");
    return 0;
}

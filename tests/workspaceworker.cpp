// Helper process of the data file tests: a workspace that makes a number of changes to one list,
// saving after each, while another process does the same.

#include "tlumworkspace.h"
#include "tvaluelist.h"

#include <QCoreApplication>

#include <cstdio>

// DIR WORKER CHANGES: adds the records WORKER*1000+1 ... and counts the changes in record WORKER.
int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: workspaceworker DIR WORKER CHANGES\n");
        return 2;
    }
    const int worker = args[2].toInt();
    const int changes = args[3].toInt();
    TLumWorkspace workspace(args[1]);
    int failed = 0;
    QObject::connect(&workspace, &TLumWorkspace::saveFailed, [&] { ++failed; });
    for (int change = 1; change <= changes; ++change) {
        Basics::TValueList* list = workspace.getData(QStringLiteral("discounts"));
        auto* added = list->createValue();
        added->setID(worker * 1000 + change);
        added->setName(QStringLiteral("worker %1").arg(worker));
        list->insert(added);
        Basics::TValue* counter = list->find(worker);
        if (!counter) {
            counter = list->createValue();
            counter->setID(worker);
            list->insert(counter);
        }
        counter->set("changes", change);
        list->notifyChanged(counter);
        workspace.saveChanges();
        QCoreApplication::processEvents(); // the other worker's saves are read in here
    }
    std::printf("failed=%d\n", failed);
    std::fflush(stdout); // before the exit's own checks, which may end the process abruptly
    return failed == 0 ? 0 : 1;
}

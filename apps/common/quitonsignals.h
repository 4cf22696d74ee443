#pragma once

class QCoreApplication;

// Makes SIGINT and SIGTERM end the application's event loop (the signal handler itself only wakes
// the loop). False when the handlers cannot be installed.
bool quitOnSignals(QCoreApplication& app);

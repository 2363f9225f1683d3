// What CUPS knows and Qt does not say: where the print server is, and the paper a queue without
// a driver description is set up for. CUPS is looked up only where Qt's print support has loaded
// it, so that the program does not link it and a program that never prints never maps it.
#pragma once

#include <QPageSize>
#include <QString>
#include <string>

// Where CUPS connects: host:port, or a local socket's path.
std::string PrintServerAddress();

// The queue's paper from CUPS's "media" option; an invalid size when CUPS does not say.
QPageSize QueuePaper(const QString& queue);

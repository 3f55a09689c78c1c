// SPDX-License-Identifier: MIT
// A helper of tst_concurrent_writers: one program saving its window position. Waits until the file
// named by its first argument exists, so that all copies write at the same moment, then saves the
// edges given as the second and third arguments. Exit status 0 when saved, 1 when it reported a
// failure, 2 for bad arguments.
#include "app/position/position_store.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    bool xOk = false;
    bool yOk = false;
    const float x1 = args.value(2).toFloat(&xOk);
    const float y1 = args.value(3).toFloat(&yOk);
    if (args.size() != 4 || !xOk || !yOk)
        return 2;
    const QDeadlineTimer limit(10000);
    while (!QFileInfo::exists(args[1]) && !limit.hasExpired())
        QThread::usleep(200);
    return position::writeSavedPosition(x1, y1) ? 0 : 1;
}

// SPDX-License-Identifier: MIT
#include "app/position/position_store.h"

#include "app/position/store_backend.h"
#include "app/position/twips_text.h"

#include <QDir>

namespace position {

namespace {

void reportFailure(std::ostream& report, const QString& why)
{
    if (why == backend::kReadOnly)
        report << "tessaly: " << qUtf8Printable(positionStoreLocation()) << ": ";
    else
        report << "tessaly: could not save the window position to "
               << qUtf8Printable(QDir::toNativeSeparators(positionStoreLocation())) << ": ";
    report << qUtf8Printable(why) << '\n';
    report.flush();
}

} // namespace

bool writeSavedPosition(float x1, float y1, std::ostream& report)
{
    const std::optional<QString> failure = backend::write(twipsText(x1), twipsText(y1));
    if (!failure)
        return true;
    reportFailure(report, *failure);
    return false;
}

} // namespace position

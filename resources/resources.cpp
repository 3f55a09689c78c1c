#include "resources/resources.h"

#include <QDirIterator>
#include <QString>

using namespace Qt::Literals::StringLiterals;

namespace tessaly::resources {

QIcon windowIcon()
{
    QIcon icon;
    QDirIterator sizes(u":/"_s, {u"icon_*.png"_s}, QDir::Files);
    while (sizes.hasNext())
        icon.addFile(sizes.next());
    return icon;
}

} // namespace tessaly::resources

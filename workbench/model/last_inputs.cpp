// SPDX-License-Identifier: MIT
#include "model/last_inputs.h"

#include "desktop/settings.h"

#include <QSettings>

namespace lastInputs {

namespace {

// The workbench's own file or key, never the shared one the lookup window's position is kept in.
constexpr QStringView kApplication = u"TessalyFits";

// The file keeps the edition as the number it has always had: 0 for 1984, 1 for 2016.
int editionNumber(tolerance::Edition edition)
{
    return edition == tolerance::Edition::Iso2010 ? 1 : 0;
}

tolerance::Edition editionOf(int number)
{
    return number == 1 ? tolerance::Edition::Iso2010 : tolerance::Edition::Jis1984;
}

} // namespace

QSettings store()
{
    return settings::store(kApplication);
}

std::optional<Inputs> loadInputs()
{
    QSettings settings = store();
    settings.beginGroup(QStringLiteral("inputs"));
    if (!settings.contains(QStringLiteral("size")))
        return std::nullopt;
    return Inputs{settings.value(QStringLiteral("size")).toString(),
                  settings.value(QStringLiteral("hole")).toString(),
                  settings.value(QStringLiteral("shaft")).toString(),
                  editionOf(settings.value(QStringLiteral("edition")).toInt())};
}

Window loadWindow()
{
    QSettings settings = store();
    settings.beginGroup(QStringLiteral("window"));
    return {settings.value(QStringLiteral("geometry")).toByteArray(),
            settings.value(QStringLiteral("size")).toSize()};
}

bool write(QStringView what, const std::function<void(QSettings&)>& write)
{
    return settings::save(kApplication, what, write);
}

void save(const std::optional<Inputs>& inputs, const Window& window,
          const std::function<void(QSettings&)>& more)
{
    // A save that fails says so on stderr and leaves the file as it was.
    settings::save(kApplication, u"the inputs", [&](QSettings& written) {
        if (inputs) {
            written.beginGroup(QStringLiteral("inputs"));
            written.setValue(QStringLiteral("size"), inputs->size);
            written.setValue(QStringLiteral("hole"), inputs->hole);
            written.setValue(QStringLiteral("shaft"), inputs->shaft);
            written.setValue(QStringLiteral("edition"), editionNumber(inputs->edition));
            written.endGroup();
        }
        written.beginGroup(QStringLiteral("window"));
        if (!window.geometry.isEmpty())
            written.setValue(QStringLiteral("geometry"), window.geometry);
        written.setValue(QStringLiteral("size"), window.size);
        written.endGroup();
        if (more)
            more(written);
    });
}

} // namespace lastInputs

// SPDX-License-Identifier: MIT
#include "model/last_inputs.h"

#include <QSettings>

namespace lastInputs {

namespace {

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
#ifdef Q_OS_WIN
    const QSettings::Format format = QSettings::NativeFormat;
#else
    const QSettings::Format format = QSettings::IniFormat;
#endif
    return QSettings(format, QSettings::UserScope, QStringLiteral("Kelvan"),
                     QStringLiteral("TessalyFits"));
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

void save(const std::optional<Inputs>& inputs, const Window& window)
{
    QSettings settings = store();
    if (inputs) {
        settings.beginGroup(QStringLiteral("inputs"));
        settings.setValue(QStringLiteral("size"), inputs->size);
        settings.setValue(QStringLiteral("hole"), inputs->hole);
        settings.setValue(QStringLiteral("shaft"), inputs->shaft);
        settings.setValue(QStringLiteral("edition"), editionNumber(inputs->edition));
        settings.endGroup();
    }
    settings.beginGroup(QStringLiteral("window"));
    if (!window.geometry.isEmpty())
        settings.setValue(QStringLiteral("geometry"), window.geometry);
    settings.setValue(QStringLiteral("size"), window.size);
    settings.endGroup();
    settings.sync();
}

} // namespace lastInputs

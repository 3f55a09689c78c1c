// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/editions.h"

#include <QByteArray>
#include <QSettings>
#include <QStringView>

#include <QSize>
#include <QString>
#include <functional>

#include <optional>

// The workbench's own store, beside the lookup window's and sharing nothing with it: on Linux
// $XDG_CONFIG_HOME/Kelvan/TessalyFits.ini, on Windows HKCU\Software\Kelvan\TessalyFits.
namespace lastInputs {

struct Inputs
{
    QString size;
    QString hole;
    QString shaft;
    tolerance::Edition edition = tolerance::Edition::Jis1984;
};

struct Window
{
    QByteArray geometry; // QWidget::saveGeometry, where the platform places windows
    QSize size;          // alone where it does not (native Wayland)
};

// The store itself, for reading what other parts of the workbench keep beside the inputs.
QSettings store();

// Writes through the one door that refuses a file not ours alone and says on stderr when a save
// fails; what names what was not saved ("the conditions of use").
bool write(QStringView what, const std::function<void(QSettings&)>& write);

std::optional<Inputs> loadInputs();
Window loadWindow();

// Inputs only when they gave a complete answer; the caller keeps the last such.
// more writes what else is kept, in the same save.
void save(const std::optional<Inputs>& inputs, const Window& window,
          const std::function<void(QSettings&)>& more = {});

} // namespace lastInputs

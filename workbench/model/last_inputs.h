// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/editions.h"

#include <QByteArray>
#include <QSettings>
#include <QSize>
#include <QString>

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

// The store itself, for what other parts of the workbench keep beside the inputs.
QSettings store();

std::optional<Inputs> loadInputs();
Window loadWindow();

// Inputs only when they gave a complete answer; the caller keeps the last such.
void save(const std::optional<Inputs>& inputs, const Window& window);

} // namespace lastInputs

// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/stack/chain.h"

#include <QByteArray>
#include <QSettings>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// What the window keeps between runs, in its own store beside the other programs': on Linux
// $XDG_CONFIG_HOME/Kelvan/TessalyStack.ini, on Windows HKCU\Software\Kelvan\TessalyStack. The
// chain is kept as typed, a member half typed included, with the file it belongs to.
namespace lastChain {

struct Kept
{
    tolerance::stack::ChainText chain;
    QString file;          // empty: never saved
    bool modified = false; // changed since the file was opened or saved
};

struct Window
{
    QByteArray geometry; // QWidget::saveGeometry, where the platform places windows
    QSize size;          // alone where it does not (native Wayland)
    QByteArray splitter; // the table beside the tools
    int toolPage = 0;
};

// The most files the recent-files menu lists.
inline constexpr int kRecentFiles = 8;

std::optional<Kept> loadChain();
Window loadWindow();
QStringList recentFiles();

// Writes through the one door that refuses a file not ours alone and says on stderr when a save
// fails.
// more writes what else is kept, in the same save.
void save(const Kept& kept, const Window& window, const QStringList& recent,
          const std::function<void(QSettings&)>& more = {});

// The store itself, for what other parts of the window keep beside the chain.
QSettings store();

} // namespace lastChain
